#pragma once
// CToolTipCtrl: tips for a window's controls. Each tool's text becomes its
// widget's tip while the control is active; Qt shows it when the pointer
// rests on the control (the platform's own delay; SetDelayTime is kept for
// the caller to read). Relaying mouse messages is not needed here.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/Wnd.h"

#include <map>

enum : DWORD { TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3 };

class CToolTipCtrl {
 public:
  BOOL Create(CWnd* parent, DWORD style = 0);
  BOOL AddTool(CWnd* tool, LPCSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
  void SetDelayTime(DWORD which, int milliseconds);
  int GetDelayTime(DWORD which) const;
  void Activate(BOOL active);
  void RelayEvent(MSG*) {}
  // The text a tool shows; empty when it is not a tool or the tips are off.
  CString GetShownText(HWND tool) const;

 private:
  void Apply(HWND tool) const;
  bool m_active = false;
  std::map<DWORD, int> m_delays;
  std::map<HWND, CString> m_tools;
};
