// The docking dialog bar's non-client area while docked: the gripper strip
// with its close and undock buttons, the sizing edge, what a click on each
// does, and the drag that resizes the bar.
#include "shell/frame/CoolDialogBar.h"

#include "platform/window/Cursors.h"
#include "platform/window/Gdi.h"
#include "platform/window/NonClient.h"

#include <algorithm>

void CCoolDialogBar::ComputeNonClientRects() {
  CRect g;
  GetWindowRect(&g);
  g.OffsetRect(-g.left, -g.top);
  if (IsHorzDocked()) {
    m_rectGripper = CRect(g.left, g.top + 40, g.left + 20, g.bottom);
    m_rectClose = CRect(CPoint(g.left + 7, g.top + 10), CSize(12, 12));
    m_rectUndock = m_rectClose;
    m_rectUndock.OffsetRect(0, 13);
  } else {
    m_rectGripper = CRect(g.left, g.top, g.right - 40, g.top + 20);
    m_rectClose = CRect(g.right - 10 - 11, g.top + 7, g.right - 10, g.top + 7 + 11);
    m_rectUndock = m_rectClose;
    m_rectUndock.OffsetRect(-13, 0);
  }
}

LRESULT CCoolDialogBar::OnNcCalcSize(WPARAM, LPARAM l) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(l);
  RECT& r = params->rgrc[0];
  const int width = r.right - r.left, height = r.bottom - r.top;
  m_rectBorder = CRect(0, 0, width, height);
  DWORD style = GetBarStyle() | CBRS_BORDER_ANY;
  switch (m_nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
      style &= ~CBRS_BORDER_BOTTOM;
      r.left += m_cxGripper, r.bottom -= m_cxEdge, r.top += m_cxBorder, r.right -= m_cxBorder;
      m_rectBorder.top = m_rectBorder.bottom - m_cxEdge;
      break;
    case AFX_IDW_DOCKBAR_BOTTOM:
      style &= ~CBRS_BORDER_TOP;
      r.left += m_cxGripper, r.top += m_cxEdge, r.bottom -= m_cxBorder, r.right -= m_cxBorder;
      m_rectBorder.bottom = m_rectBorder.top + m_cxEdge;
      break;
    case AFX_IDW_DOCKBAR_LEFT:
      style &= ~CBRS_BORDER_RIGHT;
      r.right -= m_cxEdge, r.left += m_cxBorder, r.bottom -= m_cxBorder, r.top += m_cxGripper;
      m_rectBorder.left = m_rectBorder.right - m_cxEdge;
      break;
    case AFX_IDW_DOCKBAR_RIGHT:
      style &= ~CBRS_BORDER_LEFT;
      r.left += m_cxEdge, r.right -= m_cxBorder, r.bottom -= m_cxBorder, r.top += m_cxGripper;
      m_rectBorder.right = m_rectBorder.left + m_cxEdge;
      break;
    default:  // floating: the mini frame sizes the bar
      m_rectBorder.SetRectEmpty();
      break;
  }
  SetBarStyle(style);
  return 0;
}

LRESULT CCoolDialogBar::OnNcPaint(WPARAM, LPARAM) {
  EraseNonClient();
  CWindowDC dc(this);
  dc.Draw3dRect(m_rectBorder, m_clrBtnHilight, m_clrBtnShadow);
  if (!IsFloating()) DrawGripper(dc);
  return 0;
}

void CCoolDialogBar::DrawGripper(CDC& dc) {
  ComputeNonClientRects();
  dc.FillSolidRect(m_rectGripper, GetSysColor(COLOR_BTNFACE));
  DrawFrameControl(dc.GetSafeHdc(), m_rectClose, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  DrawFrameControl(dc.GetSafeHdc(), m_rectUndock, DFC_CAPTION, DFCS_CAPTIONMAX);
  CRect line;
  if (IsHorzDocked()) {
    line = CRect(m_rectGripper.left + 10, m_rectGripper.top - 2, m_rectGripper.left + 13,
                 m_rectGripper.bottom - 10);
    dc.Draw3dRect(line, m_clrBtnHilight, m_clrBtnShadow);
    line.OffsetRect(4, 0);
  } else {
    line = CRect(m_rectGripper.left + 10, m_rectGripper.top + 10, m_rectGripper.right + 2,
                 m_rectGripper.top + 13);
    dc.Draw3dRect(line, m_clrBtnHilight, m_clrBtnShadow);
    line.OffsetRect(0, 4);
  }
  dc.Draw3dRect(line, m_clrBtnHilight, m_clrBtnShadow);
}

LRESULT CCoolDialogBar::OnNcHitTest(WPARAM, LPARAM l) {
  if (IsFloating()) return Default();
  CRect rc;
  GetWindowRect(&rc);
  CPoint p(l);
  p.x -= rc.left, p.y -= rc.top;
  ComputeNonClientRects();
  if (m_rectClose.PtInRect(p)) return HTSYSMENU;
  if (m_rectUndock.PtInRect(p)) return HTMINBUTTON;
  if (m_rectGripper.PtInRect(p)) return HTCAPTION;
  if (m_rectBorder.PtInRect(p)) return HTSIZE;
  return Default();
}

LRESULT CCoolDialogBar::OnNcLButtonDown(WPARAM hit, LPARAM l) {
  if (m_bTracking) return 0;
  if (!IsFloating() && m_pDockSite) {
    switch (static_cast<int>(hit)) {
      case HTSYSMENU: m_pDockSite->ShowControlBar(this, FALSE, FALSE); return 0;
      case HTMINBUTTON:
        if (m_pDockContext) m_pDockContext->ToggleDocking();
        return 0;
      case HTCAPTION:
        if (m_pDockBar && m_pDockContext) {
          m_pDockContext->StartDrag(CPoint(l));
          return 0;
        }
        break;
      case HTSIZE: StartTracking(); return 0;
      default: break;
    }
  }
  return Default();
}

LRESULT CCoolDialogBar::OnNcLButtonDblClk(WPARAM hit, LPARAM) {
  if (hit == HTCAPTION && m_pDockBar && m_pDockContext && !m_bTracking) {
    m_pDockContext->ToggleDocking();
    return 0;
  }
  return Default();
}

// A press in the client drags the bar as any bar's does, but not while
// its edge is being dragged.
void CCoolDialogBar::OnLButtonDown(UINT flags, CPoint point) {
  if (!m_bTracking) CControlBar::OnLButtonDown(flags, point);
}

BOOL CCoolDialogBar::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
  if (hitTest == HTSIZE && !m_bTracking) {
    SetCursor(LoadCursor(nullptr, IsHorzDocked() ? IDC_SIZENS : IDC_SIZEWE));
    return TRUE;
  }
  return CWnd::OnSetCursor(window, hitTest, message);
}

// The drag: the tracker follows the mouse along the resizing axis; the
// release takes its place as the new thickness.
void CCoolDialogBar::StartTracking() {
  SetCapture(m_hWnd);
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (m_pDockSite) m_pDockSite->LockWindowUpdate();
  m_ptOld = m_rectBorder.CenterPoint();
  m_bTracking = TRUE;
  m_rectTracker = m_rectBorder;
  if (IsVertDocked()) m_rectTracker.bottom -= 4;
  OnInvertTracker(m_rectTracker);
}

CPoint CCoolDialogBar::TrackPoint(CPoint client) const {
  if (m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM) client.y += m_cxEdge;
  if (m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT) client.x += m_cxEdge;
  return client;
}

void CCoolDialogBar::OnMouseMove(UINT flags, CPoint point) {
  if (!m_bTracking || IsFloating()) {
    CWnd::OnMouseMove(flags, point);
    return;
  }
  const CPoint p = TrackPoint(point);
  const CPoint centre = m_rectTracker.CenterPoint();
  const int delta = IsHorzDocked() ? p.y - centre.y : p.x - centre.x;
  if (delta == 0) return;
  OnInvertTracker(m_rectTracker);
  m_rectTracker.OffsetRect(IsHorzDocked() ? 0 : delta, IsHorzDocked() ? delta : 0);
  OnInvertTracker(m_rectTracker);
}

void CCoolDialogBar::OnLButtonUp(UINT flags, CPoint point) {
  if (!m_bTracking) {
    CWnd::OnLButtonUp(flags, point);
    return;
  }
  OnMouseMove(flags, point);
  StopTracking(TRUE);
}

void CCoolDialogBar::OnCaptureChanged(CWnd* window) {
  if (m_bTracking && (!window || window->m_hWnd != m_hWnd)) StopTracking(FALSE);
  CWnd::OnCaptureChanged(window);
}

void CCoolDialogBar::StopTracking(BOOL accept) {
  OnInvertTracker(m_rectTracker);
  if (m_pDockSite) m_pDockSite->UnlockWindowUpdate();
  m_bTracking = FALSE;
  ReleaseCapture();
  if (!accept || !m_pDockSite) return;
  CRect site;
  m_pDockSite->GetWindowRect(&site);
  const CPoint p = m_rectTracker.CenterPoint(), s = m_ptOld;
  if (IsHorzDocked()) {
    const int thickness = m_sizeHorz.cy;
    const int delta = m_nDockBarID == AFX_IDW_DOCKBAR_TOP ? p.y - s.y : s.y - p.y;
    m_sizeHorz.cy = std::clamp<int>(thickness + delta, m_sizeMin.cy, thickness + site.Height());
  } else {
    const int thickness = m_sizeVert.cx;
    const int delta = m_nDockBarID == AFX_IDW_DOCKBAR_LEFT ? p.x - s.x : s.x - p.x;
    m_sizeVert.cx = std::clamp<int>(thickness + delta, m_sizeMin.cx, thickness + site.Width());
  }
  m_pDockSite->RecalcLayout();
}

void CCoolDialogBar::OnInvertTracker(const CRect& rect) {
  if (!m_pDockSite) return;
  CRect bar, site;
  GetWindowRect(&bar);
  m_pDockSite->GetWindowRect(&site);
  CRect r = rect;
  r.OffsetRect(bar.left - site.left, bar.top - site.top);
  r.DeflateRect(1, 1);
  HDC dc = GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  HGDIOBJ old = ::SelectObject(dc, GetHalftoneBrush());
  PatBlt(dc, r.left, r.top, r.Width(), r.Height(), PATINVERT);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_pDockSite->m_hWnd, dc);
}
