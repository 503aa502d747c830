#pragma once
// The key rule of the send and read dialogs: Esc does nothing there (only
// the cancel button and the close box cancel).

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

inline bool IsEscapeKey(const MSG* msg) {
  return msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE;
}
