// INVENTORY.md: every id of the program's resources and texts, for the
// engineers who build the windows.
#include "resources/gen/Generate.h"

#include <sstream>

namespace resgen {
namespace {

std::string Cell(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '|')
      out += "\\|";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

std::string KindOf(const Control& c) {
  const std::string& s = c.style;
  if (c.cls == "Button") {
    if (s.find("BS_GROUPBOX") != std::string::npos) return "group box";
    if (s.find("RADIOBUTTON") != std::string::npos) return "radio button";
    if (s.find("CHECKBOX") != std::string::npos) return "check box";
    return "push button";
  }
  if (c.cls == "Static") return "label";
  if (c.cls == "Edit") return "edit";
  if (c.cls == "ComboBox")
    return s.find("CBS_DROPDOWNLIST") != std::string::npos ? "drop-down list" : "combo box";
  if (c.cls == "SysListView32") return "list";
  if (c.cls == "msctls_updown32") return "up-down";
  if (c.cls == "msctls_trackbar32") return "trackbar";
  if (c.cls == "GraphControl") return "graph (hosted)";
  if (c.cls == "NumEditControl") return "numeric edit (hosted)";
  if (c.cls == "BooleanButtonControl") return "colour button (hosted)";
  return c.cls;
}

void MenuRows(std::ostream& out, const Inventory& inv, const std::vector<MenuNode>& items,
              const std::string& path) {
  for (const MenuNode& n : items) {
    if (n.separator) continue;
    const TextEntry& t = inv.texts.at(n.id);
    out << "| " << n.id << " | " << (n.popup ? "drop-down" : "command") << " | " << Cell(path)
        << " | " << Cell(t.en) << " | " << Cell(t.zh) << " |\n";
    if (n.popup) MenuRows(out, inv, n.children, path + (path.empty() ? "" : " / ") + t.en);
  }
}

}  // namespace

std::string WriteInventoryListing(const Inventory& inv) {
  std::ostringstream out;
  out << "<!-- " << kStamp << " -->\n# Resource and text inventory\n\n"
      << "Every id of the program's resources and of the texts the translator looks up. "
      << "Dialogs marked *translated* take their caption from the text of the template id "
         "and each control the text of its control id (`CTranslator::TranslateDialog`).\n";

  out << "\n## Dialog templates\n\n| id | class | translated | size (dialog units) | purpose |\n"
         "|---|---|---|---|---|\n";
  for (const Dialog& d : inv.dialogs)
    out << "| " << d.id << " | `" << d.owner << "` | "
        << (d.captionTranslated ? "yes"
            : d.translated      ? "controls only"
                                : "no")
        << " | " << d.cx << " x " << d.cy << " | " << Cell(d.purpose) << " |\n";

  for (const Dialog& d : inv.dialogs) {
    out << "\n### " << d.id << " `" << d.owner << "`: " << Cell(d.caption) << "\n\n"
        << "| id | kind | template text | English | Chinese |\n|---|---|---|---|---|\n";
    for (const Control& c : d.controls) {
      auto t = inv.texts.find(c.id);
      const bool has = c.translated && t != inv.texts.end();
      out << "| " << (c.id == -1 ? "-" : std::to_string(c.id)) << " | " << KindOf(c) << " | "
          << Cell(c.res) << " | " << (has ? Cell(t->second.en) : "") << " | "
          << (has ? Cell(t->second.zh) : "") << " |\n";
    }
  }

  out << "\n## Menus\n\n| id | kind | in | English | Chinese |\n|---|---|---|---|---|\n";
  for (const Menu& m : inv.menus) MenuRows(out, inv, m.items, "menu " + std::to_string(m.id));

  out << "\n## Toolbars\n\n";
  for (const Toolbar& t : inv.toolbars) {
    out << "- " << t.id << " (`" << t.owner << "`, " << t.width << " x " << t.height << "):";
    for (int b : t.buttons) out << (b ? " " + std::to_string(b) : " |");
    out << "\n";
  }

  out << "\n## Other texts by id\n\n| id | kind | used by | English | Chinese |\n"
         "|---|---|---|---|---|\n";
  for (const auto& [id, t] : inv.texts)
    if (t.kind != "control" && t.kind != "dialog" && t.kind != "menu" && t.kind != "command")
      out << "| " << id << " | " << t.kind << " | " << Cell(t.owner) << " | " << Cell(t.en) << " | "
          << Cell(t.zh) << " |\n";

  out << "\n## Images\n\n| id | kind | used by | file |\n|---|---|---|---|\n";
  for (const Toolbar& t : inv.toolbars)
    out << "| " << t.id << " | toolbar strip | " << t.owner << " | " << ToolbarArtPath(t) << " |\n";
  for (const Image& i : inv.images)
    out << "| " << i.id << " | " << i.kind << " | " << Cell(i.owner) << " | " << ArtPath(i.art)
        << " |\n";

  out << "\n## String table (not translated)\n\n| id | used by | text |\n|---|---|---|\n";
  for (const StringEntry& s : inv.strings)
    out << "| " << s.id << " | " << Cell(s.owner) << " | " << Cell(s.text) << " |\n";
  return out.str();
}

bool GenerateAll(const Inventory& inv, std::map<std::string, std::string>& files,
                 std::string& error) {
  files.clear();
  files["pelmoran.pmr"] = WriteResourceFile(inv);
  files["INVENTORY.md"] = WriteInventoryListing(inv);
  return WriteLanguageFiles(inv, files, error) && DrawArt(inv, files, error);
}

}  // namespace resgen
