#include "platform/window/EventBridge.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/Gdi.h"
#include "platform/window/KeyCodes.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowRecord.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <set>
#include <vector>

namespace EventBridge {
namespace {
// One Qt event on its way down a procedure chain.
struct Delivery {
  HWND window;
  QObject* receiver;
  QEvent* event;
  bool delivered = false;
  bool charFollows = false;  // a key press whose WM_CHAR carries the native action
};

enum class Group { None, Mouse, Key, Paint, Focus, Size, Show };

Group GroupOfMessage(UINT msg) {
  if (msg >= WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL) return Group::Mouse;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: return Group::Key;
    case WM_PAINT: return Group::Paint;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return Group::Focus;
    case WM_SIZE:
    case WM_MOVE: return Group::Size;
    case WM_SHOWWINDOW: return Group::Show;
    default: return Group::None;
  }
}

struct State {
  QHash<const QObject*, HWND> windows;
  std::vector<Delivery*> active;
  std::vector<QEvent*> native;  // events being handed to their widgets
  std::vector<std::function<bool(MSG&)>> preTranslate;
  std::set<HWND> held;
  Qt::KeyboardModifiers modifiers;
  HWND cursorTarget = nullptr;
};
State& S() {
  static win_detail::NeverDestroyed<State> state;
  return *state;
}

WPARAM KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  WPARAM flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (mods & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

UINT ButtonMessage(QEvent::Type type, Qt::MouseButton button, HWND h) {
  const int base = button == Qt::RightButton    ? WM_RBUTTONDOWN
                   : button == Qt::MiddleButton ? WM_MBUTTONDOWN
                                                : WM_LBUTTONDOWN;
  switch (type) {
    case QEvent::MouseButtonPress: return base;
    case QEvent::MouseButtonRelease: return base + 1;
    default:  // Qt's double click is the second press (widgets get no press before it):
              // a double click only for classes that ask for them
      return (h->windowClass->style & CS_DBLCLKS) ? base + 2 : base;
  }
}

bool FocusCounts(const QFocusEvent& e) {
  // A box or popup taking the activation is no focus move inside the window.
  if (e.reason() == Qt::ActiveWindowFocusReason || e.reason() == Qt::PopupFocusReason) return false;
  // Nor is the focus going into an open popup, such as a combo box's
  // dropped-down list: on the platform the control keeps the focus.
  QWidget* popup = QApplication::activePopupWidget();
  QWidget* now = QApplication::focusWidget();
  return !(e.type() == QEvent::FocusOut && popup && now &&
           (now == popup || popup->isAncestorOf(now)));
}

// Sends one message for a Qt event; the event waits for the default procedure.
bool Run(Delivery& d, UINT msg, WPARAM w, LPARAM l) {
  S().active.push_back(&d);
  bool dispatched = DispatchFromLoop(MSG{d.window, msg, w, l, 0, {}});
  S().active.pop_back();
  return dispatched;
}

class Filter : public QObject {
 public:
  bool eventFilter(QObject* obj, QEvent* e) override {
    auto& s = S();
    for (QEvent* n : s.native)
      if (n == e) return false;
    HWND h = s.windows.value(obj, nullptr);
    if (!h || !IsWindow(h)) return false;
    QWidget* widget = h->widget.data();
    Delivery d{h, obj, e};
    if (auto* input = dynamic_cast<QInputEvent*>(e)) s.modifiers = input->modifiers();
    switch (e->type()) {
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        QPoint p = me->position().toPoint();
        if (obj != widget) p = static_cast<QWidget*>(obj)->mapTo(widget, p);
        UINT msg = e->type() == QEvent::MouseMove ? WM_MOUSEMOVE
                                                  : ButtonMessage(e->type(), me->button(), h);
        cursor_detail::NotePosition(me->globalPosition().toPoint().x(),
                                    me->globalPosition().toPoint().y());
        if (msg == WM_MOUSEMOVE) s.cursorTarget = h;  // a non-client WM_SETCURSOR settles it too
        bool routed = false;
        DispatchGuard::RunGuarded([&] {
          const UINT plain = e->type() == QEvent::MouseMove
                                 ? WM_MOUSEMOVE
                                 : ButtonMessage(e->type() == QEvent::MouseButtonDblClick
                                                     ? QEvent::MouseButtonPress
                                                     : e->type(),
                                                 me->button(), h);
          routed = nc_detail::RouteMouse(h, plain, e->type() == QEvent::MouseButtonDblClick, p,
                                         me->globalPosition().toPoint());
        });
        if (routed) {
          e->accept();
          return true;
        }
        p -= QPoint(nc_detail::Insets(h).left(), nc_detail::Insets(h).top());  // client coordinates
        if (msg == WM_MOUSEMOVE) {
          // The pointer is settled before the move is reported, as on the platform.
          s.cursorTarget = h;
          DispatchGuard::RunGuarded([&] {
            SendMessage(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h),
                        MAKELPARAM(1, static_cast<WORD>(WM_MOUSEMOVE)));
          });
          if (!IsWindow(h)) return true;
        }
        Run(d, msg, KeyFlags(me->buttons(), me->modifiers()),
            MAKELPARAM(static_cast<WORD>(p.x()), static_cast<WORD>(p.y())));
        e->accept();
        return true;
      }
      case QEvent::Wheel: {
        auto* we = static_cast<QWheelEvent*>(e);
        QPoint g = we->globalPosition().toPoint();
        Run(d, WM_MOUSEWHEEL,
            MAKEWPARAM(static_cast<WORD>(KeyFlags(we->buttons(), we->modifiers())),
                       static_cast<WORD>(static_cast<SHORT>(we->angleDelta().y()))),
            MAKELPARAM(static_cast<WORD>(g.x()), static_cast<WORD>(g.y())));
        e->accept();
        return true;
      }
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(e);
        int vk = KeyCodes::VirtualKeyOf(*ke);
        int ch = e->type() == QEvent::KeyPress ? KeyCodes::CharacterOf(*ke) : 0;
        d.charFollows = ch != 0;
        bool dispatched = Run(d, e->type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP,
                              static_cast<WPARAM>(vk), 1);
        if (dispatched && ch && IsWindow(h) && !d.delivered && d.charFollows) {
          d.charFollows = false;
          Run(d, WM_CHAR, static_cast<WPARAM>(ch), 1);
        }
        e->accept();
        return true;
      }
      case QEvent::Paint:
        if (obj == widget && !nc_detail::Insets(h).isNull()) {
          // The non-client area is painted inside this paint event: its
          // window DC draws on the widget, not on an overlay that would ask
          // for the next paint.
          Run(d, WM_NCPAINT, 1, 0);
          if (!IsWindow(h)) return true;
        }
        Run(d, WM_PAINT, 0, 0);
        if (obj == widget && IsWindow(h)) gdi_detail::PaintOverlay(h, widget);
        return true;
      case QEvent::FocusIn:
      case QEvent::FocusOut: {
        if (!FocusCounts(*static_cast<QFocusEvent*>(e))) return false;
        HWND other =
            e->type() == QEvent::FocusOut ? HandleOf(QApplication::focusWidget()) : nullptr;
        Run(d, e->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS,
            reinterpret_cast<WPARAM>(other), 0);
        return true;
      }
      case QEvent::Resize: {
        if (obj != widget) return false;
        DispatchGuard::RunGuarded([&] { nc_detail::Recalc(h); });
        if (!IsWindow(h)) return true;
        RECT client;
        GetClientRect(h, &client);
        Run(d, WM_SIZE, widget->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED,
            MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
        return true;
      }
      case QEvent::Move:
        if (obj != widget) return false;
        Run(d, WM_MOVE, 0,
            MAKELPARAM(static_cast<WORD>(widget->x()), static_cast<WORD>(widget->y())));
        return true;
      case QEvent::Show:
      case QEvent::Hide:
        if (obj != widget) return false;
        Run(d, WM_SHOWWINDOW, e->type() == QEvent::Show, 0);
        return true;
      case QEvent::Close:
        // The close box is the system close command; its default sends WM_CLOSE.
        Run(d, WM_SYSCOMMAND, SC_CLOSE, 0);
        e->ignore();  // the procedure decides; the default destroys the window
        return true;
      case QEvent::Leave:
        if (h->trackLeave) {
          h->trackLeave = false;
          Run(d, WM_MOUSELEAVE, 0, 0);
        }
        return false;
      default: return false;
    }
  }
};

Filter& TheFilter() {
  static win_detail::NeverDestroyed<Filter> filter;
  return *filter;
}
}  // namespace

void Attach(HWND window, QWidget* widget) {
  AttachPart(window, widget);
  // Received by the filter, so detaching drops this connection and no one else's.
  QObject::connect(widget, &QObject::destroyed, &TheFilter(),
                   [window] { window_detail::ForgetWidget(window); });
}

void AttachPart(HWND window, QWidget* part) {
  S().windows.insert(part, window);
  part->installEventFilter(&TheFilter());
  part->setMouseTracking(true);
}

void Detach(HWND window) {
  auto& windows = S().windows;
  for (auto it = windows.begin(); it != windows.end();) {
    if (it.value() == window) {
      const_cast<QObject*>(it.key())->removeEventFilter(&TheFilter());
      if (it.key() == window->widget.data())
        QObject::disconnect(window->widget.data(), &QObject::destroyed, &TheFilter(), nullptr);
      it = windows.erase(it);
    } else {
      ++it;
    }
  }
  S().held.erase(window);
}

HWND WindowOfObject(const QObject* object) { return S().windows.value(object, nullptr); }

bool DeliverNative(HWND window, UINT msg, LRESULT* result) {
  Group group = GroupOfMessage(msg);
  if (group == Group::None) return false;
  auto& s = S();
  for (auto it = s.active.rbegin(); it != s.active.rend(); ++it) {
    Delivery& d = **it;
    if (d.window != window || d.delivered) continue;
    QEvent::Type t = d.event->type();
    Group eventGroup = t == QEvent::Paint                                   ? Group::Paint
                       : (t == QEvent::KeyPress || t == QEvent::KeyRelease) ? Group::Key
                       : (t == QEvent::FocusIn || t == QEvent::FocusOut)    ? Group::Focus
                       : (t == QEvent::Resize || t == QEvent::Move)         ? Group::Size
                       : (t == QEvent::Show || t == QEvent::Hide)           ? Group::Show
                                                                            : Group::Mouse;
    if (eventGroup != group) continue;
    if (msg == WM_KEYDOWN && d.charFollows) {
      *result = 0;  // the typed character does the native work
      return true;
    }
    d.delivered = true;
    s.native.push_back(d.event);
    QCoreApplication::sendEvent(d.receiver, d.event);
    s.native.pop_back();
    *result = 0;
    return true;
  }
  return false;
}

const QPaintEvent* CurrentPaint(HWND window) {
  for (auto it = S().active.rbegin(); it != S().active.rend(); ++it)
    if ((*it)->window == window && (*it)->event->type() == QEvent::Paint)
      return static_cast<QPaintEvent*>((*it)->event);
  return nullptr;
}

bool DispatchFromLoop(const MSG& original) {
  bool dispatched = false;
  DispatchGuard::RunGuarded([&] {
    MSG msg = original;
    bool input = (msg.message >= WM_KEYDOWN && msg.message <= WM_CHAR) ||
                 (msg.message >= WM_MOUSEMOVE && msg.message <= WM_MOUSEWHEEL);
    if (input) {
      for (auto& filter : S().preTranslate)
        if (filter(msg)) return;
    }
    dispatched = true;
    SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  });
  return dispatched;
}

void AddPreTranslateFilter(std::function<bool(MSG&)> filter, bool first) {
  auto& filters = S().preTranslate;
  filters.insert(first ? filters.begin() : filters.end(), std::move(filter));
}

void NotifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (!parent || S().held.count(parent)) return;
  DispatchGuard::RunGuarded([&] {
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
                reinterpret_cast<LPARAM>(control));
  });
}

bool NotificationsHeld(HWND parent) { return S().held.count(parent) != 0; }

void SetNotificationsHeld(HWND parent, bool held) {
  if (!parent) return;
  if (held)
    S().held.insert(parent);
  else
    S().held.erase(parent);
}

HWND CursorTarget() { return IsWindow(S().cursorTarget) ? S().cursorTarget : nullptr; }

Qt::KeyboardModifiers CurrentModifiers() {
  return S().modifiers | QApplication::keyboardModifiers();
}

void StyleChanged(HWND window) {
  if (QWidget* w = WidgetOf(window)) w->update();
}
}  // namespace EventBridge
