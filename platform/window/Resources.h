#pragma once
// The program's resources (dialog templates, menus, toolbars, bitmaps,
// cursors, icons and the string table), read from files in our own readable
// format; resources/README.md describes it.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <QImage>
#include <optional>
#include <string>
#include <vector>

struct DialogControlTemplate {
  int id = 0;
  std::string className;
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  DWORD style = 0;
};

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  DWORD style = 0;
  int fontPoints = 8;
  std::string fontFace = "MS Shell Dlg";
  std::vector<DialogControlTemplate> controls;
};

struct MenuItemTemplate {
  UINT id = 0;  // 0 for popups and separators
  std::string text;
  bool separator = false;
  bool popup = false;
  std::vector<MenuItemTemplate> children;  // a popup's items
  bool IsPopup() const { return popup; }
};

struct MenuTemplate {
  UINT id = 0;
  std::vector<MenuItemTemplate> items;
};

struct ToolbarTemplate {
  UINT id = 0;
  int buttonWidth = 16, buttonHeight = 15;
  std::vector<UINT> buttons;  // 0 is a separator; images in order from the bitmap of the same id
};

namespace resources {
// Adds the resources of a file (or of every *.pmr file of a folder); false
// with a message naming the file and line when the text is malformed.
bool Load(const std::string& path, std::string* error = nullptr);
bool LoadText(const std::string& text, const std::string& baseFolder, std::string* error = nullptr);
// The folder named by PELMORAN_RESOURCES, else the one built into the program.
bool LoadDefault(std::string* error = nullptr);

const DialogTemplate* Dialog(UINT id);
const MenuTemplate* Menu(UINT id);
const ToolbarTemplate* Toolbar(UINT id);
std::optional<std::string> String(UINT id);
QImage Bitmap(UINT id);
QImage Cursor(UINT id, POINT* hotSpot = nullptr);
QImage Icon(UINT id);
}  // namespace resources

int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int maxCount);
