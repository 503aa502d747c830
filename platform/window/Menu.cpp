// CMenu, the framework's wrapper of a menu handle.
#include "platform/window/Menu.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/Wnd.h"

#include <map>
#include <memory>

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu) {
  // Borrowed wrappers, which never destroy their menu; kept for the whole
  // run, as a wrapper may be asked for from a destructor at exit.
  static win_detail::NeverDestroyed<std::map<HMENU, std::unique_ptr<CMenu>>> wrappers;
  if (!menu) return nullptr;
  auto& slot = (*wrappers)[menu];
  if (!slot) {
    struct Borrowed : CMenu {
      ~Borrowed() { m_hMenu = nullptr; }
    };
    slot = std::make_unique<Borrowed>();
    slot->m_hMenu = menu;
  }
  return slot.get();
}

BOOL CMenu::Attach(HMENU menu) {
  m_hMenu = menu;
  return menu != nullptr;
}

HMENU CMenu::Detach() { return std::exchange(m_hMenu, nullptr); }

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT id) { return Attach(::LoadMenu(nullptr, id)); }

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  ::DestroyMenu(std::exchange(m_hMenu, nullptr));
  return TRUE;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
  char buffer[512] = {};
  int n = ::GetMenuString(m_hMenu, item, buffer, sizeof buffer, flags);
  text = buffer;
  if (n == 0) text = "";
  return n;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr); }
