#pragma once
// CCmdUI: one menu item or toolbar button asking its update handler whether
// it is enabled, checked and what it says.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
 public:
  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL on = TRUE);
  virtual void SetCheck(int check = 1);
  virtual void SetRadio(BOOL on = TRUE) { SetCheck(on ? 1 : 0); }
  virtual void SetText(LPCSTR text);
  // Asks the target's handlers; with no handler the item is disabled when
  // `disableIfNoHandler`.
  BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

  UINT m_nID = 0;
  UINT m_nIndex = 0;
  CMenu* m_pMenu = nullptr;  // a menu item
  CWnd* m_pOther = nullptr;  // a control bar's item
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;
  // A toolbar button updates through these.
  void (*m_pfnEnable)(CCmdUI*, BOOL) = nullptr;
  void (*m_pfnCheck)(CCmdUI*, int) = nullptr;
  void* m_pButton = nullptr;
};
