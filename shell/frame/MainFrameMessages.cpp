// The main frame's side of the private messages: the active view it relays
// to, the windows it opens for new waveforms, and the read-outs, modes and
// status texts it shows.
#include "shell/frame/MainFrame.h"

#include "instrument/LinkState.h"
#include "platform/window/CommonDialogs.h"
#include "platform/window/Document.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"
#include "shell/base/ActiveChild.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

namespace {
constexpr int kStatusTextFirst = 184;
// The menu items of the drawing modes by their kind (0 free-hand, 1
// horizontal, 2 vertical, 3 two-point line) and the flags they set.
constexpr UINT kModeItems[] = {32850, 32851, 32854, 32853};
bool* const kModeFlags[] = {&g_bDrawFreehand, &g_bDrawHLine, &g_bDrawVLine, &g_bDrawTwoPoint};
}  // namespace

int CMainFrame::FindActiveWave() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? FindWaveIndex(child->GetWindowTextString()) : -1;
}

CView* CMainFrame::ActiveWaveView() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveView() : nullptr;
}

void CMainFrame::RelayToActiveView(UINT message, WPARAM wParam, LPARAM lParam) {
  if (CView* view = ActiveWaveView()) view->SendMessage(message, wParam, lParam);
}

CDocument* CMainFrame::OpenWaveWindow() {
  CWinApp* app = AfxGetApp();
  if (!app || !app->m_pDocManager) return nullptr;
  POSITION pos = app->m_pDocManager->GetFirstDocTemplatePosition();
  CDocTemplate* tmpl = pos ? app->m_pDocManager->GetNextDocTemplate(pos) : nullptr;
  return tmpl ? tmpl->OpenDocumentFile(nullptr) : nullptr;
}

LRESULT CMainFrame::OnWaveUpdate(WPARAM wParam, LPARAM) {
  const int code = static_cast<int>(wParam);
  if (code == kWaveUpdateOpenWindow) {
    OpenWaveWindow();
  } else if (code == kWaveUpdateOpenAndReplot) {
    OpenWaveWindow();
    RelayToActiveView(WM_WAVE_UPDATE, kWaveUpdateReplotNewest);
  } else if (code == kWaveUpdateActiveChanged) {
    RelayToActiveView(WM_WAVE_UPDATE, kWaveUpdateReplotOwn);
  } else {
    // A waveform index: its window comes to the top, then the active view
    // hears of it (also when no window carries the name).
    if (code >= 0 && code < g_WaveArray.GetSize()) {
      const CString& name = g_WaveArray[code].wavename;
      for (HWND w = ::GetWindow(m_hWndMDIClient, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (::GetWindowTextString(w) != name.str()) continue;
        if (auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(w)))
          MDIActivate(child);
        break;
      }
    }
    RelayToActiveView(WM_WAVE_UPDATE, wParam);
  }
  TranslateMenus();
  UpdateFrameTitle();
  return 1;
}

LRESULT CMainFrame::OnCursorReadout(WPARAM wParam, LPARAM lParam) {
  const auto* readout = reinterpret_cast<const CursorReadout*>(wParam);
  const int index = FindActiveWave();
  if (readout && index >= 0)
    m_wndCoordinateBar.ShowCursorReadout(static_cast<int>(lParam),
                                         static_cast<int>(readout->position), readout->value,
                                         g_WaveArray[index].period);
  return 1;
}

LRESULT CMainFrame::OnTrackReadout(WPARAM, LPARAM lParam) {
  if (const auto* track = reinterpret_cast<const TrackReadout*>(lParam))
    m_wndCoordinateBar.ShowTrackReadout(track->position, track->value, track->timeunit,
                                        track->timespan);
  return 1;
}

LRESULT CMainFrame::OnFileOpenMessage(WPARAM, LPARAM) {
  CFileDialog dialog(TRUE, "csv", ".csv", OFN_HIDEREADONLY,
                     "Comma Separated Values files (*.csv)|*.csv|Bin Files (*.bin)|*.bin|"
                     "dat Files (*.dat)|*.DAT||",
                     this);
  dialog.m_ofn.lpstrTitle = "Open File";
  if (dialog.DoModal() != IDOK) return 1;
  return OpenWaveFile(dialog.GetPathName()) ? 1 : 0;
}

LRESULT CMainFrame::OnDrawModeState(WPARAM wParam, LPARAM lParam) {
  const int kind = static_cast<int>(lParam);
  if (kind >= 0 && kind < 4) {
    CheckItem(kModeItems[kind], wParam != 0);
    *kModeFlags[kind] = wParam != 0;
  } else if (kind == 4 && wParam) {
    const int index = FindActiveWave();
    if (index >= 0) {
      const CWaveData& wave = g_WaveArray[index];
      m_wndCoordinateBar.ShowCursorReadout(0, wave.cursor1, 0.0, wave.period);
      m_wndCoordinateBar.ShowCursorReadout(1, wave.cursor2, 0.0, wave.period);
    }
  }
  return 1;
}

LRESULT CMainFrame::OnCursorLineMessage(WPARAM, LPARAM) {
  OnCursorLine();
  return 1;
}

LRESULT CMainFrame::OnStatusText(WPARAM wParam, LPARAM) {
  if (wParam <= 3)
    m_wndStatusBar.SetPaneText(1, ShellText(kStatusTextFirst + static_cast<int>(wParam)));
  return 1;
}

LRESULT CMainFrame::OnEditEnable(WPARAM wParam, LPARAM) {
  g_bEditEnable = wParam != 0;
  DrawMenuBar();
  UpdateFrameTitle();
  return 1;
}

LRESULT CMainFrame::OnLinkState(WPARAM, LPARAM) {
  m_wndCoordinateBar.ShowLinkState(g_InstrumentConnected ? 1 : 0);
  return 1;
}

LRESULT CMainFrame::OnMenuUpdate(WPARAM, LPARAM) {
  TranslateMenus();
  UpdateFrameTitle();
  return 1;
}
