#include "platform/window/CmdUI.h"

#include "platform/window/CmdTarget.h"
#include "platform/window/Menu.h"

void CCmdUI::Enable(BOOL on) {
  m_bEnableChanged = TRUE;
  if (m_pMenu)
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
  else if (m_pfnEnable)
    m_pfnEnable(this, on);
}

void CCmdUI::SetCheck(int check) {
  if (m_pMenu)
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
  else if (m_pfnCheck)
    m_pfnCheck(this, check);
}

void CCmdUI::SetText(LPCSTR text) {
  if (m_pMenu) m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING, m_nID, text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
  m_bEnableChanged = FALSE;
  BOOL handled = target->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
  if (!handled && disableIfNoHandler && !m_bEnableChanged) {
    // A command nobody handles is greyed, unless someone takes the command itself.
    BOOL hasCommand =
        target->OnCmdMsg(m_nID, static_cast<int>(CN_COMMAND), nullptr, reinterpret_cast<void*>(1));
    Enable(hasCommand);
  }
  return handled;
}
