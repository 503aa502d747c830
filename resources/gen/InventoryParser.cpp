// Reading resources/inventory.txt: lines of words and quoted texts, blocks
// closed by "end", '#' comments (as the resource files write them).
#include "resources/gen/Inventory.h"

#include <fstream>
#include <set>
#include <sstream>

namespace resgen {
namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

struct Line {
  int number = 0;
  std::vector<Token> tokens;
};

[[noreturn]] void Fail(int line, const std::string& message) {
  throw std::string("line " + std::to_string(line) + ": " + message);
}

Line Tokenize(const std::string& raw, int number) {
  Line line{number, {}};
  size_t i = 0;
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token token{"", true};
      bool closed = false;
      for (++i; i < raw.size();) {
        const char d = raw[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d == '\\' && i < raw.size()) {
          const char e = raw[i++];
          token.text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else {
          token.text += d;
        }
      }
      if (!closed) Fail(number, "unterminated text");
      line.tokens.push_back(token);
    } else {
      const size_t start = i;
      while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t' && raw[i] != '\r' && raw[i] != '"')
        ++i;
      line.tokens.push_back({raw.substr(start, i - start), false});
    }
  }
  return line;
}

int Number(const Line& line, const Token& token) {
  if (token.text == "IDC_STATIC") return -1;
  try {
    size_t used = 0;
    const long value = std::stol(token.text, &used, 0);
    if (used == token.text.size() && !token.quoted) return static_cast<int>(value);
  } catch (...) {
  }
  Fail(line.number, "not a number: " + token.text);
}

// The texts after a line's fixed words: en "..." zh "..." res "..." needs
// "..." and the flags same and keep.
struct Texts {
  std::string en, zh, res;
  bool hasEn = false, hasZh = false, hasRes = false, same = false, keep = false;
  std::vector<std::string> needs;
};

Texts ReadTexts(const Line& line, size_t from) {
  Texts t;
  for (size_t i = from; i < line.tokens.size(); ++i) {
    const Token& key = line.tokens[i];
    if (key.quoted) Fail(line.number, "a text without its keyword: \"" + key.text + "\"");
    if (key.text == "same") {
      t.same = true;
      continue;
    }
    if (key.text == "keep") {
      t.keep = true;
      continue;
    }
    if (i + 1 >= line.tokens.size() || !line.tokens[i + 1].quoted)
      Fail(line.number, "\"" + key.text + "\" needs a quoted text");
    const std::string& value = line.tokens[++i].text;
    if (key.text == "en") {
      t.en = value, t.hasEn = true;
    } else if (key.text == "zh") {
      t.zh = value, t.hasZh = true;
    } else if (key.text == "res") {
      t.res = value, t.hasRes = true;
    } else if (key.text == "needs") {
      t.needs.push_back(value);
    } else {
      Fail(line.number, "unknown word: " + key.text);
    }
  }
  if (t.hasEn != t.hasZh) Fail(line.number, "a text needs both en and zh");
  if (t.hasEn && (t.en.empty() || t.zh.empty())) Fail(line.number, "an empty translation");
  if (!t.needs.empty() && !t.hasEn) Fail(line.number, "needs without a translation");
  return t;
}

class Parser {
 public:
  Parser(const std::string& text, Inventory& out) : out_(out) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
      Line line = Tokenize(raw, ++number);
      if (!line.tokens.empty()) lines_.push_back(std::move(line));
    }
  }

  void Run() {
    while (pos_ < lines_.size()) Block(Next());
    for (const auto& [id, line] : sameRefs_)
      if (!out_.texts.count(id))
        Fail(line, "\"same\" for id " + std::to_string(id) + ", which has no texts");
  }

 private:
  const Line& Next() {
    if (pos_ >= lines_.size()) Fail(lines_.empty() ? 0 : lines_.back().number, "missing \"end\"");
    return lines_[pos_++];
  }

  static void Need(const Line& line, size_t count) {
    if (line.tokens.size() < count) Fail(line.number, "incomplete " + line.tokens[0].text);
    for (size_t i = 0; i < count; ++i)
      if (line.tokens[i].quoted) Fail(line.number, "a text where a word belongs");
  }

  // Registers a translated text; an id has one wording in the whole table.
  void AddText(int id, const std::string& kind, const std::string& owner, const Texts& t,
               int line) {
    if (id <= 0) Fail(line, "a translated text needs an id above 0");
    if (auto found = out_.texts.find(id); found != out_.texts.end())
      Fail(line, "id " + std::to_string(id) + " already has its texts (line " +
                     std::to_string(found->second.line) + "); write \"same\"");
    for (const std::string& n : t.needs)
      if (t.en.find(n) == std::string::npos || t.zh.find(n) == std::string::npos)
        Fail(line, "both texts must keep \"" + n + "\"");
    out_.texts[id] = TextEntry{id, kind, owner, t.en, t.zh, t.needs, line};
  }

  void Block(const Line& line) {
    const std::string& kind = line.tokens[0].text;
    if (kind == "text") {
      Need(line, 4);
      AddText(Number(line, line.tokens[1]), line.tokens[2].text, line.tokens[3].text,
              RequireTranslated(line, ReadTexts(line, 4)), line.number);
    } else if (kind == "string") {
      Need(line, 3);
      const Texts t = ReadTexts(line, 3);
      if (!t.hasRes) Fail(line.number, "a string needs res");
      out_.strings.push_back({Number(line, line.tokens[1]), line.tokens[2].text, t.res});
    } else if (kind == "bitmap" || kind == "icon" || kind == "cursor") {
      Need(line, kind == "cursor" ? 6 : 4);
      Image image{kind, Number(line, line.tokens[1]), line.tokens[2].text, line.tokens[3].text};
      if (kind == "cursor") {
        image.hotX = Number(line, line.tokens[4]);
        image.hotY = Number(line, line.tokens[5]);
      }
      out_.images.push_back(image);
    } else if (kind == "toolbar") {
      ToolbarBlock(line);
    } else if (kind == "menu") {
      Need(line, 3);
      Menu menu{Number(line, line.tokens[1]), line.tokens[2].text, {}};
      menu.items = MenuItems(menu.owner);
      out_.menus.push_back(menu);
    } else if (kind == "dialog") {
      DialogBlock(line);
    } else {
      Fail(line.number, "unknown entry: " + kind);
    }
  }

  static const Texts& RequireTranslated(const Line& line, const Texts& t) {
    if (!t.hasEn) Fail(line.number, "a text needs en and zh");
    return t;
  }

  void ToolbarBlock(const Line& head) {
    Need(head, 5);
    Toolbar bar{Number(head, head.tokens[1]),
                head.tokens[2].text,
                Number(head, head.tokens[3]),
                Number(head, head.tokens[4]),
                {}};
    for (;;) {
      const Line& line = Next();
      const std::string& key = line.tokens[0].text;
      if (key == "end") break;
      if (key == "separator") {
        bar.buttons.push_back(0);
      } else if (key == "button") {
        Need(line, 2);
        bar.buttons.push_back(Number(line, line.tokens[1]));
      } else {
        Fail(line.number, "unknown toolbar line: " + key);
      }
    }
    out_.toolbars.push_back(bar);
  }

  std::vector<MenuNode> MenuItems(const std::string& owner) {
    std::vector<MenuNode> items;
    for (;;) {
      const Line& line = Next();
      const std::string& key = line.tokens[0].text;
      if (key == "end") return items;
      MenuNode node;
      if (key == "separator") {
        node.separator = true;
      } else if (key == "item" || key == "popup") {
        Need(line, 2);
        node.popup = key == "popup";
        node.id = Number(line, line.tokens[1]);
        const Texts t = RequireTranslated(line, ReadTexts(line, 2));
        AddText(node.id, node.popup ? "menu" : "command", owner, t, line.number);
        node.res = t.hasRes ? t.res : t.zh;
        if (node.popup) node.children = MenuItems(owner);
      } else {
        Fail(line.number, "unknown menu line: " + key);
      }
      items.push_back(node);
    }
  }

  // Words 3 to 6 of a dialog or control line: x, y, width, height.
  static void ReadRect(const Line& line, int& x, int& y, int& cx, int& cy) {
    x = Number(line, line.tokens[3]);
    y = Number(line, line.tokens[4]);
    cx = Number(line, line.tokens[5]);
    cy = Number(line, line.tokens[6]);
  }

  void DialogBlock(const Line& head) {
    Need(head, 7);
    Dialog d;
    d.id = Number(head, head.tokens[1]);
    d.owner = head.tokens[2].text;
    ReadRect(head, d.x, d.y, d.cx, d.cy);
    d.line = head.number;
    bool captionSeen = false;
    for (;;) {
      const Line& line = Next();
      const std::string& key = line.tokens[0].text;
      if (key == "end") break;
      if (key == "style") {
        Need(line, 2);
        d.style = line.tokens[1].text;
      } else if (key == "font") {
        if (line.tokens.size() < 3 || !line.tokens[2].quoted)
          Fail(line.number, "font <points> \"<face>\"");
        d.fontPoints = Number(line, line.tokens[1]);
        d.fontFace = line.tokens[2].text;
      } else if (key == "translate") {
        // "translate controls": the controls take their texts, the caption none (a bar).
        if (line.tokens.size() != 2 || line.tokens[1].text != "controls")
          Fail(line.number, "translate controls");
        d.translated = true;
      } else if (key == "purpose") {
        if (line.tokens.size() < 2 || !line.tokens[1].quoted)
          Fail(line.number, "purpose \"<text>\"");
        d.purpose = line.tokens[1].text;
      } else if (key == "caption") {
        const Texts t = ReadTexts(line, 1);
        d.translated = d.translated || t.hasEn;
        d.captionTranslated = t.hasEn;
        if (t.hasEn) AddText(d.id, "dialog", d.owner, t, line.number);
        d.caption = t.hasRes ? t.res : t.zh;
        captionSeen = true;
      } else if (key == "control") {
        if (!captionSeen) Fail(line.number, "the caption comes before the controls");
        d.controls.push_back(ControlLine(d, line));
      } else {
        Fail(line.number, "unknown dialog line: " + key);
      }
    }
    out_.dialogs.push_back(d);
  }

  Control ControlLine(const Dialog& d, const Line& line) {
    Need(line, 7);
    Control c;
    c.id = Number(line, line.tokens[1]);
    c.cls = line.tokens[2].text;
    ReadRect(line, c.x, c.y, c.cx, c.cy);
    c.line = line.number;
    size_t next = 7;
    static const std::set<std::string> words = {"en", "zh", "res", "same", "keep", "needs"};
    if (next < line.tokens.size() && !line.tokens[next].quoted &&
        !words.count(line.tokens[next].text))
      c.style = line.tokens[next++].text;
    const Texts t = ReadTexts(line, next);
    c.keep = t.keep;
    if (t.hasEn) {
      if (!d.translated)
        Fail(line.number, "dialog " + std::to_string(d.id) + " is not translated; write res");
      AddText(c.id, "control", d.owner, t, line.number);
      c.translated = true;
    } else if (t.same) {
      sameRefs_.emplace_back(c.id, line.number);
      c.translated = true;
    }
    c.res = t.hasRes ? t.res : t.zh;
    if (d.translated && !c.translated && !c.keep && !c.res.empty() &&
        (c.cls == "Static" || c.cls == "Button"))
      Fail(line.number, "a label of a translated dialog needs en and zh (or keep)");
    if (c.x < 0 || c.y < 0 || c.x + c.cx > d.cx || (c.cls != "ComboBox" && c.y + c.cy > d.cy))
      Fail(line.number, "control " + std::to_string(c.id) + " lies outside its dialog");
    return c;
  }

  Inventory& out_;
  std::vector<Line> lines_;
  size_t pos_ = 0;
  std::vector<std::pair<int, int>> sameRefs_;
};

}  // namespace

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool LoadInventory(const std::string& folder, Inventory& out, std::string& error) {
  return ParseInventory(ReadTextFile(folder + "/inventory.txt"), out, error);
}

bool ParseInventory(const std::string& text, Inventory& out, std::string& error) {
  out = Inventory{};
  try {
    Parser(text, out).Run();
  } catch (const std::string& message) {
    error = message;
    return false;
  }
  // A control that shares another's texts shows its Chinese wording in the template.
  for (Dialog& d : out.dialogs)
    for (Control& c : d.controls)
      if (c.translated && c.res.empty())
        if (auto found = out.texts.find(c.id); found != out.texts.end()) c.res = found->second.zh;
  return true;
}

}  // namespace resgen
