#pragma once
// The bars and the frame the docking and non-client tests share: a frame
// with a toolbar docked at the top and a status bar, a bar with a
// non-client gripper, and a bar with a size of its own when floating.

#include "UiTestKit.h"

#include "platform/window/DockBar.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Resources.h"

#include <gtest/gtest.h>

namespace docking_test {
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
    if (!CWnd::CreateEx(0, "AfxControlBar", "Edge", WS_CHILD | WS_VISIBLE, RECT{0, 0, 60, 60},
                        parent, ID_EDGE_BAR))
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
    if (msg == WM_NCLBUTTONDOWN && hit == HTCAPTION && m_pDockContext)
      m_pDockContext->StartDrag(CPoint(l));
    if (msg == WM_NCLBUTTONDBLCLK && hit == HTCAPTION && m_pDockContext)
      m_pDockContext->ToggleDocking();
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

// A bar with a size of its own when floating, set by sizing its mini frame.
class CSizingBar : public CControlBar {
 public:
  CSize floating{120, 80};
  BOOL Create(CWnd* parent) {
    RegisterFrameworkClasses();
    m_dwStyle = CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;
    m_sizeDefault = CSize(40, 40);
    if (!CWnd::CreateEx(0, "AfxControlBar", "Sizing", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 40},
                        parent, 0xE900 + 70))
      return FALSE;
    AttachToFrame(parent);
    return TRUE;
  }
  CSize CalcDynamicLayout(int length, DWORD mode) override {
    if (IsFloating()) {  // sizeable along its edges too
      HWND mini = ::GetParent(m_pDockBar->m_hWnd);
      ::SetWindowLongPtr(mini, GWL_STYLE,
                         ::GetWindowLongPtr(mini, GWL_STYLE) & ~LONG_PTR{MFS_4THICKFRAME});
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
      floating = CSize(std::max<LONG>(c.x - w.left - extra.cx, 32),
                       std::max<LONG>(c.y - w.top - extra.cy, 32));
      return floating;
    }
    if (mode & LM_LENGTHY)
      floating.cy = std::max(32, length);
    else
      floating.cx = std::max(32, length);
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
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                          nullptr, nullptr);
    static const UINT buttons[] = {2101, 0, 2102};
    ASSERT_TRUE(frame->toolbar.CreateEx(frame, TBSTYLE_FLAT,
                                        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
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
    return bar->IsFloating() ? dynamic_cast<CMiniDockFrameWnd*>(bar->m_pDockBar->GetParent())
                             : nullptr;
  }
  // A point of the toolbar's background, away from its buttons.
  POINT ToolbarBackground() const {
    CRect rc;
    frame->toolbar.GetClientRect(&rc);
    return frame->toolbar.IsHorizontal() ? POINT{rc.right - 4, rc.bottom / 2}
                                         : POINT{rc.right / 2, rc.bottom - 4};
  }
};

}  // namespace docking_test
