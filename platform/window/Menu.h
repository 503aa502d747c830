#pragma once
// Menus over QMenuBar and QMenu: items by command id, popups by position,
// built from menu resources. Choosing an item sends WM_COMMAND to the menu's
// owner window; opening a popup first sends it WM_INITMENUPOPUP, where the
// frame runs the update handlers.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/WinUser.h"

class CWnd;
class QMenu;
class QMenuBar;
class QWidget;

enum : UINT {
  MF_STRING = 0x0,
  MF_BYCOMMAND = 0x0,
  MF_ENABLED = 0x0,
  MF_UNCHECKED = 0x0,
  MF_GRAYED = 0x1,
  MF_DISABLED = 0x2,
  MF_CHECKED = 0x8,
  MF_POPUP = 0x10,
  MF_SEPARATOR = 0x800,
  MF_BYPOSITION = 0x400
};
enum : UINT { TPM_LEFTALIGN = 0x0, TPM_RIGHTBUTTON = 0x2, TPM_RETURNCMD = 0x100 };

HMENU CreateMenu();
HMENU CreatePopupMenu();
HMENU LoadMenu(HINSTANCE instance, UINT id);
BOOL DestroyMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int maxCount, UINT flags);
BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, UINT_PTR newId, LPCSTR text);
// Removes an item; a drop-down it opens is destroyed with it.
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
BOOL SetMenu(HWND window, HMENU menu);
HMENU GetMenu(HWND window);
// Runs a popup menu at a screen point; with TPM_RETURNCMD the chosen id is
// returned instead of sent.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* unused);
// Background colour of a menu's popups (the platform's menu information).
void SetMenuBackgroundColor(HMENU menu, COLORREF color, bool applyToSubmenus);
bool MenuBackgroundColor(HMENU menu, COLORREF* color);
QMenuBar* MenuBarOf(HMENU menu);

class CMenu {
 public:
  CMenu() = default;
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;
  static CMenu* FromHandle(HMENU menu);
  BOOL Attach(HMENU menu);
  HMENU Detach();
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(UINT id);
  BOOL DestroyMenu();
  BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr) {
    return ::AppendMenu(m_hMenu, flags, idOrPopup, text);
  }
  int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
  UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
  CMenu* GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
  int GetMenuString(UINT item, CString& text, UINT flags) const;
  BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR newId = 0, LPCSTR text = nullptr) {
    return ::ModifyMenu(m_hMenu, item, flags, newId, text);
  }
  UINT EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }
  UINT CheckMenuItem(UINT item, UINT flags) { return ::CheckMenuItem(m_hMenu, item, flags); }
  UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

  HMENU m_hMenu = nullptr;
};
