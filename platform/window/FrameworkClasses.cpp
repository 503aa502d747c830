#include "platform/window/FrameworkClasses.h"

#include "platform/window/DispatchGuard.h"
#include "platform/window/Gdi.h"
#include "platform/window/StandardControls.h"
#include "platform/window/WindowWidget.h"
#include "platform/window/Wnd.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <cstdio>
#include <map>
#include <string>

namespace {
LRESULT PlainProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return DefWindowProc(h, msg, w, l); }

QWidget* MakeMdiClient(HWND h, QWidget* parent) {
  auto* area = new QMdiArea(parent);
  area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  auto* last = new QPointer<QWidget>();
  QObject::connect(area, &QObject::destroyed, [last] { delete last; });
  // Activation moves reach both children as WM_MDIACTIVATE(deactivated, activated).
  QObject::connect(area, &QMdiArea::subWindowActivated, [last](QMdiSubWindow* sub) {
    HWND activated = sub ? HandleOf(sub->widget()) : nullptr;
    HWND deactivated = HandleOf(last->data());
    if (activated == deactivated) return;
    *last = sub ? sub->widget() : nullptr;
    DispatchGuard::RunGuarded([&] {
      auto w = reinterpret_cast<WPARAM>(deactivated);
      auto l = reinterpret_cast<LPARAM>(activated);
      if (deactivated) SendMessage(deactivated, WM_MDIACTIVATE, w, l);
      if (activated) SendMessage(activated, WM_MDIACTIVATE, w, l);
    });
  });
  (void)h;
  return area;
}

QWidget* MakeMdiChild(HWND h, QWidget* parent) {
  auto* widget = new WindowWidget(h, nullptr);
  if (auto* area = dynamic_cast<QMdiArea*>(parent)) {
    QMdiSubWindow* sub = area->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->show();
  }
  return widget;
}

void Register(const char* name, WidgetFactory factory, HBRUSH background) {
  WNDCLASS wc;
  wc.lpfnWndProc = PlainProc;
  wc.lpszClassName = name;
  wc.hbrBackground = background;
  wc.style = CS_DBLCLKS;
  RegisterClassWithFactory(&wc, factory);
}
}  // namespace

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
  static std::map<std::string, std::string> names;  // keeps the names alive
  char key[128];
  std::snprintf(key, sizeof key, "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                static_cast<void*>(background), static_cast<void*>(icon));
  auto [it, added] = names.emplace(key, key);
  if (added) {
    WNDCLASS wc;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = it->second.c_str();
    wc.hbrBackground = background;
    wc.style = classStyle;
    RegisterClassWithFactory(&wc, nullptr);
  }
  return it->second.c_str();
}

void RegisterFrameworkClasses() {
  static const bool done = [] {
    Register("AfxFrame", nullptr, GetSysColorBrush(COLOR_BTNFACE));
    Register("AfxView", nullptr, GetSysColorBrush(COLOR_WINDOW));
    Register("AfxWnd", nullptr, nullptr);
    Register("AfxControlBar", nullptr, GetSysColorBrush(COLOR_BTNFACE));
    Register("MDIClient", MakeMdiClient, nullptr);
    Register("AfxMDIChild", MakeMdiChild, GetSysColorBrush(COLOR_BTNFACE));
    return true;
  }();
  (void)done;
}

QWidget* OuterWidget(QWidget* widget) {
  if (!widget) return nullptr;
  if (auto* sub = dynamic_cast<QMdiSubWindow*>(widget->parentWidget())) return sub;
  return widget;
}
