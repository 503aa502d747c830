#pragma once
// Where the print preview's page asks to be painted: the message it sends
// to the active view (the view hands its own number over when it opens the
// preview), and the owner window and extra word that go with it. The page
// sends the message with wParam = the page's memory DC (a CDC*) and
// lParam = the address of `owner`.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

struct PreviewPaintTarget {
  int message = 0;  // 0: nothing is asked
  HWND owner = nullptr;
  int extra = 0;
};
