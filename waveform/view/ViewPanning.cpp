// After a zoom: the pan trackbars follow the axes the user dragged out, and
// moving them moves the axes; and the drawing pointer over the view.
#include "waveform/view/PelmoranView.h"

#include "platform/window/Cursors.h"
#include "platform/window/WinApp.h"
#include "waveform/DisplayMath.h"
#include "waveform/WaveGlobals.h"

void CPelmoranView::OnAxisChange() {
  m_bAxisUpdating = true;  // the trackbars' own moves below must not pan
  const bool horizontal = m_nZoomKind == 1 || m_nZoomKind == 3;
  const bool vertical = m_nZoomKind == 2 || m_nZoomKind == 3;
  if (m_nZoomKind >= 1 && m_nZoomKind <= 3) {
    m_HScroll.ShowWindow(horizontal ? SW_SHOW : SW_HIDE);
    m_VScroll.ShowWindow(vertical ? SW_SHOW : SW_HIDE);
  }
  if (const CWaveData* wave = FindRecord()) {
    SG::CSgAxis x = GraphAxis(view::kXAxis), y = GraphAxis(view::kYAxis);
    m_dXMin = x.GetMinimum();
    m_dXMax = x.GetMaximum();
    const HorizontalPan pan = HorizontalPanFor(wave->displaylen, m_dXMin, m_dXMax);
    m_HScroll.SetRange(0, pan.maximum, FALSE);
    m_HScroll.SetPageSize(pan.page);
    m_HScroll.SetPos(pan.position);
    m_dYMax = y.GetMaximum();
    m_VScroll.SetPos(VerticalPanPosition(m_dYMax, wave->span, wave->offset));
    m_dYMin = y.GetMinimum();
  }
  m_bAxisUpdating = false;
}

void CPelmoranView::OnHScroll(UINT code, UINT, CScrollBar* bar) {
  if (m_bAxisUpdating || !bar || bar->m_hWnd != m_HScroll.m_hWnd) return;
  int position;
  switch (code) {
    case SB_TOP: position = m_HScroll.GetRangeMin(); break;
    case SB_BOTTOM: position = m_HScroll.GetRangeMax(); break;
    default:
      if (code > SB_THUMBTRACK) return;  // the end of a scroll, and codes we do not know
      position = m_HScroll.GetPos();
  }
  const double width = m_dXMax - m_dXMin;
  GraphAxis(view::kXAxis).SetMinMax(position, position + width);
}

void CPelmoranView::OnVScroll(UINT code, UINT position, CScrollBar* bar) {
  if (!m_bAxisUpdating && bar && bar->m_hWnd == m_VScroll.m_hWnd && code <= SB_BOTTOM) {
    if (const CWaveData* wave = FindRecord()) {
      SG::CSgAxis y = GraphAxis(view::kYAxis);
      const double maximum =
          VerticalPanMaximum(static_cast<int>(position), wave->span, wave->offset);
      y.SetMaximum(maximum);
      y.SetMinimum(maximum - (m_dYMax - m_dYMin));
    }
  }
  CFormView::OnVScroll(code, position, bar);
}

BOOL CPelmoranView::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
  if (g_bDrawFreehand || g_bDrawHLine || g_bDrawVLine || g_bDrawTwoPoint) {
    ::SetCursor(::LoadCursor(AfxGetResourceHandle(), view::kDrawingPointer));
    return TRUE;
  }
  return CFormView::OnSetCursor(window, hitTest, message);
}
