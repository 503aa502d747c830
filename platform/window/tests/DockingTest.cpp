// Control bars docking: a frame with dock bars on four sides lays its pane out
// around them; bars dragged off float in a mini frame and dock again where they
// are dropped; double clicks toggle; hidden bars give their room back; a bar
// with a non-client area gets the NC messages with their hit codes.
#include "UiTestKit.h"

#include "platform/window/DockBar.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"
#include "platform/window/RenderPng.h"
#include "platform/window/Resources.h"

#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
enum : UINT { IDD_BAR = 602, ID_EDGE_BAR = 0xE900 + 60 };

// A bar with a gripper strip and thin borders in its non-client area, which
// records the NC messages it gets.
class CEdgeBar : public CControlBar {
public:
    static constexpr int kGrip = 20, kBorder = 3;
    std::vector<std::pair<UINT, LRESULT>> log;  // message, hit code
    CPoint lastClientDown{-1, -1};
    int ncPaints = 0;
    std::vector<UINT> parentIds;  // the parent's id at each WM_WINDOWPOSCHANGED
    std::vector<HWND> captureTakers;

    BOOL Create(CWnd* parent) {
        RegisterFrameworkClasses();
        m_dwStyle = CBRS_ALIGN_LEFT;
        m_sizeDefault = CSize(60, 60);
        if (!CWnd::CreateEx(0, "AfxControlBar", "Edge", WS_CHILD | WS_VISIBLE, RECT{0, 0, 60, 60}, parent, ID_EDGE_BAR))
            return FALSE;
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        AttachToFrame(parent);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL, BOOL horizontal) override {
        return horizontal ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    }
    LRESULT OnNcCalcSize(WPARAM, LPARAM l) {
        RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(l)->rgrc[0];
        r.left += kGrip;
        r.top += kBorder;
        r.right -= kBorder;
        r.bottom -= kBorder;
        return 0;
    }
    LRESULT OnNcHitTest(WPARAM, LPARAM l) {
        CRect rc;
        GetWindowRect(&rc);
        CPoint p(l);
        LRESULT hit = p.x < rc.left + kGrip ? HTCAPTION : Default();
        log.emplace_back(WM_NCHITTEST, hit);
        return hit;
    }
    LRESULT OnNcButton(WPARAM hit, LPARAM l) {
        const UINT msg = AfxGetCurrentMessage()->message;
        log.emplace_back(msg, static_cast<LRESULT>(hit));
        if (msg == WM_NCLBUTTONDOWN && hit == HTCAPTION && m_pDockContext) m_pDockContext->StartDrag(CPoint(l));
        if (msg == WM_NCLBUTTONDBLCLK && hit == HTCAPTION && m_pDockContext) m_pDockContext->ToggleDocking();
        return 0;
    }
    LRESULT OnNcPaint(WPARAM, LPARAM) {
        ++ncPaints;
        EraseNonClient();
        CWindowDC dc(this);
        CRect rc;
        GetWindowRect(&rc);
        dc.FillSolidRect(2, 2, kGrip - 4, rc.Height() - 4, RGB(90, 120, 200));
        return 0;
    }
    void OnLButtonDown(UINT, CPoint point) { lastClientDown = point; }
    LRESULT OnWindowPosChanged(WPARAM, LPARAM) {
        Default();
        parentIds.push_back(static_cast<UINT>(::GetDlgCtrlID(::GetParent(m_hWnd))));
        return 0;
    }
    LRESULT OnSetCursorMsg(WPARAM, LPARAM l) {
        log.emplace_back(WM_SETCURSOR, LOWORD(l));
        return Default();
    }
    LRESULT OnCaptureChanged(WPARAM, LPARAM l) {
        captureTakers.push_back(reinterpret_cast<HWND>(l));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CEdgeBar, CControlBar)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcButton)
    ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcButton)
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
    ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
END_MESSAGE_MAP()

// A bar with a size of its own when floating, set by sizing its mini frame.
class CSizingBar : public CControlBar {
public:
    CSize floating{120, 80};
    BOOL Create(CWnd* parent) {
        RegisterFrameworkClasses();
        m_dwStyle = CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;
        m_sizeDefault = CSize(40, 40);
        if (!CWnd::CreateEx(0, "AfxControlBar", "Sizing", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 40}, parent, 0xE900 + 70))
            return FALSE;
        AttachToFrame(parent);
        return TRUE;
    }
    CSize CalcDynamicLayout(int length, DWORD mode) override {
        if (IsFloating()) {  // sizeable along its edges too
            HWND mini = ::GetParent(m_pDockBar->m_hWnd);
            ::SetWindowLongPtr(mini, GWL_STYLE, ::GetWindowLongPtr(mini, GWL_STYLE) & ~LONG_PTR{MFS_4THICKFRAME});
        }
        if (mode & (LM_HORZDOCK | LM_VERTDOCK)) return CControlBar::CalcDynamicLayout(length, mode);
        if (mode & LM_MRUWIDTH) return floating;
        if (mode & LM_COMMIT) {
            floating.cx = length;
            return floating;
        }
        if (m_pDockContext && m_pDockContext->m_nHitTest == HTBOTTOMRIGHT) {
            POINT c;
            GetCursorPos(&c);
            const CRect& w = m_pDockContext->m_rectFrameDragHorz;
            const CSize extra = CMiniDockFrameWnd::Extra();
            floating = CSize(std::max<LONG>(c.x - w.left - extra.cx, 32), std::max<LONG>(c.y - w.top - extra.cy, 32));
            return floating;
        }
        if (mode & LM_LENGTHY) floating.cy = std::max(32, length);
        else floating.cx = std::max(32, length);
        return floating;
    }
};

class CDockFrame : public CFrameWnd {
public:
    CToolBar toolbar;
    CStatusBar status;
    CDialogBar dialogBar;
    CEdgeBar edge;
    CSizingBar sizing;
};

class DockingTest : public ::testing::Test {
protected:
    CDockFrame* frame = nullptr;
    HWND pane = nullptr;

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(resources::Load(SAMPLE_RESOURCES, &error)) << error;
        frame = new CDockFrame;  // deletes itself with its window
        ASSERT_TRUE(frame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW, RECT{100, 100, 700, 500}));
        RegisterFrameworkClasses();
        pane = CreateWindowEx(0, "AfxView", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, frame->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), nullptr, nullptr);
        static const UINT buttons[] = {2101, 0, 2102};
        ASSERT_TRUE(frame->toolbar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
        ASSERT_TRUE(frame->toolbar.SetButtons(buttons, 3));
        ASSERT_TRUE(frame->status.Create(frame));
        frame->toolbar.EnableDocking(CBRS_ALIGN_ANY);
        frame->EnableDocking(CBRS_ALIGN_ANY);
        frame->DockControlBar(&frame->toolbar);
        ui_test::ShowActive(frame->m_hWnd);
        frame->RecalcLayout();
        ui_test::Pump();
    }
    void TearDown() override {
        if (IsWindow(frame->m_hWnd)) frame->DestroyWindow();
        ui_test::Pump();
    }

    CRect PaneRect() const {
        CRect rc;
        ::GetWindowRect(pane, &rc);
        return rc;
    }
    CRect FrameClient() const {
        CRect rc;
        frame->GetClientRect(&rc);
        frame->ClientToScreen(&rc);
        return rc;
    }
    CDockBar* DockOf(UINT id) const { return dynamic_cast<CDockBar*>(frame->GetControlBar(id)); }
    CRect ScreenRect(CWnd* w) const {
        CRect rc;
        w->GetWindowRect(&rc);
        return rc;
    }
    CMiniDockFrameWnd* MiniFrameOf(CControlBar* bar) const {
        return bar->IsFloating() ? dynamic_cast<CMiniDockFrameWnd*>(bar->m_pDockBar->GetParent()) : nullptr;
    }
    // A point of the toolbar's background, away from its buttons.
    POINT ToolbarBackground() const {
        CRect rc;
        frame->toolbar.GetClientRect(&rc);
        return frame->toolbar.IsHorizontal() ? POINT{rc.right - 4, rc.bottom / 2} : POINT{rc.right / 2, rc.bottom - 4};
    }
};

TEST_F(DockingTest, ABarDocksOnEachSideAndThePaneFillsTheRest) {
    const CRect client = FrameClient();
    const int status = ScreenRect(&frame->status).Height();
    struct Row {
        const char* name;
        UINT dock;
        CRect pane;  // the pane's expected screen rectangle, thickness 22
    } rows[] = {
        {"top", AFX_IDW_DOCKBAR_TOP, CRect(client.left, client.top + 22, client.right, client.bottom - status)},
        {"bottom", AFX_IDW_DOCKBAR_BOTTOM, CRect(client.left, client.top, client.right, client.bottom - status - 22)},
        {"left", AFX_IDW_DOCKBAR_LEFT, CRect(client.left + 22, client.top, client.right, client.bottom - status)},
        {"right", AFX_IDW_DOCKBAR_RIGHT, CRect(client.left, client.top, client.right - 22, client.bottom - status)},
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
    ui_test::Drag(miniWindow, POINT{caption.left + 10, caption.top + 5}, POINT{client.left + 5, middle.y});
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

TEST_F(DockingTest, ANonClientAreaTakesTheMouseWithHitCodesAndPaintsFirst) {
    ASSERT_TRUE(frame->edge.Create(frame));
    frame->edge.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    frame->DockControlBar(&frame->edge, AFX_IDW_DOCKBAR_LEFT);
    ui_test::Pump();
    CEdgeBar& edge = frame->edge;
    CRect window = ScreenRect(&edge), client;
    edge.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, window.Width() - CEdgeBar::kGrip - CEdgeBar::kBorder, window.Height() - 2 * CEdgeBar::kBorder));
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
    EXPECT_NE(std::find(edge.log.begin(), edge.log.end(), std::pair<UINT, LRESULT>{WM_SETCURSOR, HTCAPTION}),
              edge.log.end());
    // A press in the client arrives in client coordinates.
    ui_test::Click(edge.m_hWnd, POINT{CEdgeBar::kGrip + 7, CEdgeBar::kBorder + 9});
    EXPECT_EQ(edge.lastClientDown, CPoint(7, 9));
    // A double click in the gripper is an NC double click (the class need not ask for them), and toggles.
    edge.log.clear();
    ui_test::DoubleClick(edge.m_hWnd, POINT{5, 30});
    ui_test::Pump();
    EXPECT_NE(std::find(edge.log.begin(), edge.log.end(), std::pair<UINT, LRESULT>{WM_NCLBUTTONDBLCLK, HTCAPTION}),
              edge.log.end());
    EXPECT_TRUE(edge.IsFloating());
    // Dragging the gripper of the floating bar's mini frame to the right edge docks it right.
    CMiniDockFrameWnd* mini = MiniFrameOf(&edge);
    ASSERT_NE(mini, nullptr);
    const CRect frameClient = FrameClient();
    ui_test::Drag(mini->m_hWnd, POINT{10, 8}, POINT{frameClient.right - 5, frameClient.CenterPoint().y});
    ui_test::Pump();
    EXPECT_EQ(edge.m_pDockBar, DockOf(AFX_IDW_DOCKBAR_RIGHT));

    // Painting the bar paints its non-client area first.
    const int before = edge.ncPaints;
    WidgetOf(edge.m_hWnd)->repaint();
    EXPECT_GT(edge.ncPaints, before);
}

TEST_F(DockingTest, ABarSeesItsNewDockBarAfterAMoveAndLearnsWhoTookTheCapture) {
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
    frame->edge.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(ids.size(), 1u);

    ::SetCapture(frame->edge.m_hWnd);
    ::SetCapture(pane);
    EXPECT_EQ(frame->edge.captureTakers, std::vector<HWND>{pane});
    ::ReleaseCapture();
}

TEST_F(DockingTest, CaptionButtonsAndTheHalftoneOutlineDraw) {
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
    ui_test::Drag(mini->m_hWnd, POINT{rc.Width() - 1, rc.Height() / 2}, POINT{rc.right - 1 + 30, rc.top + rc.Height() / 2});
    rc = ScreenRect(mini);
    EXPECT_EQ(rc.Size(), CSize(150 + extra.cx, 80 + extra.cy));
    EXPECT_EQ(frame->sizing.floating, CSize(150, 80));
    EXPECT_EQ(ScreenRect(&frame->sizing).Size(), CSize(150, 80));
    // The left edge moves the frame's left side and keeps its right one.
    ui_test::Drag(mini->m_hWnd, POINT{0, rc.Height() / 2}, POINT{rc.left - 20, rc.top + rc.Height() / 2});
    CRect after = ScreenRect(mini);
    EXPECT_EQ(after.right, rc.right);
    EXPECT_EQ(after.Width(), rc.Width() + 20);
    // The bottom-right corner: the bar reads the cursor and the drag rectangle.
    rc = after;
    ui_test::Drag(mini->m_hWnd, POINT{rc.Width() - 2, rc.Height() - 2}, POINT{rc.right + 8, rc.bottom + 18});
    after = ScreenRect(mini);
    EXPECT_EQ(after.TopLeft(), rc.TopLeft());
    EXPECT_EQ(after.Size(), CSize(rc.Width() + 8, rc.Height() + 18));  // the corner goes to the pointer
    EXPECT_EQ(frame->sizing.m_pDockContext->m_nHitTest, HTCLIENT);  // back once the sizing ends
}

// A class without CS_DBLCLKS: client double clicks arrive as presses.
TEST_F(DockingTest, ARegisteredClassKeepsItsStyleForDoubleClicks) {
    LPCSTR name = AfxRegisterWndClass(CS_NOCLOSE, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_STREQ(AfxRegisterWndClass(CS_NOCLOSE, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)), name);
    struct Plain : CWnd {
        std::vector<UINT> seen;
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) seen.push_back(msg);
            return CWnd::WindowProc(msg, w, l);
        }
    } plain;
    ASSERT_TRUE(plain.CreateEx(0, name, "plain", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, frame, 0));
    EXPECT_EQ(GetClassLongPtr(plain.m_hWnd, GCL_STYLE), ULONG_PTR{CS_NOCLOSE});
    ui_test::DoubleClick(plain.m_hWnd, POINT{10, 10});
    ASSERT_FALSE(plain.seen.empty());
    EXPECT_EQ(std::count(plain.seen.begin(), plain.seen.end(), UINT{WM_LBUTTONDBLCLK}), 0);
    plain.DestroyWindow();
}

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

TEST_F(DockingTest, AWindowWithASystemMenuStyleHasOneToColour) {
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
    EXPECT_EQ(floating.pixelColor(caption.left + 2, caption.top + 2), QColor(QColorOf(GetSysColor(COLOR_BTNSHADOW))));
    {
        QPainter p(&picture);
        CRect frameRect = ScreenRect(frame), miniRect = ScreenRect(mini);
        p.drawImage(miniRect.left - frameRect.left, miniRect.top - frameRect.top, floating);
    }
    if (const char* out = std::getenv("PELMORAN_REVIEW_PNG_DIR"))
        picture.save(QString::fromStdString(std::string(out) + "/docking-frame.png"));
}
}  // namespace
