#include "instrument/dialogs/MainWindow.h"

#include "platform/window/Frame.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"
#include "waveform/PrivateMessages.h"

namespace {

CMDIFrameWnd* MainFrame() { return dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd()); }

}  // namespace

void SendToMainWindow(UINT message, WPARAM wParam, LPARAM lParam) {
  if (CWnd* main = AfxGetMainWnd(); main && main->m_hWnd)
    main->SendMessage(message, wParam, lParam);
}

void ActivateWaveWindow(const CString& name) {
  CMDIFrameWnd* main = MainFrame();
  if (!main || !main->m_hWndMDIClient) return;
  for (HWND child = ::GetWindow(main->m_hWndMDIClient, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (CWnd::FromHandle(child)->GetWindowTextString() == name) {
      main->MDIActivate(CWnd::FromHandle(child));
      return;
    }
  }
}

void OpenWaveWindowAndReplot() {
  if (CWinApp* app = AfxGetApp()) app->OnFileNew();
  CMDIFrameWnd* main = MainFrame();
  if (!main) return;
  if (CMDIChildWnd* child = main->MDIGetActive())
    if (CView* view = child->GetActiveView()) view->SendMessage(WM_WAVE_REPLOT, 0, 0);
}
