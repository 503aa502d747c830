#pragma once
// The help command: the help pages of the language chosen in the language
// profile, opened with the desktop's browser from the program folder.
// "Chinese" opens Help_CN.html; "English" and any other language
// Help_EN.html. A missing page is not reported.

#include "platform/afx/String.h"
#include "platform/window/WinUser.h"

// The page's file name for a language name.
CString HelpFileFor(const CString& language);
void OpenHelpFile(HWND owner);
