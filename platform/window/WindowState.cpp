// Relations, geometry, visibility, focus and text of windows.
#include "platform/window/EventBridge.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Gdi.h"
#include "platform/window/NonClient.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowRecord.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QStyle>
#include <cstring>

using window_detail::Live;

QWidget* WidgetOf(HWND hWnd) {
  HWND h = Live(hWnd);
  return h ? h->widget.data() : nullptr;
}

HWND HandleOf(const QWidget* widget) {
  for (const QObject* o = widget; o; o = o->parent()) {
    if (HWND h = EventBridge::WindowOfObject(o)) return h;
  }
  return nullptr;
}

HWND GetParent(HWND hWnd) {
  HWND h = Live(hWnd);
  return h ? h->parent : nullptr;
}

HWND GetDlgItem(HWND dialog, int id) {
  HWND d = Live(dialog);
  if (!d) return nullptr;
  for (HWND child : d->children)
    if (child->id == id) return child;
  return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
  HWND h = Live(hWnd);
  return h ? static_cast<int>(h->id) : 0;
}

HWND GetWindow(HWND hWnd, UINT relation) {
  HWND h = Live(hWnd);
  if (!h) return nullptr;
  if (relation == GW_CHILD) return h->children.empty() ? nullptr : h->children.front();
  if (relation == GW_HWNDNEXT && h->parent) {
    auto& siblings = h->parent->children;
    auto it = std::find(siblings.begin(), siblings.end(), h);
    if (it != siblings.end() && ++it != siblings.end()) return *it;
  }
  return nullptr;
}

HWND GetFocus() { return HandleOf(QApplication::focusWidget()); }

HWND SetFocus(HWND hWnd) {
  HWND previous = GetFocus();
  if (QWidget* w = WidgetOf(hWnd)) {
    w->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
  }
  return previous;
}

HWND GetActiveWindow() { return HandleOf(QApplication::activeWindow()); }

BOOL ShowWindow(HWND hWnd, int cmd) {
  HWND h = Live(hWnd);
  if (!h || !h->widget) return FALSE;
  BOOL wasVisible = h->widget->isVisible() ? TRUE : FALSE;
  switch (cmd) {
    case SW_HIDE:
      h->widget->hide();
      h->style &= ~WS_VISIBLE;
      break;
    case SW_SHOWMAXIMIZED:
      // A maximised window covers its screen's work area. Qt only asks the
      // window manager for that, so on an X display without one the window
      // would keep its old size with its bars laid out past its edge.
      if (h->widget->isWindow())
        if (const QScreen* screen = h->widget->screen())
          h->widget->setGeometry(screen->availableGeometry());
      h->widget->showMaximized();
      h->style |= WS_VISIBLE;
      break;
    case SW_MINIMIZE: h->widget->showMinimized(); break;
    case SW_RESTORE:
      h->widget->showNormal();
      h->style |= WS_VISIBLE;
      break;
    default:
      h->widget->show();
      h->style |= WS_VISIBLE;
      break;
  }
  return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
  QWidget* w = WidgetOf(hWnd);
  return w && w->isVisible() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hWnd, BOOL enable) {
  HWND h = Live(hWnd);
  if (!h || !h->widget) return FALSE;
  BOOL wasDisabled = h->widget->isEnabled() ? FALSE : TRUE;
  h->widget->setEnabled(enable != FALSE);
  if (enable)
    h->style &= ~WS_DISABLED;
  else
    h->style |= WS_DISABLED;
  SendMessage(h, WM_ENABLE, enable, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
  QWidget* w = WidgetOf(hWnd);
  return w && w->isEnabled() ? TRUE : FALSE;
}

namespace {
// A child's position is in its parent's client coordinates.
QPoint ParentClientOrigin(HWND hWnd) {
  HWND parent = (GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) ? GetParent(hWnd) : nullptr;
  QMargins in = parent ? nc_detail::Insets(parent) : QMargins();
  return QPoint(in.left(), in.top());
}
// WM_WINDOWPOSCHANGED after a move or size, flagged with what did not change.
void PositionChanged(HWND hWnd, QWidget* widget, const QRect& before, UINT flags) {
  if (!IsWindow(hWnd)) return;
  const QPoint origin = ParentClientOrigin(hWnd);
  if (widget->size() == before.size()) flags |= SWP_NOSIZE;
  if (widget->pos() == before.topLeft()) flags |= SWP_NOMOVE;
  WINDOWPOS pos{hWnd,
                nullptr,
                widget->x() - origin.x(),
                widget->y() - origin.y(),
                widget->width(),
                widget->height(),
                flags};
  SendMessage(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}
}  // namespace

BOOL MoveWindow(HWND hWnd, int x, int y, int w, int h, BOOL) {
  QWidget* widget = OuterWidget(WidgetOf(hWnd));
  if (!widget) return FALSE;
  QPoint origin = ParentClientOrigin(hWnd);
  const QRect before = widget->geometry();
  widget->setGeometry(x + origin.x(), y + origin.y(), std::max(w, 0), std::max(h, 0));
  PositionChanged(hWnd, widget, before, 0);
  return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND, int x, int y, int w, int h, UINT flags) {
  QWidget* widget = OuterWidget(WidgetOf(hWnd));
  if (!widget) return FALSE;
  const QRect before = widget->geometry();
  if (!(flags & SWP_NOMOVE)) widget->move(QPoint(x, y) + ParentClientOrigin(hWnd));
  if (!(flags & SWP_NOSIZE)) widget->resize(std::max(w, 0), std::max(h, 0));
  if (flags & SWP_FRAMECHANGED) nc_detail::Recalc(hWnd);
  PositionChanged(hWnd, widget, before, flags & (SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED));
  if (flags & SWP_SHOWWINDOW) ShowWindow(hWnd, SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(hWnd, SW_HIDE);
  return TRUE;
}

BOOL GetClientRect(HWND hWnd, RECT* rect) {
  QWidget* w = WidgetOf(hWnd);
  if (!w || !rect) return FALSE;
  int right = 0, bottom = 0;
  scroll_detail::ClientInset(hWnd, &right, &bottom);
  QMargins in = nc_detail::Insets(hWnd);
  *rect = RECT{0, 0, std::max(0, w->width() - right - in.left() - in.right()),
               std::max(0, w->height() - bottom - in.top() - in.bottom())};
  return TRUE;
}

BOOL GetWindowRect(HWND hWnd, RECT* rect) {
  QWidget* w = WidgetOf(hWnd);
  if (!w || !rect) return FALSE;
  QPoint origin = w->mapToGlobal(QPoint(0, 0));
  *rect = RECT{origin.x(), origin.y(), origin.x() + w->width(), origin.y() + w->height()};
  return TRUE;
}

BOOL ScreenToClient(HWND hWnd, POINT* pt) {
  QWidget* w = WidgetOf(hWnd);
  if (!w || !pt) return FALSE;
  QPoint p = w->mapFromGlobal(QPoint(pt->x, pt->y));
  QMargins in = nc_detail::Insets(hWnd);
  *pt = POINT{p.x() - in.left(), p.y() - in.top()};
  return TRUE;
}

BOOL ClientToScreen(HWND hWnd, POINT* pt) {
  QWidget* w = WidgetOf(hWnd);
  if (!w || !pt) return FALSE;
  QMargins in = nc_detail::Insets(hWnd);
  QPoint p = w->mapToGlobal(QPoint(pt->x + in.left(), pt->y + in.top()));
  *pt = POINT{p.x(), p.y()};
  return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT* rect, BOOL) {
  QWidget* w = WidgetOf(hWnd);
  if (!w) return FALSE;
  gdi_detail::ClearOverlay(hWnd);  // the repaint replaces what was drawn outside painting
  if (rect)
    w->update(QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
  else
    w->update();
  return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
  QWidget* w = WidgetOf(hWnd);
  if (!w) return FALSE;
  w->repaint();
  return TRUE;
}

BOOL SetWindowText(HWND hWnd, LPCSTR text) {
  return SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                      : FALSE;
}

int GetWindowTextLength(HWND hWnd) {
  return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowText(HWND hWnd, LPSTR buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                      reinterpret_cast<LPARAM>(buffer)));
}

std::string GetWindowTextString(HWND hWnd) {
  std::string text(static_cast<size_t>(GetWindowTextLength(hWnd)) + 1, '\0');
  int n = GetWindowText(hWnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(n, 0)));
  return text;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
  return SetWindowText(GetDlgItem(dialog, id), text);
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int maxCount) {
  return static_cast<UINT>(GetWindowText(GetDlgItem(dialog, id), buffer, maxCount));
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  SendMessage(GetDlgItem(dialog, id), BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  return static_cast<UINT>(SendMessage(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessage(GetDlgItem(dialog, id), msg, wParam, lParam);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
  HWND h = track ? Live(track->hwndTrack) : nullptr;
  if (!h) return FALSE;
  // Leave notifications are supported; hover notifications are accepted
  // and not sent, as nothing acts on them.
  if (track->dwFlags & TME_LEAVE) h->trackLeave = !(track->dwFlags & TME_CANCEL);
  return TRUE;
}

namespace {
HWND& Captured() {
  static HWND captured = nullptr;
  return captured;
}
}  // namespace

HWND SetCapture(HWND hWnd) {
  HWND previous = Live(Captured());
  Captured() = Live(hWnd);
  if (QWidget* w = WidgetOf(hWnd)) w->grabMouse();
  // The window losing the capture to another one is told who took it.
  if (previous && previous != Captured())
    SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Captured()));
  return previous;
}

BOOL ReleaseCapture() {
  if (QWidget* w = WidgetOf(Captured())) w->releaseMouse();
  HWND previous = Live(Captured());
  Captured() = nullptr;
  if (previous) SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return Live(Captured()); }

SHORT GetKeyState(int vk) {
  Qt::KeyboardModifiers mods = EventBridge::CurrentModifiers();
  bool down = (vk == VK_SHIFT && (mods & Qt::ShiftModifier)) ||
              (vk == VK_CONTROL && (mods & Qt::ControlModifier));
  return down ? static_cast<SHORT>(0x8000) : 0;
}

UINT GetDoubleClickTime() { return static_cast<UINT>(QApplication::doubleClickInterval()); }

int GetSystemMetrics(int index) {
  QStyle* style = QApplication::style();
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHTHUMB:
    case SM_CYVTHUMB: return style ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 17;
    case SM_CYCAPTION: return 23;
    case SM_CYSMCAPTION: return 16;  // the small caption of tool windows
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;  // a sizing border
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXSCREEN: return 1920;
    case SM_CYSCREEN: return 1080;
    default: return 0;
  }
}
