#pragma once
// The installed creation hooks of the user-interface thread, newest first.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

namespace HookChain {
// Calls the newest hook of the kind; it passes on through CallNextHookEx.
LRESULT CallCbt(int code, WPARAM wParam, LPARAM lParam);
}  // namespace HookChain
