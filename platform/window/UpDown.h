#pragma once
// The up-down control's messages, notification and record.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

enum : UINT {
  UDM_SETRANGE = WM_USER + 101,
  UDM_GETRANGE = WM_USER + 102,
  UDM_SETPOS = WM_USER + 103,
  UDM_GETPOS = WM_USER + 104,
  UDM_SETBUDDY = WM_USER + 105,
  UDM_GETBUDDY = WM_USER + 106,
  UDM_SETRANGE32 = WM_USER + 111,
  UDM_GETRANGE32 = WM_USER + 112,
  UDM_SETPOS32 = WM_USER + 113,
  UDM_GETPOS32 = WM_USER + 114
};
inline constexpr UINT UDN_DELTAPOS = 0u - 722u;

struct NMUPDOWN {
  NMHDR hdr;
  int iPos = 0;
  int iDelta = 0;
};

namespace controls {
// What a click on an arrow does (+1 up, -1 down), for scripted input.
void StepUpDown(HWND updown, int delta);
}  // namespace controls
