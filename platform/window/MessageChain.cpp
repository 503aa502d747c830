// Messages through a window's procedure chain: sending, posting, the
// default procedure, and the per-window data slots subclassing uses.
#include "platform/win/NeverDestroyed.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowRecord.h"

#include <QCoreApplication>
#include <QEvent>
#include <cstring>

LRESULT SendMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND h = window_detail::Live(hWnd);
  if (!h || !h->proc) return 0;
  return h->proc(h, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc || !window_detail::Live(hWnd)) return 0;
  return proc(hWnd, msg, wParam, lParam);
}

namespace {
class PostedMessage : public QEvent {
 public:
  static QEvent::Type Kind() {
    static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
  }
  PostedMessage(HWND h, UINT m, WPARAM w, LPARAM l) : QEvent(Kind()), msg{h, m, w, l, 0, {}} {}
  MSG msg;
};

class MessagePump : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != PostedMessage::Kind()) return QObject::event(e);
    const MSG& m = static_cast<PostedMessage*>(e)->msg;
    if (IsWindow(m.hwnd)) EventBridge::DispatchFromLoop(m);
    return true;
  }
};

MessagePump& Pump() {
  static win_detail::NeverDestroyed<MessagePump> pump;
  return *pump;
}
}  // namespace

BOOL PostMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(hWnd)) return FALSE;
  QCoreApplication::postEvent(&Pump(), new PostedMessage(hWnd, msg, wParam, lParam));
  return TRUE;
}

void PostQuitMessage(int exitCode) { QCoreApplication::exit(exitCode); }

LRESULT DefWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND h = window_detail::Live(hWnd);
  if (!h) return 0;
  if (LRESULT result = 0; EventBridge::DeliverNative(h, msg, &result)) return result;
  QWidget* w = h->widget.data();
  switch (msg) {
    case WM_NCCREATE: return TRUE;
    case WM_NCHITTEST: return nc_detail::DefaultHitTest(h, lParam);
    case WM_SETTEXT:
      if (w) w->setWindowTitle(QString::fromUtf8(reinterpret_cast<LPCSTR>(lParam)));
      return TRUE;
    case WM_GETTEXTLENGTH: return w ? static_cast<LRESULT>(w->windowTitle().toUtf8().size()) : 0;
    case WM_GETTEXT: {
      if (!w || wParam == 0 || !lParam) return 0;
      QByteArray text = w->windowTitle().toUtf8().left(static_cast<int>(wParam) - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), text.constData(),
                  static_cast<size_t>(text.size()) + 1);
      return text.size();
    }
    case WM_CLOSE: DestroyWindow(h); return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessage(h, WM_CLOSE, 0, 0); break;
        case SC_MAXIMIZE: ShowWindow(h, SW_SHOWMAXIMIZED); break;
        case SC_MINIMIZE: ShowWindow(h, SW_MINIMIZE); break;
        case SC_RESTORE: ShowWindow(h, SW_RESTORE); break;
        default: break;
      }
      return 0;
    case WM_SETCURSOR:
      // The parent may settle the pointer for its children; else the normal one.
      if (h->parent && (h->style & WS_CHILD) &&
          SendMessage(h->parent, WM_SETCURSOR, wParam, lParam))
        return TRUE;
      if (w && w->property("pelmoranCursorSet").toBool()) {
        w->unsetCursor();
        w->setProperty("pelmoranCursorSet", false);
      }
      return FALSE;
    case WM_ERASEBKGND: {
      HBRUSH brush = h->windowClass->background;
      if (!brush || !wParam) return 0;
      RECT rc;
      GetClientRect(h, &rc);
      FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
      return 1;
    }
    case WM_SETFONT:
      if (w && wParam) w->setFont(QFontOf(reinterpret_cast<HFONT>(wParam)));
      if (w) w->setProperty("pelmoranFont", QVariant::fromValue(static_cast<qulonglong>(wParam)));
      return 0;
    case WM_GETFONT: return w ? static_cast<LRESULT>(w->property("pelmoranFont").toULongLong()) : 0;
    default: return 0;
  }
}

LONG_PTR GetWindowLongPtr(HWND hWnd, int index) {
  HWND h = window_detail::Live(hWnd);
  if (!h) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(h->proc);
    case GWL_STYLE: return static_cast<LONG_PTR>(h->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(h->exStyle);
    case GWLP_ID: return h->id;
    case GWLP_USERDATA: return h->userData;
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(h->parent);
    case DWLP_MSGRESULT: return h->dialogResult;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtr(HWND hWnd, int index, LONG_PTR value) {
  HWND h = window_detail::Live(hWnd);
  if (!h) return 0;
  LONG_PTR old = GetWindowLongPtr(h, index);
  switch (index) {
    case GWLP_WNDPROC: h->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_STYLE:
      h->style = static_cast<DWORD>(value);
      EventBridge::StyleChanged(h);
      break;
    case GWL_EXSTYLE: h->exStyle = static_cast<DWORD>(value); break;
    case GWLP_ID: h->id = value; break;
    case GWLP_USERDATA: h->userData = value; break;
    case DWLP_MSGRESULT: h->dialogResult = value; break;
    default: break;
  }
  return old;
}

BOOL SetProp(HWND hWnd, LPCSTR name, HANDLE data) {
  HWND h = window_detail::Live(hWnd);
  if (!h || !name) return FALSE;
  h->properties[name] = data;
  return TRUE;
}

HANDLE GetProp(HWND hWnd, LPCSTR name) {
  HWND h = window_detail::Live(hWnd);
  if (!h || !name) return nullptr;
  auto it = h->properties.find(name);
  return it == h->properties.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND hWnd, LPCSTR name) {
  HWND h = window_detail::Live(hWnd);
  if (!h || !name) return nullptr;
  auto it = h->properties.find(name);
  if (it == h->properties.end()) return nullptr;
  HANDLE data = it->second;
  h->properties.erase(it);
  return data;
}
