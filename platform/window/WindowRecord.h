#pragma once
// This file is not part of the window layer's interface: it is the record a
// window handle points to, shared by the layer's own sources.

#include "platform/window/WindowSide.h"

#include "platform/window/WindowApi.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

struct WindowClassRecord {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HBRUSH background = nullptr;
  WidgetFactory factory = nullptr;
};

struct HWND__ {
  WindowClassRecord* windowClass = nullptr;
  QPointer<QWidget> widget;
  HWND parent = nullptr;
  std::vector<HWND> children;  // creation order, which is also tab order
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  LONG_PTR dialogResult = 0;  // DWLP_MSGRESULT
  HMENU menu = nullptr;
  std::map<std::string, HANDLE> properties;
  bool trackLeave = false;
  bool destroying = false;
  void* framework = nullptr;  // the framework object attached to the window
};

namespace window_detail {
WindowClassRecord* FindClass(const std::string& name);
HWND Live(HWND hWnd);  // hWnd when it names a live window, else null
void ForgetWidget(HWND hWnd);
}  // namespace window_detail
