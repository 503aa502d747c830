#include "platform/window/Menu.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowApi.h"

#include <QObject>
#include <QWidget>

#include <map>

namespace {
std::map<HWND, HMENU>& Menus() {
    static std::map<HWND, HMENU> menus;
    return menus;
}

void Forget(HWND window) {
    auto it = Menus().find(window);
    if (it == Menus().end()) return;
    DestroyMenu(it->second);
    Menus().erase(it);
}

HMENU MakeSystemMenu() {
    static constexpr struct {
        UINT id;
        const char* text;
    } kItems[] = {{SC_RESTORE, "&Restore"}, {SC_MOVE, "&Move"}, {SC_SIZE, "&Size"}, {SC_MINIMIZE, "Mi&nimize"},
                  {SC_MAXIMIZE, "Ma&ximize"}, {0, nullptr}, {SC_CLOSE, "&Close\tAlt+F4"}};
    HMENU menu = CreatePopupMenu();
    for (const auto& item : kItems)
        AppendMenu(menu, item.text ? MF_STRING : MF_SEPARATOR, item.id, item.text);
    return menu;
}
}  // namespace

HMENU GetSystemMenu(HWND window, BOOL revert) {
    QWidget* w = WidgetOf(window);
    if (!w || !(GetWindowLongPtr(window, GWL_STYLE) & WS_SYSMENU)) return nullptr;
    if (revert) {
        Forget(window);
        return nullptr;
    }
    HMENU& menu = Menus()[window];
    if (!menu) {
        menu = MakeSystemMenu();
        QObject::connect(w, &QObject::destroyed, [window] { Forget(window); });
    }
    return menu;
}
