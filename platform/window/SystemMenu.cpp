#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowApi.h"

#include <QObject>
#include <QWidget>

namespace {
HMENU MakeSystemMenu() {
  static constexpr struct {
    UINT id;
    const char* text;
  } kItems[] = {{SC_RESTORE, "&Restore"},    {SC_MOVE, "&Move"},         {SC_SIZE, "&Size"},
                {SC_MINIMIZE, "Mi&nimize"},  {SC_MAXIMIZE, "Ma&ximize"}, {0, nullptr},
                {SC_CLOSE, "&Close\tAlt+F4"}};
  HMENU menu = CreatePopupMenu();
  for (const auto& item : kItems)
    AppendMenu(menu, item.text ? MF_STRING : MF_SEPARATOR, item.id, item.text);
  return menu;
}

// The system menu belongs to its window's widget, not to the handle: a handle
// given to a new window while the old widget awaits deletion gets a menu of
// its own, and the old widget takes only its own menu with it.
class SystemMenuHolder : public QObject {
 public:
  static constexpr const char* kName = "pelmoran-system-menu";
  explicit SystemMenuHolder(QWidget* owner) : QObject(owner), menu(MakeSystemMenu()) {
    setObjectName(kName);
  }
  ~SystemMenuHolder() override { DestroyMenu(menu); }
  SystemMenuHolder(const SystemMenuHolder&) = delete;
  SystemMenuHolder& operator=(const SystemMenuHolder&) = delete;
  const HMENU menu;
};

SystemMenuHolder* HolderOf(QWidget* w) {
  return static_cast<SystemMenuHolder*>(
      w->findChild<QObject*>(SystemMenuHolder::kName, Qt::FindDirectChildrenOnly));
}
}  // namespace

HMENU GetSystemMenu(HWND window, BOOL revert) {
  QWidget* w = WidgetOf(window);
  if (!w || !(GetWindowLongPtr(window, GWL_STYLE) & WS_SYSMENU)) return nullptr;
  SystemMenuHolder* holder = HolderOf(w);
  if (revert) {
    delete holder;  // the next call makes a fresh copy
    return nullptr;
  }
  if (!holder) holder = new SystemMenuHolder(w);  // owned by the widget
  return holder->menu;
}
