#pragma once
// This file is not part of the generator's interface: the writers that
// GenerateAll puts together.

#include "resources/gen/Inventory.h"

namespace resgen {

std::string WriteResourceFile(const Inventory& inventory);
std::string WriteInventoryListing(const Inventory& inventory);
// The language files below program/Languages/ by name; false with `error`
// when the translator could not read them whole.
bool WriteLanguageFiles(const Inventory& inventory, std::map<std::string, std::string>& files,
                        std::string& error);
// The pictures as XPM text by their path below resources/; false with
// `error` for a picture name the drawing code does not know.
bool DrawArt(const Inventory& inventory, std::map<std::string, std::string>& files,
             std::string& error);

std::string ArtPath(const std::string& name);  // "art/<name>.xpm"
std::string ToolbarArtPath(const Toolbar& toolbar);

}  // namespace resgen
