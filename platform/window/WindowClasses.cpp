// The window-class registry: a class names a procedure, a background brush
// and the factory of its Qt widget.
#include "platform/window/WindowRecord.h"

#include "platform/win/NeverDestroyed.h"

#include <memory>

namespace {
std::map<std::string, std::unique_ptr<WindowClassRecord>>& Classes() {
  static win_detail::NeverDestroyed<std::map<std::string, std::unique_ptr<WindowClassRecord>>>
      classes;
  return *classes;
}
}  // namespace

namespace window_detail {
WindowClassRecord* FindClass(const std::string& name) {
  auto it = Classes().find(name);
  return it == Classes().end() ? nullptr : it->second.get();
}
}  // namespace window_detail

ATOM RegisterClassWithFactory(const WNDCLASS* wc, WidgetFactory factory) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
  auto& slot = Classes()[wc->lpszClassName];
  if (slot) return 0;  // already registered, as the platform refuses a second class
  slot = std::make_unique<WindowClassRecord>(
      WindowClassRecord{wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->hbrBackground, factory});
  return static_cast<ATOM>(Classes().size());
}

ATOM RegisterClass(const WNDCLASS* wc) { return RegisterClassWithFactory(wc, nullptr); }

bool IsClassRegistered(LPCSTR className) {
  return className && window_detail::FindClass(className);
}

std::string GetClassNameString(HWND hWnd) {
  HWND w = window_detail::Live(hWnd);
  return w ? w->windowClass->name : std::string();
}

int GetClassName(HWND hWnd, LPSTR buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  std::string name = GetClassNameString(hWnd).substr(0, static_cast<size_t>(maxCount - 1));
  name.copy(buffer, name.size());
  buffer[name.size()] = '\0';
  return static_cast<int>(name.size());
}

ULONG_PTR GetClassLongPtr(HWND hWnd, int index) {
  HWND w = window_detail::Live(hWnd);
  if (!w) return 0;
  if (index == GCLP_HBRBACKGROUND) return reinterpret_cast<ULONG_PTR>(w->windowClass->background);
  if (index == GCL_STYLE) return w->windowClass->style;
  return 0;
}

ULONG_PTR SetClassLongPtr(HWND hWnd, int index, LONG_PTR value) {
  HWND w = window_detail::Live(hWnd);
  if (!w) return 0;
  ULONG_PTR old = GetClassLongPtr(hWnd, index);
  if (index == GCLP_HBRBACKGROUND)
    w->windowClass->background = reinterpret_cast<HBRUSH>(value);
  else if (index == GCL_STYLE)
    w->windowClass->style = static_cast<UINT>(value);
  return old;
}

BOOL SetClassBackground(LPCSTR className, HBRUSH brush) {
  WindowClassRecord* cls = className ? window_detail::FindClass(className) : nullptr;
  if (!cls) return FALSE;
  cls->background = brush;
  return TRUE;
}
