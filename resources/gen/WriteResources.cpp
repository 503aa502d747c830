// The resource file the window layer reads (resources/README.md gives the
// format): dialogs, menus, toolbars with their picture strips, images and
// the string table, with the templates' texts taken from the table.
#include "resources/gen/Generate.h"

#include <sstream>

namespace resgen {
namespace {

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\')
      out += '\\', out += c;
    else if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out + "\"";
}

std::string IdText(int id) { return id == -1 ? "IDC_STATIC" : std::to_string(id); }

void WriteMenu(std::ostream& out, const std::vector<MenuNode>& items, int depth) {
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  for (const MenuNode& node : items) {
    if (node.separator) {
      out << indent << "separator\n";
    } else if (node.popup) {
      out << indent << "popup " << Quote(node.res) << "  # text " << node.id << "\n";
      WriteMenu(out, node.children, depth + 1);
      out << indent << "end\n";
    } else {
      out << indent << "item " << node.id << " " << Quote(node.res) << "\n";
    }
  }
}

}  // namespace

std::string WriteResourceFile(const Inventory& inv) {
  std::ostringstream out;
  out << "# " << kStamp << "\n";
  for (const Dialog& d : inv.dialogs) {
    out << "\n# " << d.owner << (d.purpose.empty() ? "" : ": " + d.purpose)
        << (d.translated ? "" : " (not translated)") << "\n";
    out << "dialog " << d.id << " " << d.x << " " << d.y << " " << d.cx << " " << d.cy << "\n";
    out << "  caption " << Quote(d.caption) << "\n";
    if (!d.style.empty()) out << "  style " << d.style << "\n";
    out << "  font " << d.fontPoints << " " << Quote(d.fontFace) << "\n";
    for (const Control& c : d.controls) {
      out << "  control " << IdText(c.id) << " " << c.cls << " " << Quote(c.res) << " " << c.x
          << " " << c.y << " " << c.cx << " " << c.cy;
      if (!c.style.empty()) out << " " << c.style;
      out << "\n";
    }
    out << "end\n";
  }
  for (const Menu& m : inv.menus) {
    out << "\n# " << m.owner << "\nmenu " << m.id << "\n";
    WriteMenu(out, m.items, 1);
    out << "end\n";
  }
  for (const Toolbar& t : inv.toolbars) {
    out << "\n# " << t.owner << ": one picture a button, left to right\n";
    out << "bitmap " << t.id << " " << Quote(ToolbarArtPath(t)) << "\n";
    out << "toolbar " << t.id << " " << t.width << " " << t.height << "\n";
    for (int b : t.buttons) out << (b ? "  button " + std::to_string(b) : "  separator") << "\n";
    out << "end\n";
  }
  out << "\n";
  for (const Image& image : inv.images) {
    out << image.kind << " " << image.id << " " << Quote(ArtPath(image.art));
    if (image.kind == "cursor") out << " " << image.hotX << " " << image.hotY;
    out << "  # " << image.owner << "\n";
  }
  out << "\nstrings\n";
  for (const StringEntry& s : inv.strings) out << "  " << s.id << " " << Quote(s.text) << "\n";
  out << "end\n";
  return out.str();
}

}  // namespace resgen
