#pragma once
// A window's non-client area: the part of its window rectangle outside its
// client rectangle, which the window itself sets by answering WM_NCCALCSIZE.
// Mouse input there arrives as WM_NCHITTEST and the NC mouse messages, and
// WM_NCPAINT paints it before the client's WM_PAINT. A window that answers
// WM_NCCALCSIZE with the whole rectangle (the default) has none.

#include "platform/window/Cursors.h"
#include "platform/window/WinUser.h"

#include <QMargins>
#include <QPoint>

enum : int { HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCAPTION = 2, HTSYSMENU = 3, HTSIZE = 4,
             HTMINBUTTON = 8, HTMAXBUTTON = 9, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13,
             HTTOPRIGHT = 14, HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18, HTCLOSE = 20 };
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
// Sends WM_NCPAINT when the window has a non-client area.
void Paint(HWND window);
}  // namespace nc_detail
