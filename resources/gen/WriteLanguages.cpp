// The translator's files: the two language files and the key file, entry i
// of each describing the same text, and the language profile.
#include "resources/gen/Generate.h"

#include <sstream>

namespace resgen {
namespace {

// As the translator counts them (shell/base/Translator.h).
constexpr size_t kEntries = 1024, kLineMax = 255, kLngBytes = 20480, kKeyBytes = 10240;

size_t Characters(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// One file's section; false when it breaks a limit of the translator.
bool Section(const std::vector<std::string>& lines, size_t bufferBytes, const std::string& name,
             std::string& text, std::string& error) {
  size_t bytes = 1;  // the NUL closing the list
  std::ostringstream out;
  out << "; " << kStamp << "\n[Translation]\n";
  for (const std::string& line : lines) {
    if (Characters(line) > kLineMax) {
      error = name + ": entry longer than 255 characters: " + line;
      return false;
    }
    bytes += line.size() + 1;
    out << line << "\n";
  }
  if (bytes + 2 > bufferBytes) {  // the reader reports a full buffer as too large
    error = name + ": the section needs " + std::to_string(bytes) +
            " bytes; the translator reads " + std::to_string(bufferBytes - 2);
    return false;
  }
  text = out.str();
  return true;
}

}  // namespace

std::string KeyOf(const TextEntry& text) {
  static const std::map<std::string, std::string> prefixes = {
      {"menu", "MENU"},  {"command", "CMD"}, {"dialog", "DLG"},  {"control", "CTL"},
      {"status", "STS"}, {"message", "MSG"}, {"context", "CTX"}, {"label", "LBL"}};
  auto found = prefixes.find(text.kind);
  return (found == prefixes.end() ? "TXT" : found->second) + "_" + std::to_string(text.id);
}

bool WriteLanguageFiles(const Inventory& inv, std::map<std::string, std::string>& files,
                        std::string& error) {
  if (inv.texts.size() > kEntries) {
    error = std::to_string(inv.texts.size()) + " texts; the translator holds 1024";
    return false;
  }
  std::vector<std::string> english, chinese, keys;
  for (const auto& [id, t] : inv.texts) {
    for (const std::string* s : {&t.en, &t.zh})
      if (s->find('\n') != std::string::npos || s->back() == ' ' || s->back() == '\t') {
        error = "line " + std::to_string(t.line) + ": a text ends with a blank or holds a line end";
        return false;
      }
    english.push_back(KeyOf(t) + "=" + t.en);
    chinese.push_back(KeyOf(t) + "=" + t.zh);
    keys.push_back(KeyOf(t) + "=" + std::to_string(id));
  }
  const std::string folder = "program/Languages/";
  return Section(english, kLngBytes, "English.lng", files[folder + "English.lng"], error) &&
         Section(chinese, kLngBytes, "Chinese.lng", files[folder + "Chinese.lng"], error) &&
         Section(keys, kKeyBytes, "KeyID.INI", files[folder + "KeyID.INI"], error) &&
         (files[folder + "Multilanuage.INI"] =
              std::string("; ") + kStamp + "\n[Config]\nLanguage=Chinese\n",
          true);
}

}  // namespace resgen
