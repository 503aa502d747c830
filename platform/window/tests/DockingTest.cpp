// Control bars docking: a frame with dock bars on four sides lays its pane out
// around them; bars dragged off float in a mini frame and dock again where they
// are dropped; double clicks toggle; hidden bars give their room back;
// floating bars with a dynamic layout size with their mini frame.
#include "DockingFixture.h"

#include "platform/window/RenderPng.h"

#include <QPainter>
#include <QWidget>

namespace docking_test {
namespace {
TEST_F(DockingTest, ABarDocksOnEachSideAndThePaneFillsTheRest) {
  const CRect client = FrameClient();
  const int status = ScreenRect(&frame->status).Height();
  struct Row {
    const char* name;
    UINT dock;
    CRect pane;  // the pane's expected screen rectangle, thickness 22
  } rows[] = {
      {"top", AFX_IDW_DOCKBAR_TOP,
       CRect(client.left, client.top + 22, client.right, client.bottom - status)},
      {"bottom", AFX_IDW_DOCKBAR_BOTTOM,
       CRect(client.left, client.top, client.right, client.bottom - status - 22)},
      {"left", AFX_IDW_DOCKBAR_LEFT,
       CRect(client.left + 22, client.top, client.right, client.bottom - status)},
      {"right", AFX_IDW_DOCKBAR_RIGHT,
       CRect(client.left, client.top, client.right - 22, client.bottom - status)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    frame->DockControlBar(&frame->toolbar, row.dock);
    ui_test::Pump();
    CDockBar* dock = DockOf(row.dock);
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(frame->toolbar.m_pDockBar, dock);
    EXPECT_EQ(frame->toolbar.GetParent(), dock);
    EXPECT_EQ(frame->toolbar.m_dwStyle & CBRS_ALIGN_ANY, dock->m_dwStyle & CBRS_ALIGN_ANY);
    EXPECT_FALSE(frame->toolbar.IsFloating());
    EXPECT_EQ(PaneRect(), row.pane);
    // The bar spans its dock bar, which sits against the pane.
    CRect bar = ScreenRect(&frame->toolbar);
    EXPECT_EQ(bar, ScreenRect(dock));
    if (row.dock == AFX_IDW_DOCKBAR_TOP) EXPECT_EQ(bar.bottom, row.pane.top);
    if (row.dock == AFX_IDW_DOCKBAR_BOTTOM) EXPECT_EQ(bar.top, row.pane.bottom);
    if (row.dock == AFX_IDW_DOCKBAR_LEFT) EXPECT_EQ(bar.right, row.pane.left);
    if (row.dock == AFX_IDW_DOCKBAR_RIGHT) EXPECT_EQ(bar.left, row.pane.right);
  }
  // The status bar stays lowest, under the bottom dock bar.
  EXPECT_EQ(ScreenRect(&frame->status).bottom, client.bottom);
}

TEST_F(DockingTest, BarsInOneDockBarStackAndADockStyleLimitsWhereABarGoes) {
  ASSERT_TRUE(frame->dialogBar.Create(frame, IDD_BAR, CBRS_BOTTOM, 0xE900 + 50));
  frame->dialogBar.EnableDocking(CBRS_ALIGN_BOTTOM);
  frame->DockControlBar(&frame->dialogBar, AFX_IDW_DOCKBAR_LEFT);  // not allowed there: stays
  EXPECT_EQ(frame->dialogBar.m_pDockBar, nullptr);
  frame->DockControlBar(&frame->dialogBar);
  frame->DockControlBar(&frame->toolbar, AFX_IDW_DOCKBAR_BOTTOM);
  ui_test::Pump();
  CDockBar* bottom = DockOf(AFX_IDW_DOCKBAR_BOTTOM);
  ASSERT_EQ(bottom->m_arrBars.size(), 2u);
  // On a frame without dock bars a bar neither floats nor drags: it could not dock again.
  auto* bare = new CFrameWnd;  // deletes itself with its window
  ASSERT_TRUE(bare->Create(nullptr, "Bare", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 200}));
  {
    CSizingBar stuck;
    ASSERT_TRUE(stuck.Create(bare));
    stuck.EnableDocking(CBRS_ALIGN_ANY);
    stuck.m_pDockContext->ToggleDocking();
    stuck.m_pDockContext->StartDrag(CPoint(10, 10));
    EXPECT_FALSE(stuck.IsFloating());
    EXPECT_FALSE(stuck.m_pDockContext->Dragging());
  }
  bare->DestroyWindow();
  const CRect dialog = ScreenRect(&frame->dialogBar), tool = ScreenRect(&frame->toolbar);
  EXPECT_EQ(dialog.bottom, tool.top);
  EXPECT_EQ(tool.bottom, ScreenRect(&frame->status).top);
  EXPECT_EQ(PaneRect().bottom, dialog.top);
  EXPECT_EQ(ScreenRect(bottom).Height(), dialog.Height() + tool.Height());
}

TEST_F(DockingTest, DraggingABarOffFloatsItAndDroppingItOnADockZoneDocksIt) {
  const CRect client = FrameClient();
  const CPoint middle = client.CenterPoint();
  ui_test::Drag(frame->toolbar.m_hWnd, ToolbarBackground(), middle);
  ui_test::Pump();
  ASSERT_TRUE(frame->toolbar.IsFloating());
  CMiniDockFrameWnd* mini = MiniFrameOf(&frame->toolbar);
  ASSERT_NE(mini, nullptr);
  EXPECT_TRUE(mini->IsWindowVisible());
  EXPECT_FALSE(mini->GetStyle() & WS_CHILD);  // a window of its own
  EXPECT_TRUE(WidgetOf(mini->m_hWnd)->isWindow());
  // The bar fills the mini frame's client; the frame's pane takes back the top.
  CRect miniClient;
  mini->GetClientRect(&miniClient);
  EXPECT_EQ(ScreenRect(&frame->toolbar).Size(), miniClient.Size());
  EXPECT_EQ(PaneRect().top, client.top);
  // The grip point stays under the mouse.
  CRect onScreen = ScreenRect(&frame->toolbar);
  EXPECT_TRUE(onScreen.PtInRect(middle) || ScreenRect(mini).PtInRect(middle));

  // Dragging the mini frame's caption to the frame's left edge docks the bar there.
  const CRect caption = mini->CaptionRect();
  const HWND miniWindow = mini->m_hWnd;
  ui_test::Drag(miniWindow, POINT{caption.left + 10, caption.top + 5},
                POINT{client.left + 5, middle.y});
  ui_test::Pump();
  EXPECT_FALSE(frame->toolbar.IsFloating());
  EXPECT_EQ(frame->toolbar.m_pDockBar, DockOf(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_FALSE(IsWindow(miniWindow));
  EXPECT_EQ(PaneRect().left, client.left + 22);
}

TEST_F(DockingTest, AClickWithoutMovingAndEscLeaveTheBarDocked) {
  ui_test::Click(frame->toolbar.m_hWnd, ToolbarBackground());
  EXPECT_EQ(frame->toolbar.m_pDockBar, DockOf(AFX_IDW_DOCKBAR_TOP));
  // Esc during a drag cancels it.
  const CPoint topLeft = ScreenRect(&frame->toolbar).TopLeft();
  const CPoint start(topLeft.x + ToolbarBackground().x, topLeft.y + ToolbarBackground().y);
  frame->toolbar.m_pDockContext->StartDrag(start);
  ui_test::PressKey(frame->toolbar.m_hWnd, Qt::Key_Escape);
  EXPECT_FALSE(frame->toolbar.m_pDockContext->Dragging());
  EXPECT_EQ(frame->toolbar.m_pDockBar, DockOf(AFX_IDW_DOCKBAR_TOP));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DockingTest, DoubleClicksFloatADockedBarAndDockItBackWhereItWas) {
  frame->DockControlBar(&frame->toolbar, AFX_IDW_DOCKBAR_RIGHT);
  ui_test::Pump();
  const CPoint where = ScreenRect(&frame->toolbar).TopLeft();
  ui_test::DoubleClick(frame->toolbar.m_hWnd, ToolbarBackground());
  ui_test::Pump();
  ASSERT_TRUE(frame->toolbar.IsFloating());
  CMiniDockFrameWnd* mini = MiniFrameOf(&frame->toolbar);
  EXPECT_EQ(ScreenRect(mini).TopLeft(), where);  // floats where it sat
  // Floating, it lies the long way.
  EXPECT_TRUE(frame->toolbar.IsHorizontal());

  const CRect caption = mini->CaptionRect();
  ui_test::DoubleClick(mini->m_hWnd, POINT{caption.left + 10, caption.top + 5});
  ui_test::Pump();
  EXPECT_FALSE(frame->toolbar.IsFloating());
  EXPECT_EQ(frame->toolbar.m_pDockBar, DockOf(AFX_IDW_DOCKBAR_RIGHT));
  EXPECT_EQ(PaneRect().right, FrameClient().right - 22);
}

TEST_F(DockingTest, HiddenBarsGiveTheirRoomBackAndShownOnesTakeIt) {
  const CRect client = FrameClient();
  EXPECT_EQ(PaneRect().top, client.top + 22);
  frame->ShowControlBar(&frame->toolbar, FALSE, FALSE);
  ui_test::Pump();
  EXPECT_FALSE(frame->toolbar.IsVisible());
  EXPECT_EQ(PaneRect().top, client.top);
  frame->ShowControlBar(&frame->toolbar, TRUE, FALSE);
  ui_test::Pump();
  EXPECT_EQ(PaneRect().top, client.top + 22);

  // A floating bar's close box hides the bar and its mini frame; showing it brings both back.
  frame->FloatControlBar(&frame->toolbar, CPoint(150, 150));
  ui_test::Pump();
  CMiniDockFrameWnd* mini = MiniFrameOf(&frame->toolbar);
  ASSERT_NE(mini, nullptr);
  const CRect close = mini->CloseRect();
  ui_test::Click(mini->m_hWnd, close.CenterPoint());
  EXPECT_FALSE(frame->toolbar.IsVisible());
  EXPECT_FALSE(mini->IsWindowVisible());
  frame->ShowControlBar(&frame->toolbar, TRUE, FALSE);
  EXPECT_TRUE(mini->IsWindowVisible());
  EXPECT_TRUE(frame->toolbar.IsFloating());
}

TEST_F(DockingTest, AFloatingBarWithADynamicLayoutSizesWithItsMiniFrame) {
  ASSERT_TRUE(frame->sizing.Create(frame));
  frame->sizing.EnableDocking(CBRS_ALIGN_ANY);
  frame->DockControlBar(&frame->sizing, AFX_IDW_DOCKBAR_TOP);
  frame->FloatControlBar(&frame->sizing, CPoint(200, 200));
  ui_test::Pump();
  CMiniDockFrameWnd* mini = MiniFrameOf(&frame->sizing);
  ASSERT_NE(mini, nullptr);
  const CSize extra = CMiniDockFrameWnd::Extra();
  CRect rc = ScreenRect(mini);
  EXPECT_EQ(rc.Size(), CSize(120 + extra.cx, 80 + extra.cy));
  // The right edge, dragged 30 pixels out, makes it 30 wider; the bar keeps the width.
  ui_test::Drag(mini->m_hWnd, POINT{rc.Width() - 1, rc.Height() / 2},
                POINT{rc.right - 1 + 30, rc.top + rc.Height() / 2});
  rc = ScreenRect(mini);
  EXPECT_EQ(rc.Size(), CSize(150 + extra.cx, 80 + extra.cy));
  EXPECT_EQ(frame->sizing.floating, CSize(150, 80));
  EXPECT_EQ(ScreenRect(&frame->sizing).Size(), CSize(150, 80));
  // The left edge moves the frame's left side and keeps its right one.
  ui_test::Drag(mini->m_hWnd, POINT{0, rc.Height() / 2},
                POINT{rc.left - 20, rc.top + rc.Height() / 2});
  CRect after = ScreenRect(mini);
  EXPECT_EQ(after.right, rc.right);
  EXPECT_EQ(after.Width(), rc.Width() + 20);
  // The bottom-right corner: the bar reads the cursor and the drag rectangle.
  rc = after;
  ui_test::Drag(mini->m_hWnd, POINT{rc.Width() - 2, rc.Height() - 2},
                POINT{rc.right + 8, rc.bottom + 18});
  after = ScreenRect(mini);
  EXPECT_EQ(after.TopLeft(), rc.TopLeft());
  EXPECT_EQ(after.Size(),
            CSize(rc.Width() + 8, rc.Height() + 18));             // the corner goes to the pointer
  EXPECT_EQ(frame->sizing.m_pDockContext->m_nHitTest, HTCLIENT);  // back once the sizing ends
}

// A class without CS_DBLCLKS: client double clicks arrive as presses.

// The status bar takes a size grip from a sizing frame; a frame that drops its

// sizing border while creating it gets none.

TEST_F(DockingTest, AStatusBarHasASizeGripOnlyUnderASizingBorder) {
  EXPECT_TRUE(frame->status.GetStyle() & SBARS_SIZEGRIP);
  CStatusBar plain;
  frame->ModifyStyle(WS_THICKFRAME, 0);
  ASSERT_TRUE(plain.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR + 1));
  frame->ModifyStyle(0, WS_THICKFRAME);
  EXPECT_FALSE(plain.GetStyle() & SBARS_SIZEGRIP);
  // Repositioning the bars lays both status bars out along the bottom.
  frame->RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST);
  EXPECT_EQ(ScreenRect(&plain).bottom, ScreenRect(&frame->status).top);
  plain.DestroyWindow();
}

TEST_F(DockingTest, ReviewPictureOfDockedAndFloatingBars) {
  ASSERT_TRUE(frame->dialogBar.Create(frame, IDD_BAR, CBRS_BOTTOM, 0xE900 + 50));
  frame->dialogBar.EnableDocking(CBRS_ALIGN_BOTTOM);
  frame->DockControlBar(&frame->dialogBar);
  ASSERT_TRUE(frame->edge.Create(frame));
  frame->edge.EnableDocking(CBRS_ALIGN_ANY);
  frame->DockControlBar(&frame->edge, AFX_IDW_DOCKBAR_LEFT);
  frame->status.SetIndicators(nullptr, 1);
  frame->status.SetPaneText(0, "Ready");
  frame->toolbar.SetWindowText("Tools");
  const CRect client = FrameClient();
  frame->FloatControlBar(&frame->toolbar, CPoint(client.left + 250, client.top + 120));
  ui_test::Pump();
  CMiniDockFrameWnd* mini = MiniFrameOf(&frame->toolbar);
  ASSERT_NE(mini, nullptr);
  QImage picture = RenderWindow(frame->m_hWnd);
  QImage floating = RenderWindow(mini->m_hWnd);
  ASSERT_FALSE(picture.isNull());
  ASSERT_FALSE(floating.isNull());
  // The floating frame's caption is drawn by its own non-client painting.
  const CRect caption = mini->CaptionRect();
  EXPECT_EQ(floating.pixelColor(caption.left + 2, caption.top + 2),
            QColor(QColorOf(GetSysColor(COLOR_BTNSHADOW))));
  {
    QPainter p(&picture);
    CRect frameRect = ScreenRect(frame), miniRect = ScreenRect(mini);
    p.drawImage(miniRect.left - frameRect.left, miniRect.top - frameRect.top, floating);
  }
  if (const char* out = std::getenv("PELMORAN_REVIEW_PNG_DIR"))
    picture.save(QString::fromStdString(std::string(out) + "/docking-frame.png"));
}
}  // namespace
}  // namespace docking_test
