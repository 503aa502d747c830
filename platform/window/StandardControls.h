#pragma once
// The platform's standard controls as real Qt widgets behind their class
// names. Registered once, before the first window is created.

#include "platform/window/WindowSide.h"

#include "platform/window/WindowApi.h"

#include <QString>
#include <cstring>

void RegisterStandardControls();

namespace controls {
// Each control kind registers its class through one of these.
void RegisterButton();
void RegisterEdit();
void RegisterComboBox();
void RegisterStatic();
void RegisterScrollControls();
void RegisterUpDown();
void RegisterListView();
void RegisterStatusBar();
void RegisterDialogClass();
void RegisterPopupMenuClass();

template <class W>
W* As(HWND h) {
  return dynamic_cast<W*>(WidgetOf(h));
}

inline QString Text(LPARAM lParam) { return QString::fromUtf8(reinterpret_cast<LPCSTR>(lParam)); }

// WM_GETTEXT into the caller's buffer of wParam bytes.
inline LRESULT CopyText(const QString& text, WPARAM size, LPARAM buffer) {
  if (!size || !buffer) return 0;
  QByteArray bytes = text.toUtf8().left(static_cast<int>(size) - 1);
  std::memcpy(reinterpret_cast<char*>(buffer), bytes.constData(),
              static_cast<size_t>(bytes.size()) + 1);
  return bytes.size();
}

ATOM Register(const char* name, WNDPROC proc, WidgetFactory factory, UINT style = 0);
}  // namespace controls
