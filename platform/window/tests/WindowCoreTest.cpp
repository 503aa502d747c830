// The core of the window layer: creation with the hook, the procedure chain
// and subclassing, posted messages, Qt input as messages, painting through
// device contexts, and exceptions reported instead of unwinding through Qt.
#include "UiTestKit.h"

#include "platform/com/OleColor.h"
#include "platform/win/HResult.h"
#include "platform/window/Gdi.h"
#include "platform/window/RenderPng.h"
#include "platform/window/WindowApi.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {
std::vector<UINT> g_seen;
std::vector<std::string> g_trace;

LRESULT RecordingProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  g_seen.push_back(msg);
  if (msg == WM_USER + 1) return 41;
  if (msg == WM_USER + 2) throw std::runtime_error("handler failed");
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT rc{2, 2, 6, 6};
    FillRect(dc, &rc, red);
    DeleteObject(red);
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProc(h, msg, w, l);
}

WNDPROC g_previous = nullptr;
LRESULT SubclassProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_USER + 1) return CallWindowProc(g_previous, h, msg, w, l) + 1;
  return CallWindowProc(g_previous, h, msg, w, l);
}

HHOOK g_hook = nullptr;
LRESULT CALLBACK_Hook(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_CREATEWND) {
    auto* cbt = reinterpret_cast<CBT_CREATEWND*>(l);
    g_trace.push_back(GetClassNameString(reinterpret_cast<HWND>(w)) + ":" + cbt->lpcs->lpszName);
    SetProp(reinterpret_cast<HWND>(w), "seen", reinterpret_cast<HANDLE>(1));
  }
  return CallNextHookEx(g_hook, code, w, l);
}

class WindowCore : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASS wc;
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = "CoreTestWindow";
    wc.hbrBackground = background = CreateSolidBrush(RGB(0, 0, 255));
    RegisterClass(&wc);
  }
  static void TearDownTestSuite() {
    DeleteObject(std::exchange(background, nullptr));
  }  // no window of the class is left
  static inline HBRUSH background = nullptr;
  void SetUp() override {
    g_seen.clear();
    g_trace.clear();
    window = CreateWindowEx(0, "CoreTestWindow", "core", WS_OVERLAPPEDWINDOW, 0, 0, 40, 30, nullptr,
                            nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { DestroyWindow(window); }
  HWND window = nullptr;
};

TEST_F(WindowCore, CreationSendsNcCreateThenCreateAndKeepsText) {
  ASSERT_GE(g_seen.size(), 2u);
  EXPECT_EQ(g_seen[0], WM_NCCREATE);
  EXPECT_EQ(g_seen[1], WM_CREATE);
  EXPECT_EQ(GetWindowTextString(window), "core");
  SetWindowText(window, "renamed");
  EXPECT_EQ(GetWindowTextString(window), "renamed");
  EXPECT_EQ(GetClassNameString(window), "CoreTestWindow");
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
            nullptr);
}

TEST_F(WindowCore, SubclassingChainsToThePreviousProcedure) {
  EXPECT_EQ(SendMessage(window, WM_USER + 1, 0, 0), 41);
  g_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  EXPECT_EQ(g_previous, RecordingProc);
  EXPECT_EQ(SendMessage(window, WM_USER + 1, 0, 0), 42);
  SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
  EXPECT_EQ(SendMessage(window, WM_USER + 1, 0, 0), 41);
}

TEST_F(WindowCore, CreationHookSeesEachNewWindowBeforeItsCreateMessage) {
  g_hook = SetWindowsHookEx(WH_CBT, CALLBACK_Hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(g_hook, nullptr);
  HWND child = CreateWindowEx(0, "CoreTestWindow", "kid", WS_CHILD, 0, 0, 5, 5, window,
                              reinterpret_cast<HMENU>(7), nullptr, nullptr);
  EXPECT_TRUE(UnhookWindowsHookEx(g_hook));
  EXPECT_FALSE(UnhookWindowsHookEx(g_hook));
  ASSERT_EQ(g_trace, std::vector<std::string>{"CoreTestWindow:kid"});
  EXPECT_EQ(GetProp(child, "seen"), reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(GetDlgItem(window, 7), child);
  EXPECT_EQ(GetParent(child), window);
  HWND later = CreateWindowEx(0, "CoreTestWindow", "late", WS_CHILD, 0, 0, 5, 5, window, nullptr,
                              nullptr, nullptr);
  EXPECT_EQ(g_trace.size(), 1u);
  EXPECT_EQ(GetProp(later, "seen"), nullptr);
}

TEST_F(WindowCore, TheCloseBoxIsTheSystemCloseCommandWhoseDefaultCloses) {
  ui_test::ShowActive(window);
  g_seen.clear();
  WidgetOf(window)->close();
  ASSERT_GE(g_seen.size(), 2u);
  EXPECT_EQ(g_seen[0], WM_SYSCOMMAND);
  EXPECT_EQ(g_seen[1], WM_CLOSE);
  EXPECT_FALSE(IsWindow(window));  // the default closing destroys the window
  window = nullptr;
}

TEST_F(WindowCore, PostedMessagesArriveFromTheLoop) {
  g_seen.clear();
  EXPECT_TRUE(PostMessage(window, WM_USER + 1, 0, 0));
  EXPECT_TRUE(g_seen.empty());
  ui_test::Pump();
  EXPECT_EQ(g_seen, std::vector<UINT>{WM_USER + 1});
}

TEST_F(WindowCore, DestroyEndsWithNcDestroyAndTheHandleDies) {
  HWND child = CreateWindowEx(0, "CoreTestWindow", "kid", WS_CHILD, 0, 0, 5, 5, window, nullptr,
                              nullptr, nullptr);
  g_seen.clear();
  DestroyWindow(window);
  EXPECT_EQ(g_seen, (std::vector<UINT>{WM_DESTROY, WM_DESTROY, WM_NCDESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(child));
  window = nullptr;
}

TEST_F(WindowCore, QtInputArrivesAsMessagesInClientCoordinates) {
  ui_test::ShowActive(window);
  g_seen.clear();
  ui_test::Click(window, POINT{5, 6});
  ASSERT_GE(g_seen.size(), 2u);
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), WM_LBUTTONDOWN), g_seen.end());
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), WM_LBUTTONUP), g_seen.end());
  g_seen.clear();
  ui_test::PressKey(window, Qt::Key_A);
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), WM_KEYDOWN), g_seen.end());
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), WM_CHAR), g_seen.end());
}

TEST_F(WindowCore, PaintingGoesThroughBeginPaintAndRendersToAnImage) {
  QImage image = RenderWindow(window);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(6, 6),
            QColor(0, 0, 255));  // the class background, erased by BeginPaint
  EXPECT_TRUE(RenderWindowToPng(window, testing::TempDir() + "core.png"));
}

TEST_F(WindowCore, DrawingOutsidePaintingLastsUntilTheWindowIsInvalidated) {
  auto drawMark = [&](int rop) {
    HDC dc = GetDC(window);
    SetROP2(dc, rop);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, 20, 10, nullptr);
    LineTo(dc, 20, 25);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(window, dc);
  };
  drawMark(R2_COPYPEN);
  EXPECT_EQ(RenderWindow(window).pixelColor(20, 15), QColor(0, 255, 0));
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_EQ(RenderWindow(window).pixelColor(20, 15), QColor(0, 0, 255));
  drawMark(R2_XORPEN);  // a tracker line: drawn, then drawn again to take it away
  EXPECT_NE(RenderWindow(window).pixelColor(20, 15), QColor(0, 0, 255));
  drawMark(R2_XORPEN);
  EXPECT_EQ(RenderWindow(window).pixelColor(20, 15), QColor(0, 0, 255));
}

// Destroying a window drops only the layer's own watch on its widget: the
// clean-ups others tied to the widget (dialog state, scroll bars, the MDI
// client's bookkeeping) still run when Qt deletes it.
TEST_F(WindowCore, OthersCleanUpsRunWhenADestroyedWindowsWidgetGoes) {
  HWND other =
      CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  bool cleaned = false;
  QObject::connect(WidgetOf(other), &QObject::destroyed, [&cleaned] { cleaned = true; });
  DestroyWindow(other);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(cleaned);
}

// A control reporting an OLE system colour means the colour this layer draws.
TEST_F(WindowCore, OleSystemColoursAreTheColoursWindowsDraw) {
  HWND control =
      CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(control, nullptr);
  for (int index : {COLOR_BTNFACE, COLOR_WINDOW, COLOR_WINDOWTEXT}) {
    COLORREF rgb = 0;
    ASSERT_EQ(OleTranslateColor(0x80000000u | static_cast<OLE_COLOR>(index), nullptr, &rgb), S_OK)
        << index;
    EXPECT_EQ(rgb, GetSysColor(index)) << index;
  }
  DestroyWindow(control);
}

TEST_F(WindowCore, AnExceptionFromAHandlerIsReportedAndTheLoopGoesOn) {
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "handler failed");
  PostMessage(window, WM_USER + 2, 0, 0);
  PostMessage(window, WM_USER + 1, 0, 0);
  g_seen.clear();
  ui_test::Pump();
  EXPECT_EQ(g_seen, (std::vector<UINT>{WM_USER + 2, WM_USER + 1}));
  ASSERT_EQ(boxes.Shown().size(), 1u);
}
}  // namespace

namespace {
// A picture static shows the bitmap it was given, centred with
// SS_CENTERIMAGE; the caller keeps the bitmap and gets the previous one back.
TEST(StaticPicture, ABitmapStaticShowsItsBitmapCentred) {
  HWND picture = CreateWindowEx(0, "Static", "", WS_POPUP | SS_BITMAP | SS_CENTERIMAGE, 0, 0, 20,
                                20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(picture, nullptr);
  HBITMAP red = CreateCompatibleBitmap(nullptr, 4, 4);
  red->image.fill(QColor(255, 0, 0));
  EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
  EXPECT_EQ(SendMessage(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
  const QImage shown = RenderWindow(picture);
  EXPECT_EQ(shown.pixelColor(9, 9), QColor(255, 0, 0));
  EXPECT_NE(shown.pixelColor(1, 1), QColor(255, 0, 0));
  EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
  DestroyWindow(picture);
  DeleteObject(red);
  EXPECT_EQ(LoadBitmap(nullptr, 65000), nullptr);  // no such resource
}
}  // namespace
