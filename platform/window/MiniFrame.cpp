#include "platform/window/DockBar.h"

#include "platform/window/Dc.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/NonClient.h"

#include <QWidget>

IMPLEMENT_DYNAMIC(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {
int CaptionHeight() { return GetSystemMetrics(SM_CYSMCAPTION); }
}  // namespace

BOOL CMiniDockFrameWnd::Create(CFrameWnd* dockSite, CPoint screenTopLeft) {
  RegisterFrameworkClasses();
  const RECT rect{screenTopLeft.x, screenTopLeft.y, screenTopLeft.x + 100, screenTopLeft.y + 60};
  if (!CreateEx(0, "AfxFrame", "",
                WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_4THICKFRAME | MFS_MOVEFRAME, rect,
                dockSite, 0, nullptr))
    return FALSE;
  // The caption is the frame's own non-client area, not the desktop's.
  if (QWidget* w = WidgetOf(m_hWnd)) w->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
  SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  return m_wndDockBar.Create(this, CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT);
}

CControlBar* CMiniDockFrameWnd::Bar() const {
  return m_wndDockBar.m_arrBars.empty() ? nullptr : m_wndDockBar.m_arrBars.front();
}

void CMiniDockFrameWnd::RecalcLayout(BOOL) {
  if (!m_hWnd || !m_wndDockBar.m_hWnd || m_bInRecalcLayout) return;
  m_bInRecalcLayout = TRUE;
  struct Done {
    BOOL& flag;
    ~Done() { flag = FALSE; }
  } done{m_bInRecalcLayout};
  CControlBar* bar = Bar();
  if (bar) {
    SetWindowText(bar->GetWindowTextString());
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    size.cx = std::max<LONG>(size.cx, 40);
    size.cy = std::max<LONG>(size.cy, 10);
    SetWindowPos(nullptr, 0, 0, size.cx + 2 * kBorder, size.cy + CaptionHeight() + 2 * kBorder,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CRect client;
  GetClientRect(&client);
  m_wndDockBar.MoveWindow(0, 0, client.Width(), client.Height());
  m_wndDockBar.LayoutBars();
}

CSize CMiniDockFrameWnd::Extra() { return CSize(2 * kBorder, 2 * kBorder + CaptionHeight()); }

CRect CMiniDockFrameWnd::CaptionRect() const {
  CRect rc;
  GetWindowRect(&rc);
  return CRect(kBorder, kBorder, rc.Width() - kBorder, kBorder + CaptionHeight());
}

CRect CMiniDockFrameWnd::CloseRect() const {
  CRect caption = CaptionRect();
  return CRect(caption.right - CaptionHeight() + 2, caption.top + 2, caption.right - 2,
               caption.bottom - 2);
}

LRESULT CMiniDockFrameWnd::OnNcCalcSize(WPARAM, LPARAM l) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(l);
  RECT& r = params->rgrc[0];
  r.left += kBorder;
  r.right -= kBorder;
  r.top += kBorder + CaptionHeight();
  r.bottom -= kBorder;
  return 0;
}

LRESULT CMiniDockFrameWnd::OnNcHitTest(WPARAM, LPARAM l) {
  CRect rc;
  GetWindowRect(&rc);
  CPoint p(l);
  p = CPoint(p.x - rc.left, p.y - rc.top);
  if (CloseRect().PtInRect(p)) return HTCLOSE;
  if (CaptionRect().PtInRect(p)) return HTCAPTION;
  CRect client(kBorder, kBorder + CaptionHeight(), rc.Width() - kBorder, rc.Height() - kBorder);
  if (client.PtInRect(p)) return HTCLIENT;
  // Only bars with a dynamic layout can be sized: at the corners, and along
  // the edges too once MFS_4THICKFRAME is taken away.
  CControlBar* bar = Bar();
  if (!bar || !(bar->m_dwStyle & CBRS_SIZE_DYNAMIC)) return HTBORDER;
  constexpr int kCorner = 12;
  const bool left = p.x < kCorner, right = p.x >= rc.Width() - kCorner;
  const bool top = p.y < kCorner, bottom = p.y >= rc.Height() - kCorner;
  if (top && left) return HTTOPLEFT;
  if (top && right) return HTTOPRIGHT;
  if (bottom && left) return HTBOTTOMLEFT;
  if (bottom && right) return HTBOTTOMRIGHT;
  if (GetStyle() & MFS_4THICKFRAME) return HTBORDER;
  if (p.x < kBorder) return HTLEFT;
  if (p.x >= rc.Width() - kBorder) return HTRIGHT;
  if (p.y < kBorder) return HTTOP;
  return HTBOTTOM;
}

LRESULT CMiniDockFrameWnd::OnNcPaint(WPARAM, LPARAM) {
  CWindowDC dc(this);
  CRect rc;
  GetWindowRect(&rc);
  rc.OffsetRect(-rc.left, -rc.top);
  dc.FillSolidRect(rc, GetSysColor(COLOR_BTNFACE));
  dc.Draw3dRect(rc, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
  CRect caption = CaptionRect();
  dc.FillSolidRect(caption, GetSysColor(COLOR_BTNSHADOW));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  CRect text = caption;
  text.left += 3;
  text.right = CloseRect().left;
  dc.DrawText(GetWindowTextString(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  CRect close = CloseRect();
  ::DrawFrameControl(dc.GetSafeHdc(), &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDown(WPARAM hit, LPARAM l) {
  CControlBar* bar = Bar();

  if (!bar) return 0;
  if (hit == HTCLOSE) {
    if (bar->m_pDockSite) bar->m_pDockSite->ShowControlBar(bar, FALSE, FALSE);
  } else if (hit == HTCAPTION && bar->m_pDockContext) {
    bar->m_pDockContext->StartDrag(CPoint(l));
  } else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT && bar->m_pDockContext) {
    bar->m_pDockContext->StartResize(static_cast<int>(hit), CPoint(l));
  }
  return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDblClk(WPARAM hit, LPARAM) {
  CControlBar* bar = Bar();
  if (hit == HTCAPTION && bar && bar->m_pDockContext) bar->m_pDockContext->ToggleDocking();
  return 0;
}

// The close box hides the bar; the mini frame goes when the bar docks again.
void CMiniDockFrameWnd::OnClose() {
  if (CControlBar* bar = Bar(); bar && bar->m_pDockSite)
    bar->m_pDockSite->ShowControlBar(bar, FALSE, FALSE);
}

void CMiniDockFrameWnd::PostNcDestroy() { delete this; }
