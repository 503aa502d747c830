// Menu handles: a menu bar or a popup, each item a QAction with its id.
#include "platform/window/Menu.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/Gdi.h"
#include "platform/window/Resources.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowRecord.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>

struct HMENU__ {
  std::unique_ptr<QMenuBar> ownedBar;  // a bar not yet given to a window
  QPointer<QMenuBar> bar;
  std::unique_ptr<QMenu> popup;
  std::vector<QAction*> items;
  std::map<QAction*, HMENU> submenus;
  HWND owner = nullptr;
  bool hasBackground = false;
  COLORREF background = 0;
  QWidget* Widget() const { return bar ? static_cast<QWidget*>(bar.data()) : popup.get(); }
};

namespace {
// The frame's prompt request (WM_SETMESSAGESTRING) and its idle text id.
constexpr UINT kSetMessageString = 0x0362;
constexpr WPARAM kIdleMessage = 0xE001;

// Never destroyed: menus are destroyed from destructors that run at exit
// (document templates, the application object), after function statics.
std::set<HMENU>& LiveMenus() {
  static win_detail::NeverDestroyed<std::set<HMENU>> menus;
  return *menus;
}
HMENU Live(HMENU m) { return m && LiveMenus().count(m) ? m : nullptr; }

HWND OwnerOf(HMENU m) {
  for (HMENU menu = m; menu;) {
    if (menu->owner) return menu->owner;
    HMENU parent = nullptr;
    for (HMENU candidate : LiveMenus())
      for (auto& [action, sub] : candidate->submenus)
        if (sub == menu) parent = candidate;
    menu = parent;
  }
  return nullptr;
}

// Popups appear as windows of the platform's popup-menu class while open,
// so that the creation hook sees them.
void WatchPopup(HMENU m) {
  QObject::connect(m->popup.get(), &QMenu::aboutToShow, [m] {
    HWND owner = OwnerOf(m);
    DispatchGuard::RunGuarded([&] {
      if (owner) SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m), 0);
      HWND shadow =
          CreateWindowEx(0, "#32768", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
      QObject::connect(
          m->popup.get(), &QMenu::aboutToHide, m->popup.get(),
          [m, shadow] {
            DestroyWindow(shadow);
            if (HWND owner = OwnerOf(m))
              DispatchGuard::RunGuarded(
                  [&] { SendMessage(owner, kSetMessageString, kIdleMessage, 0); });
          },
          Qt::SingleShotConnection);
    });
  });
}

HMENU NewMenu(bool bar) {
  auto* m = new HMENU__;
  if (bar) {
    m->ownedBar = std::make_unique<QMenuBar>();
    m->bar = m->ownedBar.get();
  } else {
    m->popup = std::make_unique<QMenu>();
    WatchPopup(m);
  }
  LiveMenus().insert(m);
  return m;
}

QAction* Find(HMENU m, UINT item, UINT flags, HMENU* owner = nullptr) {
  if (!(m = Live(m))) return nullptr;
  if (flags & MF_BYPOSITION) {
    if (item >= m->items.size()) return nullptr;
    if (owner) *owner = m;
    return m->items[item];
  }
  for (QAction* a : m->items) {
    if (!a->isSeparator() && !m->submenus.count(a) && a->data().toUInt() == item) {
      if (owner) *owner = m;
      return a;
    }
    if (auto it = m->submenus.find(a); it != m->submenus.end())
      if (QAction* found = Find(it->second, item, flags, owner)) return found;
  }
  return nullptr;
}

void AddItems(HMENU m, const std::vector<MenuItemTemplate>& items) {
  for (const auto& item : items) {
    if (item.separator)
      AppendMenu(m, MF_SEPARATOR, 0, nullptr);
    else if (item.IsPopup()) {
      HMENU sub = CreatePopupMenu();
      AddItems(sub, item.children);
      AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item.text.c_str());
    } else {
      AppendMenu(m, MF_STRING, item.id, item.text.c_str());
    }
  }
}

QString Label(LPCSTR text) { return QString::fromUtf8(text ? text : "").replace('\t', "\t"); }
}  // namespace

HMENU CreateMenu() { return NewMenu(true); }
HMENU CreatePopupMenu() { return NewMenu(false); }

HMENU LoadMenu(HINSTANCE, UINT id) {
  const MenuTemplate* tmpl = resources::Menu(id);
  if (!tmpl) return nullptr;
  HMENU m = CreateMenu();
  AddItems(m, tmpl->items);
  return m;
}

BOOL DestroyMenu(HMENU menu) {
  HMENU m = Live(menu);
  if (!m) return FALSE;
  for (auto& [action, sub] : m->submenus) DestroyMenu(sub);
  LiveMenus().erase(m);
  delete m;
  return TRUE;
}

namespace {
// MF_GRAYED greys an item out; MF_DISABLED alone leaves it drawn as it was
// but makes choosing it do nothing (the platform's "disabled, not greyed").
constexpr char kInert[] = "pelmoranInert";
void ApplyEnableFlags(QAction* action, UINT flags) {
  action->setEnabled(!(flags & MF_GRAYED));
  action->setProperty(kInert, (flags & (MF_GRAYED | MF_DISABLED)) == MF_DISABLED);
}
bool IsInert(const QAction* action) { return action->property(kInert).toBool(); }
}  // namespace

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
  HMENU m = Live(menu);
  if (!m) return FALSE;
  QWidget* w = m->Widget();
  QAction* action = nullptr;
  if (flags & MF_SEPARATOR) {
    action = new QAction(w);
    action->setSeparator(true);
  } else if (flags & MF_POPUP) {
    HMENU sub = Live(reinterpret_cast<HMENU>(idOrPopup));
    if (!sub) return FALSE;
    sub->popup->setTitle(Label(text));
    action = sub->popup->menuAction();
    m->submenus[action] = sub;
  } else {
    action = new QAction(Label(text), w);
    UINT id = static_cast<UINT>(idOrPopup);
    action->setData(id);
    ApplyEnableFlags(action, flags);
    action->setCheckable(flags & MF_CHECKED);  // unchecked items show no indicator
    action->setChecked(flags & MF_CHECKED);
    QObject::connect(action, &QAction::hovered, [m, id] {
      if (HWND owner = OwnerOf(m))
        DispatchGuard::RunGuarded([&] { SendMessage(owner, kSetMessageString, id, 0); });
    });
    QObject::connect(action, &QAction::triggered, [m, id, action] {
      // The check mark is the program's: choosing the item does not toggle it.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      if (IsInert(action)) return;
      if (HWND owner = OwnerOf(m))
        DispatchGuard::RunGuarded(
            [&] { SendMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0); });
    });
  }
  w->addAction(action);
  m->items.push_back(action);
  return TRUE;
}

int GetMenuItemCount(HMENU menu) {
  HMENU m = Live(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  HMENU m = Live(menu);
  if (!m || position < 0 || position >= static_cast<int>(m->items.size()))
    return static_cast<UINT>(-1);
  QAction* a = m->items[static_cast<size_t>(position)];
  if (m->submenus.count(a)) return static_cast<UINT>(-1);
  return a->isSeparator() ? 0 : a->data().toUInt();
}

HMENU GetSubMenu(HMENU menu, int position) {
  HMENU m = Live(menu);
  if (!m || position < 0 || position >= static_cast<int>(m->items.size())) return nullptr;
  auto it = m->submenus.find(m->items[static_cast<size_t>(position)]);
  return it == m->submenus.end() ? nullptr : it->second;
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int maxCount, UINT flags) {
  QAction* a = Find(menu, item, flags);
  if (!a) return 0;
  QByteArray text = a->text().toUtf8();
  if (!buffer || maxCount <= 0) return static_cast<int>(text.size());
  text = text.left(maxCount - 1);
  std::memcpy(buffer, text.constData(), static_cast<size_t>(text.size()) + 1);
  return static_cast<int>(text.size());
}

BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, UINT_PTR newId, LPCSTR text) {
  HMENU owner = nullptr;
  QAction* a = Find(menu, item, flags, &owner);
  if (!a) return FALSE;
  a->setText(Label(text));
  if (!owner->submenus.count(a) && !(flags & MF_POPUP)) a->setData(static_cast<UINT>(newId));
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
  HMENU owner = nullptr;
  QAction* a = Find(menu, item, flags, &owner);
  if (!a) return FALSE;
  owner->items.erase(std::find(owner->items.begin(), owner->items.end(), a));
  if (QWidget* w = owner->Widget()) w->removeAction(a);
  if (auto it = owner->submenus.find(a); it != owner->submenus.end()) {
    HMENU sub = it->second;  // its popup owns the action
    owner->submenus.erase(it);
    DestroyMenu(sub);
  } else {
    delete a;
  }
  return TRUE;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  QAction* a = Find(menu, item, flags);
  if (!a) return static_cast<UINT>(-1);
  UINT previous = !a->isEnabled() ? MF_GRAYED : IsInert(a) ? MF_DISABLED : MF_ENABLED;
  ApplyEnableFlags(a, flags);
  return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  QAction* a = Find(menu, item, flags);
  if (!a) return static_cast<DWORD>(-1);
  DWORD previous = a->isChecked() ? MF_CHECKED : MF_UNCHECKED;
  // Qt ignores setChecked on an action that is not checkable: the mark
  // goes before the action stops being checkable.
  const bool on = flags & MF_CHECKED;
  if (on) a->setCheckable(true);
  a->setChecked(on);
  if (!on) a->setCheckable(false);
  return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  QAction* a = Find(menu, item, flags);
  if (!a) return static_cast<UINT>(-1);
  return (a->isEnabled() ? 0u : UINT{MF_GRAYED}) | (IsInert(a) ? UINT{MF_DISABLED} : 0u) |
         (a->isChecked() ? UINT{MF_CHECKED} : 0u) | (a->isSeparator() ? UINT{MF_SEPARATOR} : 0u);
}

QMenuBar* MenuBarOf(HMENU menu) {
  HMENU m = Live(menu);
  return m ? m->bar.data() : nullptr;
}

BOOL SetMenu(HWND window, HMENU menu) {
  HWND h = window_detail::Live(window);
  if (!h) return FALSE;
  if (HMENU old = Live(h->menu); old && old->bar) old->bar->hide();
  h->menu = menu;
  HMENU m = Live(menu);
  if (!m) return TRUE;
  m->owner = h;
  if (m->bar && h->widget) {
    // The bar belongs to its window from now on; Qt lays it out above the client.
    QMenuBar* bar = m->ownedBar ? m->ownedBar.release() : m->bar.data();
    bar->setParent(h->widget);
    bar->show();  // the frame places it above its client
  }
  return TRUE;
}

HMENU GetMenu(HWND window) {
  HWND h = window_detail::Live(window);
  return h ? Live(h->menu) : nullptr;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  HMENU m = Live(menu);
  if (!m || !m->popup) return FALSE;
  HWND previous = std::exchange(m->owner, owner);
  QAction* chosen = m->popup->exec(QPoint(x, y));
  m->owner = previous;
  if (!chosen || chosen->isSeparator()) return 0;
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen->data().toUInt());
  return TRUE;
}

void SetMenuBackgroundColor(HMENU menu, COLORREF color, bool applyToSubmenus) {
  HMENU m = Live(menu);
  if (!m) return;
  m->hasBackground = true;
  m->background = color;
  QWidget* w = m->Widget();
  QPalette p = w->palette();
  p.setColor(QPalette::Window, QColorOf(color));
  p.setColor(QPalette::Base, QColorOf(color));
  w->setPalette(p);
  w->setAutoFillBackground(true);
  if (applyToSubmenus)
    for (auto& [action, sub] : m->submenus) SetMenuBackgroundColor(sub, color, true);
}

bool MenuBackgroundColor(HMENU menu, COLORREF* color) {
  HMENU m = Live(menu);
  if (!m || !m->hasBackground) return false;
  if (color) *color = m->background;
  return true;
}
