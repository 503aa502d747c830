#pragma once
// Helpers of the controls' tests: pointer exceptions caught and ended, and a
// hosted control in a real (offscreen) window.

#include "controls/HostedControl.h"
#include "platform/window/StandardControls.h"
#include "platform/window/WindowApi.h"

#include <functional>
#include <string>

// True when f throws E* (which is ended here).
template <class E, class F>
bool ThrowsPointer(F&& f) {
  try {
    f();
  } catch (E* e) {
    e->Delete();
    return true;
  }
  return false;
}

// A top-level host window with one hosted control child, both destroyed at
// the end of the scope.
class HostedWindow {
 public:
  HostedWindow(const char* classId, const char* text, int width, int height, int id = 1023) {
    RegisterStandardControls();
    hosted::RegisterHostedControls();
    host = CreateWindowEx(0, "#32770", "host", WS_POPUP | WS_VISIBLE, 0, 0, width + 20, height + 20,
                          nullptr, nullptr, nullptr, nullptr);
    control = CreateWindowEx(0, classId, text, WS_CHILD | WS_VISIBLE, 0, 0, width, height, host,
                             reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  }
  ~HostedWindow() {
    if (IsWindow(host)) DestroyWindow(host);
  }
  HostedWindow(const HostedWindow&) = delete;
  HostedWindow& operator=(const HostedWindow&) = delete;

  HWND host = nullptr;
  HWND control = nullptr;
};

inline constexpr const char* kGraphClass = "{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7}";
inline constexpr const char* kNumEditClass = "{3DC8450E-EA11-4636-A865-5C3310054D05}";
inline constexpr const char* kButtonClass = "{D4A6A4E2-89D1-4C6E-A479-2A8A45224DD3}";
inline constexpr const char* kEditorGraph = "plots=3;cursors=Cursor1,CursorXY,Cursor2;xpairs=11";
