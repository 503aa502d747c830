#include "app/PlaceholderView.h"

#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

IMPLEMENT_DYNCREATE(CPlaceholderDoc, CDocument)
IMPLEMENT_DYNCREATE(CPlaceholderView, CView)

void CPlaceholderView::OnInitialUpdate() {
  if (g_WaveArray.GetSize() > 0)
    GetParentFrame()->SetWindowText(g_WaveArray[g_WaveArray.GetSize() - 1].wavename);
}

void CPlaceholderView::OnDraw(CDC* dc) {
  const int index = FindWaveIndex(GetParentFrame()->GetWindowTextString());
  if (index < 0) return;
  CString text;
  text.Format("%s: %d samples", g_WaveArray[index].wavename.GetString(),
              static_cast<int>(g_WaveArray[index].thedata.GetSize()));
  dc->TextOut(10, 10, text);
}

BOOL CPlaceholderView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const int own = FindWaveIndex(GetParentFrame()->GetWindowTextString());
  switch (message) {
    case WM_WAVE_ACTIVATE:
      if (own >= 0) g_nActiveWave = own;
      break;
    case WM_WAVE_REPLOT:
      g_bWaveOpen = true;
      Invalidate();
      break;
    case WM_WAVE_UPDATE: Invalidate(); break;
    default: return CView::OnWndMsg(message, wParam, lParam, result);
  }
  *result = 1;
  return TRUE;
}
