// libFuzzer entry: a file as the translator reads it at start-up. The first
// byte chooses the table (language or key file) and the section buffer: the
// translator's own size or a small one, so that every way of not fitting is
// reached; the rest is the file. Promises: the profile reader writes nothing
// past its buffer and closes its list within it; a file is parsed only when
// no byte of it could split an entry, and then every entry of the buffer
// lands at its own index; the language profile's value reads back as it was
// written.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/win/PrivateProfile.h"
#include "shell/base/language/LanguageFile.h"

namespace {

// A file of this process alone: replays run beside other tests.
const std::string& InputPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() /
       ("pelmoran-language-fuzz-" + std::to_string(::getpid()) + ".lng"))
          .string();
  return path;
}

// The entries of a section buffer as the reader closed it: each up to its
// NUL, ending at the empty one (or the buffer's end).
std::vector<std::string> Entries(const std::vector<char>& buffer) {
  std::vector<std::string> entries;
  std::size_t pos = 0;
  while (pos < buffer.size() && buffer[pos] != '\0') {
    const std::size_t length = strnlen(buffer.data() + pos, buffer.size() - pos);
    entries.emplace_back(buffer.data() + pos, length);
    pos += length + 1;
  }
  return entries;
}

void CheckSection(const std::string& path, bool keyFile, DWORD size) {
  std::vector<char> buffer(size, '\x7F');  // exactly the size: the sanitizer sees a byte past it
  const auto parse = keyFile ? language::ParseKeyIdSection : language::ParseLngSection;
  const language::FileRead read =
      language::ReadSectionFile(path.c_str(), buffer.data(), size, parse);
  using State = language::FileRead::State;
  if (read.state == State::Damaged) {
    FUZZ_PROMISE(read.damagedLine > 0);
    return;
  }
  FUZZ_PROMISE(read.damagedLine == 0);
  // The same file read again: the list is closed inside the buffer, by the
  // NUL after its last entry and one more, or by two NULs when it was cut.
  std::vector<char> again(size, '\x7F');
  const DWORD count = GetPrivateProfileSection("Translation", again.data(), size, path.c_str());
  // With a two-byte buffer a cut list and an empty section both count 0:
  // the reader takes it as cut.
  const bool cut = size >= 2 && count == size - 2;
  FUZZ_PROMISE((read.state == State::TooLarge) == cut);
  FUZZ_PROMISE((read.state == State::Empty) == (count == 0 && !cut));
  FUZZ_PROMISE(count < size && again[count] == '\0');
  if (cut)
    FUZZ_PROMISE(again[count + 1] == '\0');
  else
    FUZZ_PROMISE(count == 0 || again[count - 1] == '\0');
  if (read.state != State::Parsed) return;
  const std::vector<std::string> entries = Entries(again);
  FUZZ_PROMISE(read.report.entries ==
               static_cast<int>(std::min<std::size_t>(entries.size(), kTranslatorEntries)));
  FUZZ_PROMISE(read.report.beyondTable == static_cast<int>(entries.size()) - read.report.entries);
  // Entry i is at index i: its key is the text before its first '=' (the
  // entry's spaces at both ends trimmed), unless the entry is too long.
  for (std::size_t i = 0; i < entries.size() && i < kTranslatorEntries; ++i) {
    const CString& key = keyFile ? g_KeyIdTable[i].key : g_LngTable[i].key;
    std::string entry = entries[i];
    FUZZ_PROMISE(entry.find('\0') == std::string::npos);
    const std::size_t first = entry.find_first_not_of(' ');
    entry = first == std::string::npos ? "" : entry.substr(first);
    const std::size_t eq = entry.find('=');
    if (eq == std::string::npos || key.IsEmpty()) continue;
    FUZZ_PROMISE(key.str() == entry.substr(0, eq));
  }
}

// The language profile: a name written reads back, whatever else the file holds.
void CheckProfileWrite(const std::string& path) {
  if (!WritePrivateProfileString("Config", "Language", "English", path.c_str())) return;
  char name[256];
  GetPrivateProfileString("Config", "Language", "Chinese", name, sizeof name, path.c_str());
  FUZZ_PROMISE(std::strcmp(name, "English") == 0);
  char small[4];  // cut as the platform cuts: size - 1 characters and a NUL
  FUZZ_PROMISE(
      GetPrivateProfileString("Config", "Language", "", small, sizeof small, path.c_str()) == 3);
  FUZZ_PROMISE(std::strcmp(small, "Eng") == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  const bool keyFile = mode & 1;
  const DWORD whole = keyFile ? kKeyIdSectionBytes : kLngSectionBytes;
  const DWORD buffer = (mode & 2) ? whole : 1u + (mode >> 2);  // 1 to 64 bytes
  const std::string& path = InputPath();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  CheckSection(path, keyFile, buffer);
  CheckProfileWrite(path);
  std::remove(path.c_str());
  std::remove((path + ".new").c_str());
  return 0;
}
