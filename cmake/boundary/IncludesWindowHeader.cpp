// Compiled by the boundary check with each numeric library's flags, where it
// must fail, and with the window library's, where it must build. WinUser.h
// needs nothing of Qt, so only the window-side guard can stop it.
#include "platform/window/WinUser.h"

int WindowHeaderProbe() { return static_cast<int>(sizeof(HWND)); }
