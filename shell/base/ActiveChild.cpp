#include "shell/base/ActiveChild.h"

#include "platform/services/Services.h"
#include "platform/window/Frame.h"
#include "platform/window/MessageBox.h"
#include "platform/window/WinApp.h"

CMDIChildWnd* ActiveChildFrame() {
  auto* frame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
  return frame && frame->m_hWnd ? frame->MDIGetActive() : nullptr;
}

CString ActiveChildTitle() {
  CMDIChildWnd* child = ActiveChildFrame();
  return child ? child->GetWindowTextString() : CString();
}

CString ShellText(int id) { return CString(services::Current().Text(id).c_str()); }

CString ShellTextFilled(int id, const CString& fill) {
  CString text = ShellText(id);
  text.Replace("##", fill);
  return text;
}

void ShowShellMessage(int id, HWND owner, const CString& fill) {
  MessageBox(owner, ShellTextFilled(id, fill), nullptr, MB_OK);
}
