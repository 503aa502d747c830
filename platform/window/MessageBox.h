#pragma once
// Message boxes. Every box goes through the services in place
// (platform/services/Services.h): the real one over Qt (WindowServices), or
// a test's fake that answers from its script.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
