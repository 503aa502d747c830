#pragma once
// This file is not part of the window layer's interface: the tables the
// resource files fill.

#include "platform/window/WindowSide.h"

#include "platform/window/Resources.h"

#include <map>

namespace resources {
struct ImageResource {
  std::string path;
  POINT hotSpot;
};

struct ResourceStore {
  std::map<UINT, DialogTemplate> dialogs;
  std::map<UINT, MenuTemplate> menus;
  std::map<UINT, ToolbarTemplate> toolbars;
  std::map<UINT, std::string> strings;
  std::map<UINT, ImageResource> bitmaps, icons, cursors;
};

bool ParseResources(const std::string& text, const std::string& folder, ResourceStore& store,
                    std::string& error);
}  // namespace resources
