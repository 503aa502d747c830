// The print preview on its own: a main frame whose active view paints the
// page it is asked to, the preview's caption, page and scroll geometry, the
// wheel, the keys it ignores and the three ways it ends, each telling the
// main window to show the cursors again.
#include "platform/window/tests/UiTestKit.h"

#include "platform/window/Frame.h"
#include "platform/window/RenderPng.h"
#include "platform/window/Resources.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"
#include "shell/base/preview/PreParent.h"
#include "shell/base/preview/PreView.h"
#include "waveform/PrivateMessages.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr UINT kPaintMessage = WM_USER + 500;

// The active view: paints a filled square on the page it is handed.
class PageView : public CView {
 public:
  struct Request {
    bool hasHandle = false;
    HWND owner = nullptr;
    int extra = -1;
  };
  std::vector<Request> requests;
  LRESULT OnPaintPage(WPARAM wParam, LPARAM lParam) {
    auto* dc = reinterpret_cast<CDC*>(wParam);
    auto* target = reinterpret_cast<const PreviewPaintTarget*>(
        reinterpret_cast<const char*>(lParam) - offsetof(PreviewPaintTarget, owner));
    requests.push_back({dc && dc->GetSafeHdc(), target->owner, target->extra});
    CRect page(0, 0, 842, 1190);
    dc->FillSolidRect(&page, RGB(255, 255, 255));
    dc->FillSolidRect(100, 100, 200, 200, RGB(0, 0, 255));
    return 1;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PageView, CView)
ON_MESSAGE(kPaintMessage, OnPaintPage)
END_MESSAGE_MAP()

class MainFrame : public CFrameWnd {
 public:
  std::vector<UINT> told;
  LRESULT OnTold(WPARAM, LPARAM) {
    told.push_back(AfxGetCurrentMessage()->message);
    return 1;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MainFrame, CFrameWnd)
ON_MESSAGE(WM_PRINT_WAVE, OnTold)
ON_MESSAGE(WM_SHOW_CURSORS, OnTold)
END_MESSAGE_MAP()

class PreviewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(resources::Load(PELMORAN_RESOURCES, &error)) << error;
  }
  void SetUp() override {
    main = new MainFrame;
    ASSERT_TRUE(main->Create(nullptr, "main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    app.m_pMainWnd = main;
    view = new PageView;
    ASSERT_TRUE(view->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), main,
                             AFX_IDW_PANE_FIRST));
    main->SetActiveView(view, FALSE);
  }
  void TearDown() override {
    app.m_pMainWnd = nullptr;  // its end must not end the loops of later tests
    main->DestroyWindow();
    ui_test::Pump();
  }
  // Runs the preview; script sees it open.
  void RunPreview(std::function<void(CPreParent& preview, HWND window)> script) {
    CPreParent preview(nullptr);
    preview.SetPaintTarget(static_cast<int>(kPaintMessage), view->m_hWnd, 7);
    ScriptedDialogs dialogs;
    dialogs.Expect([&](HWND window) { script(preview, window); });
    preview.DoModal();
  }

  CWinApp app{"Pelmoran"};
  MainFrame* main = nullptr;
  PageView* view = nullptr;
};

TEST_F(PreviewTest, ThePageIsPaintedByTheActiveViewOnAPaperSizedPage) {
  RunPreview([&](CPreParent& preview, HWND window) {
    EXPECT_EQ(GetWindowTextString(window), "Print Preview");
    CPreView* page = preview.GetPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetPageSize(), CSize(842, 1190));  // 223 x 315 mm at 96 dots per inch
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(page->m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 1190 + 96);
    ::GetScrollInfo(page->m_hWnd, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 842 + 96);
    EXPECT_EQ(page->GetWheelStep(), 40u);  // three lines a notch
    // The page window sits below the toolbar and fills the rest.
    CRect frame, placed;
    ::GetClientRect(window, &frame);
    page->GetWindowRect(&placed);
    ::ScreenToClient(window, reinterpret_cast<POINT*>(&placed.left));
    ::ScreenToClient(window, reinterpret_cast<POINT*>(&placed.right));
    EXPECT_GT(placed.top, 0);
    EXPECT_EQ(placed.bottom, frame.bottom);
    EXPECT_EQ(placed.Width(), frame.Width());

    const QImage shot = RenderWindow(window);
    ASSERT_FALSE(view->requests.empty());
    EXPECT_TRUE(view->requests.back().hasHandle);
    EXPECT_EQ(view->requests.back().owner, view->m_hWnd);
    EXPECT_EQ(view->requests.back().extra, 7);
    // The page is copied half an inch in from the page window's corner.
    const QPoint corner = QPoint(placed.left, placed.top) + QPoint(48 + 150, 48 + 150);
    EXPECT_EQ(shot.pixelColor(corner), QColor(0, 0, 255));
    ::SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(main->told, std::vector<UINT>{WM_SHOW_CURSORS});
}

TEST_F(PreviewTest, TheWheelAndTheBarsScrollThePage) {
  RunPreview([&](CPreParent& preview, HWND window) {
    CPreView* page = preview.GetPage();
    ::ShowWindow(window, SW_RESTORE);  // from maximised, to a window shorter than the page
    ::MoveWindow(window, 0, 0, 600, 400, TRUE);
    page->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(page->GetScrollY(), 45);  // three lines of 15 pixels
    page->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 20), 0);
    EXPECT_EQ(page->GetScrollY(), 45);  // half a step waits for the rest
    page->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 20), 0);
    EXPECT_EQ(page->GetScrollY(), 30);
    page->SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(page->GetScrollY(), 0);
    page->SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(page->GetScrollY(), 0);  // already at the top: nothing moves
    page->SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(page->GetScrollX(), 15);
    // Resizing starts again at the top.
    ::MoveWindow(window, 0, 0, 700, 500, TRUE);
    EXPECT_EQ(page->GetScrollX(), 0);
    ::SendMessage(window, WM_CLOSE, 0, 0);
  });
}

TEST_F(PreviewTest, EnterAndEscDoNothingAndEachButtonEndsIt) {
  RunPreview([&](CPreParent&, HWND window) {
    ui_test::PressKey(window, Qt::Key_Return);
    ui_test::PressKey(window, Qt::Key_Escape);
    ::SendMessage(window, WM_COMMAND, IDOK, 0);
    ::SendMessage(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(DialogHasEnded(window));
    ::SendMessage(window, WM_COMMAND, 32892, 0);  // close
    EXPECT_TRUE(DialogHasEnded(window));
  });
  EXPECT_EQ(main->told, std::vector<UINT>{WM_SHOW_CURSORS});
  main->told.clear();
  RunPreview([&](CPreParent&, HWND window) {
    ::SendMessage(window, WM_COMMAND, 32889, 0);  // print: asked of the main window, then ends
    EXPECT_TRUE(DialogHasEnded(window));
  });
  EXPECT_EQ(main->told, (std::vector<UINT>{WM_PRINT_WAVE, WM_SHOW_CURSORS}));
}

}  // namespace
