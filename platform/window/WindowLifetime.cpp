// Creating and destroying windows: the record, its widget, the creation hook,
// and the creation and destruction messages in the platform's order.
#include "platform/win/NeverDestroyed.h"
#include "platform/window/EventBridge.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Gdi.h"
#include "platform/window/HookChain.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/StandardControls.h"
#include "platform/window/WindowRecord.h"
#include "platform/window/WindowWidget.h"

#include <QApplication>
#include <algorithm>
#include <memory>
#include <set>

namespace {
std::set<HWND>& LiveWindows() {
  static win_detail::NeverDestroyed<std::set<HWND>> live;
  return *live;
}
}  // namespace

namespace window_detail {
HWND Live(HWND hWnd) { return hWnd && LiveWindows().count(hWnd) ? hWnd : nullptr; }
}  // namespace window_detail

BOOL IsWindow(HWND hWnd) { return window_detail::Live(hWnd) ? TRUE : FALSE; }

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param) {
  RegisterStandardControls();
  WindowClassRecord* cls = className ? window_detail::FindClass(className) : nullptr;
  if (!cls) {
    SetLastError(1407);  // the platform's "class does not exist"
    return nullptr;
  }
  parent = window_detail::Live(parent);
  auto record = std::make_unique<HWND__>();
  HWND h = record.get();
  h->windowClass = cls;
  h->proc = cls->proc;
  h->style = style;
  h->exStyle = exStyle;
  h->parent = parent;
  if (style & WS_CHILD)
    h->id = reinterpret_cast<LONG_PTR>(menuOrId);
  else
    h->menu = menuOrId;

  LiveWindows().insert(record.release());  // factories read the style through the handle
  QWidget* parentWidget = parent ? parent->widget.data() : nullptr;
  QWidget* widget = cls->factory ? cls->factory(h, (style & WS_CHILD) ? parentWidget : nullptr)
                                 : new WindowWidget(h, (style & WS_CHILD) ? parentWidget : nullptr);
  if (!(style & WS_CHILD) && parentWidget) {
    // Owned top-level windows stay above their owner and go with it.
    widget->setParent(parentWidget, widget->windowFlags() | Qt::Window);
  }
  h->widget = widget;
  OuterWidget(widget)->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
  if (windowName && !(style & WS_CHILD)) widget->setWindowTitle(QString::fromUtf8(windowName));
  if (parent) parent->children.push_back(h);
  EventBridge::Attach(h, widget);

  CREATESTRUCT cs;
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menuOrId;
  cs.hwndParent = parent;
  cs.x = x, cs.y = y, cs.cx = width, cs.cy = height;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  CBT_CREATEWND cbt{&cs, nullptr};
  if (HookChain::CallCbt(HCBT_CREATEWND, reinterpret_cast<WPARAM>(h),
                         reinterpret_cast<LPARAM>(&cbt))) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!SendMessage(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    DestroyWindow(h);
    return nullptr;
  }
  if (windowName && *windowName && (style & WS_CHILD) && IsWindow(h)) {
    // The text a window is created with is no change its parent hears of.
    bool held = EventBridge::NotificationsHeld(parent);
    EventBridge::SetNotificationsHeld(parent, true);
    SetWindowText(h, windowName);
    EventBridge::SetNotificationsHeld(parent, held);
  }
  if (!IsWindow(h) || SendMessage(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!IsWindow(h)) return nullptr;
  if (style & WS_DISABLED) h->widget->setEnabled(false);
  if (dynamic_cast<WindowWidget*>(
          h->widget.data())) {  // controls give these styles their own meaning
    if (style & WS_VSCROLL) ShowScrollBar(h, SB_VERT, TRUE);
    if (style & WS_HSCROLL) ShowScrollBar(h, SB_HORZ, TRUE);
  }
  if (style & WS_VISIBLE)
    ShowWindow(h, SW_SHOW);
  else if ((h->style & (WS_CHILD | WS_VISIBLE)) == WS_CHILD)
    h->widget->hide();  // stays hidden when its parent is shown, as the platform's child does
  return h;
}

namespace {
void CollectSubtree(HWND h, std::vector<HWND>& out) {
  out.push_back(h);
  for (HWND child : h->children) CollectSubtree(child, out);
}
}  // namespace

BOOL DestroyWindow(HWND hWnd) {
  HWND h = window_detail::Live(hWnd);
  if (!h || h->destroying) return FALSE;
  std::vector<HWND> subtree;
  CollectSubtree(h, subtree);
  for (HWND w : subtree) w->destroying = true;
  for (HWND w : subtree) HookChain::CallCbt(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(w), 0);
  // The platform tells the parent first, then its children.
  for (HWND w : subtree) SendMessage(w, WM_DESTROY, 0, 0);
  if (h->parent) {
    auto& siblings = h->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
  }
  QWidget* widget = h->widget.data();
  for (HWND w : subtree) EventBridge::Detach(w);
  // The last message a window receives; records go after the widget.
  for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) SendMessage(*it, WM_NCDESTROY, 0, 0);
  for (HWND w : subtree) {
    LiveWindows().erase(w);
    gdi_detail::ClearOverlay(w);
  }
  if (widget) {
    QWidget* outer = OuterWidget(widget);  // an MDI child goes with its sub-window
    outer->hide();
    outer->deleteLater();
  }
  for (HWND w : subtree) delete w;
  return TRUE;
}

namespace window_detail {
// The widget went away under us (Qt deleted it with its parent widget).
void ForgetWidget(HWND hWnd) {
  if (HWND h = Live(hWnd); h && !h->destroying) DestroyWindow(h);
}
}  // namespace window_detail
