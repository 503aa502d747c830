#pragma once
// A window's own scroll bars (WS_VSCROLL, WS_HSCROLL): ranges, pages and
// positions as the platform keeps them; the user's moves reach the window
// as WM_VSCROLL / WM_HSCROLL with a null lParam. The client area excludes
// the bars.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

enum : UINT {
  SIF_RANGE = 0x1,
  SIF_PAGE = 0x2,
  SIF_POS = 0x4,
  SIF_DISABLENOSCROLL = 0x8,
  SIF_TRACKPOS = 0x10,
  SIF_ALL = 0x17
};
enum : UINT { SW_SCROLLCHILDREN = 0x1, SW_INVALIDATE = 0x2, SW_ERASE = 0x4 };
enum : UINT { SPI_GETWHEELSCROLLLINES = 0x68 };

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw);
BOOL ShowScrollBar(HWND window, int bar, BOOL show);
BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip);
BOOL SystemParametersInfo(UINT action, UINT param, void* value, UINT winIni);

namespace scroll_detail {
// The part of a window's widget its own bars leave for the client.
void ClientInset(HWND window, int* right, int* bottom);
// The scroll code (SB_LINEUP...) a user's move on a Qt slider stands for
// (its QAbstractSlider::SliderAction); one mapping for every kind of bar.
UINT ScrollCodeOf(int sliderAction);
}  // namespace scroll_detail
