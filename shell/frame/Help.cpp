#include "shell/frame/Help.h"

#include "platform/win/ModulePath.h"
#include "platform/win/ShellExecute.h"
#include "shell/base/Translator.h"

CString HelpFileFor(const CString& language) {
  return language == "Chinese" ? "Help_CN.html" : "Help_EN.html";
}

void OpenHelpFile(HWND owner) {
  const CString folder = ProgramFolder().c_str();
  const CString page = folder + HelpFileFor(g_Translator.ConfiguredLanguage());
  ShellExecute(owner, "open", page, nullptr, folder, SW_SHOWNOACTIVATE);
}
