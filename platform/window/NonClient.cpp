#include "platform/window/NonClient.h"

#include "platform/window/WindowApi.h"

#include <QVariant>
#include <QWidget>

namespace {
// The insets live on the widget, so they go with it.
constexpr const char* kInsets = "pelmoranNcInsets";

UINT NcMessage(UINT clientMsg) {
  switch (clientMsg) {
    case WM_MOUSEMOVE: return WM_NCMOUSEMOVE;
    case WM_LBUTTONDOWN: return WM_NCLBUTTONDOWN;
    case WM_LBUTTONUP: return WM_NCLBUTTONUP;
    default: return 0;  // other buttons: nothing reacts to them in the non-client area
  }
}
}  // namespace

namespace nc_detail {
QMargins Insets(HWND window) {
  QWidget* w = WidgetOf(window);
  return w ? w->property(kInsets).value<QMargins>() : QMargins();
}

void Recalc(HWND window) {
  QWidget* w = WidgetOf(window);
  if (!w) return;
  WINDOWPOS pos{window, nullptr, w->x(), w->y(), w->width(), w->height(), SWP_FRAMECHANGED};
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = RECT{w->x(), w->y(), w->x() + w->width(), w->y() + w->height()};
  params.rgrc[1] = params.rgrc[0];
  params.rgrc[2] = params.rgrc[0];
  params.lppos = &pos;
  SendMessage(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  if (!IsWindow(window)) return;
  const RECT& c = params.rgrc[0];
  QMargins in(std::max(0, int(c.left - w->x())), std::max(0, int(c.top - w->y())),
              std::max(0, int(w->x() + w->width() - c.right)),
              std::max(0, int(w->y() + w->height() - c.bottom)));
  if (in != Insets(window)) {
    w->setProperty(kInsets, QVariant::fromValue(in));
    w->update();
  }
}

bool RouteMouse(HWND window, UINT msg, bool dbl, QPoint p, QPoint screen) {
  QMargins in = Insets(window);
  if (in.isNull() || GetCapture() == window) return false;
  QWidget* w = WidgetOf(window);
  if (!w || QRect(QPoint(0, 0), w->size()).marginsRemoved(in).contains(p)) return false;
  const LPARAM at = MAKELPARAM(static_cast<WORD>(screen.x()), static_cast<WORD>(screen.y()));
  const LRESULT hit = SendMessage(window, WM_NCHITTEST, 0, at);
  if (hit == HTCLIENT || !IsWindow(window)) return false;
  if (msg == WM_MOUSEMOVE)
    SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(WM_MOUSEMOVE)));
  // A second press in the non-client area is a double click whatever the class asks.
  const UINT nc = dbl && msg == WM_LBUTTONDOWN ? WM_NCLBUTTONDBLCLK : NcMessage(msg);
  if (nc && IsWindow(window)) SendMessage(window, nc, static_cast<WPARAM>(hit), at);
  return true;
}

LRESULT DefaultHitTest(HWND window, LPARAM screenPoint) {
  QWidget* w = WidgetOf(window);
  if (!w) return HTNOWHERE;
  QPoint p = w->mapFromGlobal(QPoint(GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)));
  if (!w->rect().contains(p)) return HTNOWHERE;
  return w->rect().marginsRemoved(Insets(window)).contains(p) ? LRESULT{HTCLIENT}
                                                              : LRESULT{HTBORDER};
}
}  // namespace nc_detail
