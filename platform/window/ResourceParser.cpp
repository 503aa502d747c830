// Reading the resource files: a line format of keywords, numbers and quoted
// texts, one block per resource, closed by "end".
#include "platform/window/ResourceStore.h"

#include "platform/window/StyleNames.h"

#include <QFile>
#include <QFileInfo>
#include <sstream>

namespace resources {
namespace {
struct Line {
  int number;
  std::vector<std::string> tokens;
  std::vector<bool> quoted;
};

// Splits a line into tokens; texts in double quotes keep their spaces and
// understand \" \\ \t and \n.
bool Tokenize(const std::string& text, int number, Line& out, std::string& error) {
  out = Line{number, {}, {}};
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '#') break;
    if (c == '"') {
      std::string token;
      ++i;
      bool closed = false;
      while (i < text.size()) {
        char d = text[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d == '\\' && i < text.size()) {
          char e = text[i++];
          token += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else {
          token += d;
        }
      }
      if (!closed) {
        error = "unterminated text";
        return false;
      }
      out.tokens.push_back(token);
      out.quoted.push_back(true);
      continue;
    }
    size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' &&
           text[i] != '"')
      ++i;
    out.tokens.push_back(text.substr(start, i - start));
    out.quoted.push_back(false);
  }
  return true;
}

class Parser {
 public:
  Parser(std::vector<Line> lines, std::string folder, ResourceStore& store)
      : lines_(std::move(lines)), folder_(std::move(folder)), store_(store) {}

  bool Run(std::string& error) {
    try {
      while (pos_ < lines_.size()) Block();
      return true;
    } catch (const std::string& message) {
      error = "line " + std::to_string(current_) + ": " + message;
      return false;
    }
  }

 private:
  const Line& Next() {
    if (pos_ >= lines_.size()) throw std::string("missing \"end\"");
    current_ = lines_[pos_].number;
    return lines_[pos_++];
  }

  static long Number(const std::string& token) {
    if (auto named = NamedId(token)) return *named;
    try {
      size_t used = 0;
      long value = std::stol(token, &used, 0);
      if (used != token.size()) throw 0;
      return value;
    } catch (...) {
      throw std::string("not a number: " + token);
    }
  }

  // Styles joined by '|'; "~NAME" takes a style away, as "NOT NAME" does in
  // the platform's resource scripts (a control created hidden: ~WS_VISIBLE).
  static DWORD Styles(const std::string& token, DWORD base = 0) {
    DWORD style = base, removed = 0;
    std::stringstream parts(token);
    std::string part;
    while (std::getline(parts, part, '|')) {
      const bool remove = !part.empty() && part[0] == '~';
      if (remove) part.erase(0, 1);
      auto value = StyleValue(part);
      const DWORD bits = value ? *value : static_cast<DWORD>(Number(part));
      (remove ? removed : style) |= bits;
    }
    return style & ~removed;
  }

  static void Need(const Line& line, size_t count, const char* what) {
    if (line.tokens.size() < count) throw std::string("incomplete ") + what;
  }

  std::string PathOf(const std::string& name) const {
    return folder_.empty() ? name : folder_ + "/" + name;
  }

  void Block() {
    const Line& line = Next();
    const std::string& kind = line.tokens[0];
    if (kind == "dialog") return DialogBlock(line);
    if (kind == "menu") {
      Need(line, 2, "menu");
      MenuTemplate menu;
      menu.id = static_cast<UINT>(Number(line.tokens[1]));
      menu.items = MenuItems();
      store_.menus[menu.id] = menu;
      return;
    }
    if (kind == "strings") return StringsBlock();
    if (kind == "toolbar") return ToolbarBlock(line);
    if (kind == "bitmap" || kind == "icon" || kind == "cursor") {
      Need(line, 3, kind.c_str());
      ImageResource image{PathOf(line.tokens[2]), {}};
      if (kind == "cursor" && line.tokens.size() >= 5)
        image.hotSpot = POINT{static_cast<LONG>(Number(line.tokens[3])),
                              static_cast<LONG>(Number(line.tokens[4]))};
      auto& table = kind == "bitmap" ? store_.bitmaps
                    : kind == "icon" ? store_.icons
                                     : store_.cursors;
      table[static_cast<UINT>(Number(line.tokens[1]))] = image;
      return;
    }
    throw std::string("unknown resource kind: " + kind);
  }

  void DialogBlock(const Line& head) {
    Need(head, 6, "dialog");
    DialogTemplate d;
    d.id = static_cast<UINT>(Number(head.tokens[1]));
    d.x = static_cast<int>(Number(head.tokens[2]));
    d.y = static_cast<int>(Number(head.tokens[3]));
    d.cx = static_cast<int>(Number(head.tokens[4]));
    d.cy = static_cast<int>(Number(head.tokens[5]));
    for (;;) {
      const Line& line = Next();
      const std::string& key = line.tokens[0];
      if (key == "end") break;
      if (key == "caption") {
        Need(line, 2, "caption");
        d.caption = line.tokens[1];
      } else if (key == "style") {
        Need(line, 2, "style");
        d.style = Styles(line.tokens[1]);
      } else if (key == "font") {
        Need(line, 3, "font");
        d.fontPoints = static_cast<int>(Number(line.tokens[1]));
        d.fontFace = line.tokens[2];
      } else if (key == "control") {
        Need(line, 8, "control");
        DialogControlTemplate c;
        c.id = static_cast<int>(Number(line.tokens[1]));
        c.className = line.tokens[2];
        c.text = line.tokens[3];
        c.x = static_cast<int>(Number(line.tokens[4]));
        c.y = static_cast<int>(Number(line.tokens[5]));
        c.cx = static_cast<int>(Number(line.tokens[6]));
        c.cy = static_cast<int>(Number(line.tokens[7]));
        c.style = line.tokens.size() > 8 ? Styles(line.tokens[8], WS_CHILD | WS_VISIBLE)
                                         : WS_CHILD | WS_VISIBLE;
        d.controls.push_back(c);
      } else {
        throw std::string("unknown dialog line: " + key);
      }
    }
    store_.dialogs[d.id] = d;
  }

  std::vector<MenuItemTemplate> MenuItems() {
    std::vector<MenuItemTemplate> items;
    for (;;) {
      const Line& line = Next();
      const std::string& key = line.tokens[0];
      if (key == "end") return items;
      MenuItemTemplate item;
      if (key == "separator") {
        item.separator = true;
      } else if (key == "item") {
        Need(line, 3, "item");
        item.id = static_cast<UINT>(Number(line.tokens[1]));
        item.text = line.tokens[2];
      } else if (key == "popup") {
        Need(line, 2, "popup");
        item.text = line.tokens[1];
        item.popup = true;
        item.children = MenuItems();
      } else {
        throw std::string("unknown menu line: " + key);
      }
      items.push_back(item);
    }
  }

  void StringsBlock() {
    for (;;) {
      const Line& line = Next();
      if (line.tokens[0] == "end") return;
      Need(line, 2, "string");
      store_.strings[static_cast<UINT>(Number(line.tokens[0]))] = line.tokens[1];
    }
  }

  void ToolbarBlock(const Line& head) {
    Need(head, 4, "toolbar");
    ToolbarTemplate t;
    t.id = static_cast<UINT>(Number(head.tokens[1]));
    t.buttonWidth = static_cast<int>(Number(head.tokens[2]));
    t.buttonHeight = static_cast<int>(Number(head.tokens[3]));
    for (;;) {
      const Line& line = Next();
      if (line.tokens[0] == "end") break;
      if (line.tokens[0] == "separator")
        t.buttons.push_back(0);
      else if (line.tokens[0] == "button" && line.tokens.size() >= 2)
        t.buttons.push_back(static_cast<UINT>(Number(line.tokens[1])));
      else
        throw std::string("unknown toolbar line: " + line.tokens[0]);
    }
    store_.toolbars[t.id] = t;
  }

  std::vector<Line> lines_;
  std::string folder_;
  ResourceStore& store_;
  size_t pos_ = 0;
  int current_ = 0;
};
}  // namespace

bool ParseResources(const std::string& text, const std::string& folder, ResourceStore& store,
                    std::string& error) {
  std::vector<Line> lines;
  std::stringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    Line line;
    if (!Tokenize(raw, number, line, error)) {
      error = "line " + std::to_string(number) + ": " + error;
      return false;
    }
    if (!line.tokens.empty()) lines.push_back(std::move(line));
  }
  return Parser(std::move(lines), folder, store).Run(error);
}
}  // namespace resources
