#include "shell/tests/StandInView.h"

#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

namespace shell_test {

IMPLEMENT_DYNCREATE(CStandInDoc, CDocument)
IMPLEMENT_DYNCREATE(CStandInView, CView)

std::vector<ViewHeard>& ViewLog() {
  static std::vector<ViewHeard> log;
  return log;
}

std::deque<int>& SaveAnswers() {
  static std::deque<int> answers;
  return answers;
}

void CStandInView::OnInitialUpdate() {
  if (g_WaveArray.GetSize() > 0)
    GetParentFrame()->SetWindowText(g_WaveArray[g_WaveArray.GetSize() - 1].wavename);
}

int CStandInView::OwnWave() { return FindWaveIndex(GetParentFrame()->GetWindowTextString()); }

BOOL CStandInView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message < WM_WAVE_UPDATE || message > WM_MENU_UPDATE)
    return CView::OnWndMsg(message, wParam, lParam, result);
  ViewHeard heard{GetParentFrame()->GetWindowTextString(), message, wParam, lParam};
  if (message == WM_SET_CURSOR_POS && wParam) heard.time = *reinterpret_cast<double*>(wParam);
  if (message == WM_SET_COLORS && wParam >= 1 && wParam <= 5)
    heard.color = g_ColorsB[static_cast<int>(wParam) - 1];
  ViewLog().push_back(heard);
  const int own = OwnWave();
  if (message == WM_WAVE_ACTIVATE && own >= 0) g_nActiveWave = own;
  if (message == WM_WAVE_REPLOT) g_bWaveOpen = true;
  if (message == WM_FILE_SAVE) {
    g_nSaveAnswer = SaveAnswers().empty() ? 1 : SaveAnswers().front();
    if (!SaveAnswers().empty()) SaveAnswers().pop_front();
    if (g_nSaveAnswer == 1 && own >= 0) g_WaveArray[own].saved = true;
  }
  *result = 1;
  return TRUE;
}

}  // namespace shell_test
