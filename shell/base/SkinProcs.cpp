// The skin's window procedures: backgrounds and owner-drawn buttons for
// ordinary windows, hover tracking of buttons and combo boxes, the combo
// box's frame, the status bar's and size grip's colour.
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowApi.h"
#include "shell/base/SkinPainters.h"
#include "shell/base/WindowSkin.h"

#include <QPaintEvent>

namespace {
// Passes a message on; the record goes after the window's last message.
LRESULT Previous(SkinData* data, HWND h, UINT msg, WPARAM w, LPARAM l) {
  WNDPROC previous = data->previous;
  if (msg == WM_NCDESTROY) SkinForget(h);
  return previous ? CallWindowProc(previous, h, msg, w, l) : DefWindowProc(h, msg, w, l);
}

void TrackLeave(HWND h, DWORD flags) {
  TRACKMOUSEEVENT track;
  track.dwFlags = flags;
  track.hwndTrack = h;
  track.dwHoverTime = HOVER_DEFAULT;
  TrackMouseEvent(&track);
}

// Plain and default push buttons become owner-drawn: their painter draws them.
void OwnerDrawPushButtons(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetClassNameString(child) != "Button") continue;
    auto style = static_cast<DWORD>(GetWindowLongPtr(child, GWL_STYLE));
    if ((style & 0xFFFF) == BS_PUSHBUTTON || (style & 0xFFFF) == BS_DEFPUSHBUTTON)
      SetWindowLongPtr(child, GWL_STYLE, static_cast<LONG_PTR>(style | BS_OWNERDRAW));
  }
}
}  // namespace

LRESULT SkinWindowProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  SkinData* data = SkinDataOf(h);
  if (!data) return SkinPassOn(h, msg, w, l);
  switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR: return reinterpret_cast<LRESULT>(g_SkinBrush);
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      return reinterpret_cast<LRESULT>(g_SkinBrush);
    case WM_CREATE:
      SkinClassBackground(h);
      if (HMENU system = GetSystemMenu(h, FALSE)) SetMenuBackgroundColor(system, kSkinColor, true);
      break;
    case WM_SHOWWINDOW:
      if (HMENU menu = GetMenu(h)) SetMenuBackgroundColor(menu, kSkinColor, true);
      OwnerDrawPushButtons(h);
      break;
    case WM_DRAWITEM: {
      const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      SkinData* child = dis ? SkinDataOf(dis->hwndItem) : nullptr;
      std::string childClass = dis ? GetClassNameString(dis->hwndItem) : std::string();
      if (child && child->button && childClass == "Button")
        child->button->Draw(*dis);
      else if (child && child->header && childClass == "SysHeader32")
        child->header->Draw(*dis);
      break;
    }
    default: break;
  }
  return Previous(data, h, msg, w, l);
}

LRESULT SkinButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  SkinData* data = SkinDataOf(h);
  if (!data) return SkinPassOn(h, msg, w, l);
  if (msg == WM_LBUTTONDBLCLK) msg = WM_LBUTTONDOWN;  // a second click presses the button again
  switch (msg) {
    case WM_MOUSEMOVE:
      if (data->button && !data->button->hover) {
        TrackLeave(h, TME_HOVER | TME_LEAVE);
        data->button->hover = 1;
        InvalidateRect(h, nullptr, TRUE);
      }
      break;
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_SHOWWINDOW:
      if (data->button) data->button->hover = 0;
      InvalidateRect(h, nullptr, TRUE);
      break;
    default: break;
  }
  return Previous(data, h, msg, w, l);
}

LRESULT SkinComboProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  SkinData* data = SkinDataOf(h);
  if (!data) return SkinPassOn(h, msg, w, l);
  switch (msg) {
    case WM_PAINT: {
      LRESULT result = Previous(data, h, msg, w, l);
      if (data->combo) {
        HDC dc = GetWindowDC(h);
        data->combo->Draw(h, dc);
        ReleaseDC(h, dc);
      }
      return result;
    }
    case WM_MOUSEMOVE:
      if (data->combo && !data->combo->hover) {
        data->combo->hover = 1;
        InvalidateRect(h, nullptr, TRUE);
        TrackLeave(h, TME_LEAVE);
      }
      break;
    case WM_MOUSELEAVE:
      if (data->combo) data->combo->hover = 0;
      InvalidateRect(h, nullptr, TRUE);
      break;
    default: break;
  }
  return Previous(data, h, msg, w, l);
}

LRESULT SkinStatusBarProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  SkinData* data = SkinDataOf(h);
  if (!data) return SkinPassOn(h, msg, w, l);
  if (msg == WM_SHOWWINDOW) SendMessage(h, SB_SETBKCOLOR, 0, static_cast<LPARAM>(kSkinColor));
  return Previous(data, h, msg, w, l);
}

LRESULT SkinScrollBarProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  SkinData* data = SkinDataOf(h);
  if (!data) return SkinPassOn(h, msg, w, l);
  if (msg == WM_PAINT && (GetWindowLongPtr(h, GWL_STYLE) & SBS_SIZEGRIP)) {
    if (const QPaintEvent* paint = EventBridge::CurrentPaint(h)) {
      HDC dc = GetDC(h);
      RECT area = RectOf(paint->rect());
      FillRect(dc, &area, g_SkinBrush);
      ReleaseDC(h, dc);
    }
  }
  return Previous(data, h, msg, w, l);
}
