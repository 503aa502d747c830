#pragma once
// A window's non-client area: the part of its window rectangle outside its
// client rectangle, which the window itself sets by answering WM_NCCALCSIZE.
// Mouse input there arrives as WM_NCHITTEST and the NC mouse messages, and
// WM_NCPAINT paints it before the client's WM_PAINT. A window that answers
// WM_NCCALCSIZE with the whole rectangle (the default) has none.

#include "platform/window/WindowSide.h"

#include "platform/window/Cursors.h"
#include "platform/window/WinUser.h"

#include <QMargins>
#include <QPoint>

enum : int {
  HTERROR = -2,
  HTTRANSPARENT = -1,
  HTNOWHERE = 0,
  HTCAPTION = 2,
  HTSYSMENU = 3,
  HTSIZE = 4,
  HTMINBUTTON = 8,
  HTMAXBUTTON = 9,
  HTLEFT = 10,
  HTRIGHT = 11,
  HTTOP = 12,
  HTTOPLEFT = 13,
  HTTOPRIGHT = 14,
  HTBOTTOM = 15,
  HTBOTTOMLEFT = 16,
  HTBOTTOMRIGHT = 17,
  HTBORDER = 18,
  HTCLOSE = 20
};
inline constexpr UINT WM_NCMOUSEMOVE = 0x00A0, WM_NCLBUTTONUP = 0x00A2;
// Makes the window ask for its non-client area again (WM_NCCALCSIZE).
inline constexpr UINT SWP_FRAMECHANGED = 0x20;

struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0, y = 0, cx = 0, cy = 0;
  UINT flags = 0;
};

// WM_NCCALCSIZE's record: rgrc[0] comes in as the window rectangle (parent
// client coordinates) and goes back as the client rectangle.
struct NCCALCSIZE_PARAMS {
  RECT rgrc[3];
  WINDOWPOS* lppos;
};

// Regions are not kept: a region argument is accepted and not used.
using HRGN = struct HRGN__*;

// Drawing in a non-client area.
enum : UINT {
  DFC_CAPTION = 1,
  DFCS_CAPTIONCLOSE = 0x0,
  DFCS_CAPTIONMIN = 0x1,
  DFCS_CAPTIONMAX = 0x2,
  DFCS_CAPTIONRESTORE = 0x3,
  DFCS_PUSHED = 0x200
};
enum : DWORD {
  DCX_WINDOW = 0x1,
  DCX_CACHE = 0x2,
  DCX_CLIPCHILDREN = 0x8,
  DCX_CLIPSIBLINGS = 0x10,
  DCX_LOCKWINDOWUPDATE = 0x400
};
// A caption button (close, minimise, maximise, restore) as the desktop draws it.
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);
// A DC of the whole window (DCX_WINDOW) or of its client; the region is not used.
HDC GetDCEx(HWND window, HRGN clip, DWORD flags);
// Repaints the window (and its children), at once with RDW_UPDATENOW.
BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
// The 50% grey checkerboard brush drag outlines are inverted with.
HBRUSH GetHalftoneBrush();

// The window's system menu (restore, move, size, minimise, maximise, close),
// made on first use and kept until the window goes; null for windows without
// WS_SYSMENU. `revert` drops a changed copy and answers null, as the platform
// does. The desktop shows its own window menu: this one is for the program
// to read and colour.
HMENU GetSystemMenu(HWND window, BOOL revert);

namespace nc_detail {
// The non-client widths around the client (zero for most windows).
QMargins Insets(HWND window);
// Asks the window for its client rectangle (WM_NCCALCSIZE) and keeps the answer.
void Recalc(HWND window);
// Routes a mouse event at `widgetPoint` (widget coordinates): true when it
// fell in the non-client area and went out as NC messages; `msg` is the client
// message it would have been (WM_MOUSEMOVE, WM_LBUTTONDOWN...), `dbl` a second press.
bool RouteMouse(HWND window, UINT msg, bool dbl, QPoint widgetPoint, QPoint screenPoint);
// The platform's answer to WM_NCHITTEST: HTCLIENT inside the client, else HTBORDER.
LRESULT DefaultHitTest(HWND window, LPARAM screenPoint);
}  // namespace nc_detail
