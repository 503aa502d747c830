#include "shell/frame/ChildFrame.h"

#include "platform/window/MessageBox.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"
#include "shell/base/ActiveChild.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {
constexpr int kMsgSavePrompt = 313;

void TellMainWindow(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(message, wParam, lParam);
}
}  // namespace

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style = (cs.style & ~FWS_ADDTOTITLE) | WS_THICKFRAME;
  return CMDIChildWnd::PreCreateWindow(cs);
}

// Publishes the active waveform's own modes (kinds 0 to 3), its cursors
// (kind 4) and whether the edit commands apply, for whichever window is
// active now (also when this one is being deactivated).
void CChildFrame::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
  CMDIChildWnd::OnMDIActivate(activate, activated, deactivated);
  const int index = FindWaveIndex(ActiveChildTitle());
  if (index < 0) return;
  const CWaveData& wave = g_WaveArray[index];
  const bool states[] = {wave.freehand, wave.hline, wave.vline, wave.twopoint, wave.cursorson};
  for (int kind = 0; kind < 5; ++kind) TellMainWindow(WM_DRAWMODE_STATE, states[kind], kind);
  TellMainWindow(WM_EDIT_ENABLE, wave.cursorson);
}

void CChildFrame::OnClose() {
  g_nSaveAnswer = -1;
  CString title = GetWindowTextString();
  title.Trim(' ');
  TellMainWindow(WM_WAVE_ACTIVATE);
  const int index = FindWaveIndex(title);
  if (index >= 0 && !g_WaveArray[index].saved) {
    const CString prompt = ShellText(kMsgSavePrompt) + " " + title + " ?";
    switch (::MessageBox(m_hWnd, prompt, nullptr, MB_YESNOCANCEL | MB_ICONQUESTION)) {
      case IDNO:
        g_nSaveAnswer = 7;
        RemoveWave(title);
        TellMainWindow(WM_MENU_UPDATE);
        break;
      case IDYES:
        if (CView* view = GetActiveView()) view->SendMessage(WM_FILE_SAVE);
        // A save nobody answered counts as not done: the waveform stays.
        if (g_nSaveAnswer == 2 || g_nSaveAnswer == -1) {
          g_nSaveAnswer = 2;
          return;
        }
        // The first save of a waveform renames it after its file, and the
        // caption with it: the record goes by its new name.
        title = GetWindowTextString();
        title.Trim(' ');
        RemoveWave(title);
        break;
      default: g_nSaveAnswer = 2; return;
    }
  } else {
    RemoveWave(title);
  }
  CMDIChildWnd::OnClose();
}

void CChildFrame::RemoveWave(const CString& title) {
  const int index = FindWaveIndex(title);
  if (index >= 0) g_WaveArray.RemoveAt(index);
  if (g_WaveArray.GetSize() == 0) g_bWaveOpen = false;
}
