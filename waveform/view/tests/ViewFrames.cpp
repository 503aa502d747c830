#include "ViewFrames.h"

#include "platform/services/Services.h"
#include "platform/window/DataExchange.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"
#include "waveform/WaveCollections.h"
#include "waveform/view/PelmoranDoc.h"
#include "waveform/view/PelmoranView.h"

#include <cmath>

// clang-format off
BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
ON_MESSAGE(WM_VIEW_OPTION, OnRelay)
ON_MESSAGE(WM_SET_CURSOR_POS, OnRelay)
ON_MESSAGE(WM_ZOOM, OnRelay)
ON_MESSAGE(WM_DRAW_FREEHAND, OnRelay)
ON_MESSAGE(WM_DRAW_LINE, OnRelay)
ON_MESSAGE(WM_DRAW_POINTS, OnRelay)
ON_MESSAGE(WM_EDIT_OP, OnRelay)
ON_MESSAGE(WM_PRINT_PREVIEW, OnRelay)
ON_MESSAGE(WM_PRINT_WAVE, OnRelay)
ON_MESSAGE(WM_APPLY_EQUATION, OnRelay)
ON_MESSAGE(WM_FILE_SAVE, OnRelay)
ON_MESSAGE(WM_SMOOTH, OnRelay)
ON_MESSAGE(WM_UNDO_LAST_DRAW, OnRelay)
ON_MESSAGE(WM_WAVE_REPLOT, OnRelay)
ON_MESSAGE(WM_SET_COLORS, OnRelay)
ON_MESSAGE(WM_FILE_SAVEAS, OnRelay)
ON_MESSAGE(WM_SET_DRAWMODE, OnRelay)
ON_MESSAGE(WM_WAVE_ACTIVATE, OnRelay)
ON_MESSAGE(WM_SHOW_CURSORS, OnRelay)
ON_MESSAGE(WM_WAVE_UPDATE, OnWaveUpdate)
ON_MESSAGE(WM_CURSOR_READOUT, OnCursorReadout)
ON_MESSAGE(WM_TRACK_READOUT, OnTrackReadout)
ON_MESSAGE(WM_STATUS_TEXT, OnStatusText)
ON_MESSAGE(WM_DRAWMODE_STATE, OnDrawModeState)
ON_MESSAGE(WM_EDIT_ENABLE, OnEditEnable)
END_MESSAGE_MAP()
// clang-format on

std::vector<ToldFrame> CTestMainFrame::Told(UINT message) const {
  std::vector<ToldFrame> out;
  for (const ToldFrame& t : told)
    if (t.message == message) out.push_back(t);
  return out;
}

CPelmoranView* CTestMainFrame::ActiveView() {
  CFrameWnd* frame = GetActiveFrame();
  return frame == this ? nullptr : dynamic_cast<CPelmoranView*>(frame->GetActiveView());
}

void CTestMainFrame::Record(UINT message, WPARAM wParam, LPARAM lParam) {
  ToldFrame t;
  t.message = message;
  t.wParam = wParam;
  t.lParam = lParam;
  if (message == WM_CURSOR_READOUT) t.cursor = *reinterpret_cast<const CursorReadout*>(wParam);
  if (message == WM_TRACK_READOUT) t.track = *reinterpret_cast<const TrackReadout*>(lParam);
  told.push_back(t);
}

// The relay: the same message, parameters unchanged, to the active view.
LRESULT CTestMainFrame::OnRelay(WPARAM wParam, LPARAM lParam) {
  if (CPelmoranView* view = ActiveView())
    view->SendMessage(AfxGetCurrentMessage()->message, wParam, lParam);
  return 1;
}

LRESULT CTestMainFrame::OnWaveUpdate(WPARAM wParam, LPARAM) {
  const int code = static_cast<int>(wParam);
  CDocTemplate* tmpl = nullptr;
  if (POSITION pos = AfxGetApp()->m_pDocManager->GetFirstDocTemplatePosition())
    tmpl = AfxGetApp()->m_pDocManager->GetNextDocTemplate(pos);
  if (code == kWaveUpdateOpenWindow || code == kWaveUpdateOpenAndReplot) {
    if (tmpl) tmpl->OpenDocumentFile(nullptr);
    if (code == kWaveUpdateOpenAndReplot)
      if (CPelmoranView* view = ActiveView())
        view->SendMessage(WM_WAVE_UPDATE, kWaveUpdateReplotNewest);
    return 1;
  }
  if (code == kWaveUpdateActiveChanged) {
    if (CPelmoranView* view = ActiveView()) view->SendMessage(WM_WAVE_UPDATE, kWaveUpdateReplotOwn);
    return 1;
  }
  // A waveform index: its window to the front, then the update to the active view.
  if (code >= 0 && code < g_WaveArray.GetSize())
    for (HWND child = ::GetWindow(m_hWndMDIClient, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
      if (auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(child));
          frame && frame->GetWindowTextString() == g_WaveArray[code].wavename)
        frame->MDIActivate();
  if (CPelmoranView* view = ActiveView()) view->SendMessage(WM_WAVE_UPDATE, wParam);
  return 1;
}

// The frame keeps the cursor positions, truncated, as the coordinate bar shows them.
LRESULT CTestMainFrame::OnCursorReadout(WPARAM wParam, LPARAM lParam) {
  Record(WM_CURSOR_READOUT, wParam, lParam);
  const double position = std::trunc(reinterpret_cast<const CursorReadout*>(wParam)->position);
  (lParam == 0 ? g_dCursor1X : g_dCursor2X) = position;
  return 1;
}

LRESULT CTestMainFrame::OnTrackReadout(WPARAM wParam, LPARAM lParam) {
  Record(WM_TRACK_READOUT, wParam, lParam);
  return 1;
}

LRESULT CTestMainFrame::OnStatusText(WPARAM wParam, LPARAM lParam) {
  Record(WM_STATUS_TEXT, wParam, lParam);
  return 1;
}

LRESULT CTestMainFrame::OnDrawModeState(WPARAM wParam, LPARAM lParam) {
  Record(WM_DRAWMODE_STATE, wParam, lParam);
  bool* const flags[] = {&g_bDrawFreehand, &g_bDrawHLine, &g_bDrawVLine, &g_bDrawTwoPoint};
  if (lParam >= 0 && lParam <= 3) *flags[lParam] = wParam != 0;
  return 1;
}

LRESULT CTestMainFrame::OnEditEnable(WPARAM wParam, LPARAM lParam) {
  Record(WM_EDIT_ENABLE, wParam, lParam);
  g_bEditEnable = wParam != 0;
  return 1;
}

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CTestChildFrame, CMDIChildWnd)
ON_WM_CLOSE()
END_MESSAGE_MAP()

void CTestChildFrame::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
  CMDIChildWnd::OnMDIActivate(activate, activated, deactivated);
  const int index = FindWaveIndex(GetWindowTextString());
  CWnd* main = AfxGetMainWnd();
  if (!activate || index < 0 || !main) return;
  const CWaveData& wave = g_WaveArray[index];
  const bool modes[] = {wave.freehand, wave.hline, wave.vline, wave.twopoint, wave.cursorson};
  for (int kind = 0; kind < 5; ++kind) main->SendMessage(WM_DRAWMODE_STATE, modes[kind], kind);
  main->SendMessage(WM_EDIT_ENABLE, wave.cursorson, 0);
}

void CTestChildFrame::OnClose() {
  g_nSaveAnswer = -1;
  const CString title = GetWindowTextString();
  int index = FindWaveIndex(title);
  auto remove = [&] {
    if (index < 0) return;
    g_WaveArray.RemoveAt(index);
    if (g_WaveArray.GetSize() == 0) g_bWaveOpen = false;
  };
  if (index >= 0 && !g_WaveArray[index].saved) {
    CString prompt(services::Current().Text(313).c_str());
    prompt += " " + title + " ?";
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
      case IDNO: g_nSaveAnswer = 7; break;
      case IDYES:
        if (CView* view = GetActiveView()) view->SendMessage(WM_FILE_SAVE, 0, 0);
        if (g_nSaveAnswer == 2) return;
        index = FindWaveIndex(GetWindowTextString());  // a save may rename it
        break;
      default: g_nSaveAnswer = 2; return;
    }
  }
  remove();
  CMDIChildWnd::OnClose();
}

CMultiDocTemplate* NewWaveTemplate() {
  return new CMultiDocTemplate(129, RUNTIME_CLASS(CPelmoranDoc), RUNTIME_CLASS(CTestChildFrame),
                               RUNTIME_CLASS(CPelmoranView));
}
