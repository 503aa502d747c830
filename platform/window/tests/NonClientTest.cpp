// The non-client area: hit codes, NC mouse messages and painting of a bar
// that keeps a gripper outside its client; position and capture
// notifications; caption buttons, the half-tone brush, registered classes and
// system menus.
#include "DockingFixture.h"

#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

namespace docking_test {
namespace {
using NonClientTest = DockingTest;

TEST_F(NonClientTest, ANonClientAreaTakesTheMouseWithHitCodesAndPaintsFirst) {
  ASSERT_TRUE(frame->edge.Create(frame));
  frame->edge.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
  frame->DockControlBar(&frame->edge, AFX_IDW_DOCKBAR_LEFT);
  ui_test::Pump();
  CEdgeBar& edge = frame->edge;
  CRect window = ScreenRect(&edge), client;
  edge.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, window.Width() - CEdgeBar::kGrip - CEdgeBar::kBorder,
                          window.Height() - 2 * CEdgeBar::kBorder));
  CPoint origin(0, 0);
  edge.ClientToScreen(&origin);
  EXPECT_EQ(origin, CPoint(window.left + CEdgeBar::kGrip, window.top + CEdgeBar::kBorder));
  EXPECT_EQ(PaneRect().left, window.right);

  // A press in the gripper: hit test, then the NC press with HTCAPTION; no client press.
  edge.log.clear();
  ui_test::Click(edge.m_hWnd, POINT{5, 30});
  ASSERT_GE(edge.log.size(), 2u);
  EXPECT_EQ(edge.log[0], (std::pair<UINT, LRESULT>{WM_NCHITTEST, HTCAPTION}));
  EXPECT_EQ(edge.log[1], (std::pair<UINT, LRESULT>{WM_NCLBUTTONDOWN, HTCAPTION}));
  EXPECT_EQ(edge.lastClientDown, CPoint(-1, -1));
  // The border answers the platform's HTBORDER and goes no further.
  edge.log.clear();
  ui_test::Click(edge.m_hWnd, POINT{window.Width() - 1, 30});
  ASSERT_GE(edge.log.size(), 2u);
  EXPECT_EQ(edge.log[0], (std::pair<UINT, LRESULT>{WM_NCHITTEST, HTBORDER}));
  EXPECT_EQ(edge.log[1], (std::pair<UINT, LRESULT>{WM_NCLBUTTONDOWN, HTBORDER}));
  EXPECT_EQ(edge.lastClientDown, CPoint(-1, -1));
  // Moving over the gripper settles the pointer with the hit code.
  edge.log.clear();
  QTest::mouseMove(WidgetOf(edge.m_hWnd), QPoint(6, 40));
  EXPECT_NE(std::find(edge.log.begin(), edge.log.end(),
                      std::pair<UINT, LRESULT>{WM_SETCURSOR, HTCAPTION}),
            edge.log.end());
  // A press in the client arrives in client coordinates.
  ui_test::Click(edge.m_hWnd, POINT{CEdgeBar::kGrip + 7, CEdgeBar::kBorder + 9});
  EXPECT_EQ(edge.lastClientDown, CPoint(7, 9));
  // A double click in the gripper is an NC double click (the class need not ask for them), and
  // toggles.
  edge.log.clear();
  ui_test::DoubleClick(edge.m_hWnd, POINT{5, 30});
  ui_test::Pump();
  EXPECT_NE(std::find(edge.log.begin(), edge.log.end(),
                      std::pair<UINT, LRESULT>{WM_NCLBUTTONDBLCLK, HTCAPTION}),
            edge.log.end());
  EXPECT_TRUE(edge.IsFloating());
  // Dragging the gripper of the floating bar's mini frame to the right edge docks it right.
  CMiniDockFrameWnd* mini = MiniFrameOf(&edge);
  ASSERT_NE(mini, nullptr);
  const CRect frameClient = FrameClient();
  ui_test::Drag(mini->m_hWnd, POINT{10, 8},
                POINT{frameClient.right - 5, frameClient.CenterPoint().y});
  ui_test::Pump();
  EXPECT_EQ(edge.m_pDockBar, DockOf(AFX_IDW_DOCKBAR_RIGHT));

  // Painting the bar paints its non-client area first.
  const int before = edge.ncPaints;
  WidgetOf(edge.m_hWnd)->repaint();
  EXPECT_GT(edge.ncPaints, before);
}

TEST_F(NonClientTest, ABarSeesItsNewDockBarAfterAMoveAndLearnsWhoTookTheCapture) {
  ASSERT_TRUE(frame->edge.Create(frame));
  frame->edge.EnableDocking(CBRS_ALIGN_ANY);
  frame->DockControlBar(&frame->edge, AFX_IDW_DOCKBAR_LEFT);
  frame->DockControlBar(&frame->edge, AFX_IDW_DOCKBAR_BOTTOM);
  std::vector<UINT>& ids = frame->edge.parentIds;
  ASSERT_FALSE(ids.empty());
  EXPECT_NE(std::find(ids.begin(), ids.end(), UINT{AFX_IDW_DOCKBAR_LEFT}), ids.end());
  EXPECT_EQ(ids.back(), UINT{AFX_IDW_DOCKBAR_BOTTOM});
  // A frame change alone is reported too, flagged as no move and no size.
  ids.clear();
  frame->edge.SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ids.size(), 1u);

  ::SetCapture(frame->edge.m_hWnd);
  ::SetCapture(pane);
  EXPECT_EQ(frame->edge.captureTakers, std::vector<HWND>{pane});
  ::ReleaseCapture();
}

TEST_F(NonClientTest, CaptionButtonsAndTheHalftoneOutlineDraw) {
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    DeviceContext dc(&image, nullptr);
    RECT close{0, 0, 16, 14}, max{20, 0, 36, 14};
    EXPECT_TRUE(DrawFrameControl(&dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE));
    EXPECT_TRUE(DrawFrameControl(&dc, &max, DFC_CAPTION, DFCS_CAPTIONMAX));
    EXPECT_FALSE(DrawFrameControl(&dc, &close, 4, 0));  // only caption buttons are drawn
  }
  const QColor text = QColorOf(GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(image.pixelColor(4, 3), text);   // the close cross starts at the glyph's corner
  EXPECT_EQ(image.pixelColor(28, 4), text);  // the maximise box's thick top
  // Inverting twice with the half-tone brush restores the picture.
  QImage before = image;
  {
    DeviceContext dc(&image, nullptr);
    SelectObject(&dc, GetHalftoneBrush());
    PatBlt(&dc, 0, 0, 40, 20, PATINVERT);
    EXPECT_NE(image, before);
    PatBlt(&dc, 0, 0, 40, 20, PATINVERT);
  }
  EXPECT_EQ(image, before);
}

TEST_F(NonClientTest, ARegisteredClassKeepsItsStyleForDoubleClicks) {
  LPCSTR name = AfxRegisterWndClass(CS_NOCLOSE, LoadCursor(nullptr, IDC_ARROW),
                                    GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_STREQ(AfxRegisterWndClass(CS_NOCLOSE, LoadCursor(nullptr, IDC_ARROW),
                                   GetSysColorBrush(COLOR_BTNFACE)),
               name);
  struct Plain : CWnd {
    std::vector<UINT> seen;
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
      if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) seen.push_back(msg);
      return CWnd::WindowProc(msg, w, l);
    }
  } plain;
  ASSERT_TRUE(
      plain.CreateEx(0, name, "plain", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, frame, 0));
  EXPECT_EQ(GetClassLongPtr(plain.m_hWnd, GCL_STYLE), ULONG_PTR{CS_NOCLOSE});
  ui_test::DoubleClick(plain.m_hWnd, POINT{10, 10});
  ASSERT_FALSE(plain.seen.empty());
  EXPECT_EQ(std::count(plain.seen.begin(), plain.seen.end(), UINT{WM_LBUTTONDBLCLK}), 0);
  plain.DestroyWindow();
}

// A double click of each button: the second press is the double click for a
// class with CS_DBLCLKS and a plain press for one without, never both.
TEST_F(NonClientTest, ADoubleClickSendsThePlatformsSequenceForEachButton) {
  struct Logger : CWnd {
    std::vector<UINT> seen;
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
      if (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) seen.push_back(msg);
      return CWnd::WindowProc(msg, w, l);
    }
  };
  const struct {
    Qt::MouseButton button;
    UINT down;
  } buttons[] = {{Qt::LeftButton, WM_LBUTTONDOWN},
                 {Qt::RightButton, WM_RBUTTONDOWN},
                 {Qt::MiddleButton, WM_MBUTTONDOWN}};
  for (UINT style : {UINT{CS_DBLCLKS}, UINT{0}}) {
    Logger window;
    LPCSTR name =
        AfxRegisterWndClass(style, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW));
    ASSERT_TRUE(
        window.CreateEx(0, name, "clicks", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, frame, 0));
    for (const auto& b : buttons) {
      SCOPED_TRACE(testing::Message() << "style " << style << " button " << b.button);
      window.seen.clear();
      ui_test::DoubleClick(window.m_hWnd, POINT{10, 10}, b.button);
      const UINT second = style ? b.down + 2 : b.down;
      EXPECT_EQ(window.seen, (std::vector<UINT>{b.down, b.down + 1, second, b.down + 1}));
    }
    window.DestroyWindow();
  }
}

TEST_F(NonClientTest, AWindowWithASystemMenuStyleHasOneToColour) {
  HMENU menu = GetSystemMenu(frame->m_hWnd, FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetSystemMenu(frame->m_hWnd, FALSE), menu);  // the same one each time
  ASSERT_EQ(GetMenuItemCount(menu), 7);
  EXPECT_EQ(GetMenuItemID(menu, 0), UINT{SC_RESTORE});
  EXPECT_EQ(GetMenuItemID(menu, 6), UINT{SC_CLOSE});
  SetMenuBackgroundColor(menu, RGB(212, 223, 243), true);
  COLORREF colour = 0;
  EXPECT_TRUE(MenuBackgroundColor(menu, &colour));
  EXPECT_EQ(colour, RGB(212, 223, 243));
  EXPECT_EQ(GetSystemMenu(pane, FALSE), nullptr);  // a child has none
  EXPECT_EQ(GetSystemMenu(frame->m_hWnd, TRUE), nullptr);
}

// A window given the handle of a destroyed one before Qt deletes the old
// widget gets a system menu of its own, which the old widget's late deletion
// leaves alone.
TEST_F(NonClientTest, AReusedHandleGetsASystemMenuOfItsOwn) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  HWND first =
      CreateWindowEx(0, "Static", "", style, 0, 0, 50, 30, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(AppendMenu(GetSystemMenu(first, FALSE), MF_STRING, 0x100, "Extra"));
  DestroyWindow(first);  // its widget goes later
  std::vector<HWND> made;
  HWND reused = nullptr;
  for (int i = 0; i < 200 && !reused; ++i) {
    made.push_back(
        CreateWindowEx(0, "Static", "", style, 0, 0, 50, 30, nullptr, nullptr, nullptr, nullptr));
    if (made.back() == first) reused = made.back();
  }
  HWND second = reused ? reused : made.back();
  HMENU menu = GetSystemMenu(second, FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 7);  // not the first window's edited menu
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the first widget goes now
  EXPECT_EQ(GetSystemMenu(second, FALSE), menu);
  EXPECT_EQ(GetMenuItemCount(menu), 7);
  EXPECT_EQ(GetMenuItemID(menu, 6), UINT{SC_CLOSE});
  for (HWND h : made) DestroyWindow(h);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace docking_test
