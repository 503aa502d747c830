// The pictures the inventory names, and the toolbars' strips of one picture
// a button.
#include "resources/gen/Canvas.h"
#include "resources/gen/Generate.h"

#include <cctype>

namespace resgen {
namespace {

// The image sizes the windows expect, by picture name.
struct Size {
  int width, height;
};

Size SizeOf(const Image& image) {
  if (image.art.rfind("shape-", 0) == 0) return {51, 39};  // the panel's buttons
  if (image.kind == "icon" || image.kind == "cursor") return {32, 32};
  if (image.art == "paper-pattern") return {8, 8};
  return {32, 32};  // the link-state pictures
}

std::string Named(const Canvas& c, const std::string& name) {
  std::string xpm = c.Xpm(name);
  return xpm.insert(xpm.find('\n') + 1, std::string("/* ") + kStamp + " */\n");
}

std::string Identifier(std::string s) {
  for (char& c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return s;
}

}  // namespace

std::string ArtPath(const std::string& name) { return "art/" + name + ".xpm"; }

std::string ToolbarArtPath(const Toolbar& t) {
  return "art/toolbar" + std::to_string(t.id) + ".xpm";
}

bool DrawArt(const Inventory& inv, std::map<std::string, std::string>& files, std::string& error) {
  for (const Toolbar& t : inv.toolbars) {
    int count = 0;
    for (int b : t.buttons) count += b != 0;
    Canvas strip(t.width * count, t.height);
    int i = 0;
    for (int b : t.buttons) {
      if (!b) continue;
      Canvas picture(1, 1);
      if (!Picture("cmd-" + std::to_string(b), t.width, t.height, picture)) {
        error = "toolbar " + std::to_string(t.id) + ": no picture for command " + std::to_string(b);
        return false;
      }
      strip.Blit(picture, t.width * i++, 0);
    }
    files[ToolbarArtPath(t)] = Named(strip, "toolbar" + std::to_string(t.id));
  }
  for (const Image& image : inv.images) {
    const Size size = SizeOf(image);
    Canvas picture(1, 1);
    if (!Picture(image.art, size.width, size.height, picture)) {
      error = image.kind + " " + std::to_string(image.id) + ": no picture named " + image.art;
      return false;
    }
    files[ArtPath(image.art)] = Named(picture, Identifier(image.art));
  }
  return true;
}

}  // namespace resgen
