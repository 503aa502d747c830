#include "shell/base/language/LanguageFile.h"

#include "platform/win/PrivateProfile.h"

#include <fstream>
#include <iterator>
#include <string>

namespace language {

long long FirstDamagedLine(std::string_view bytes) {
  long long line = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n') {
      ++line;
    } else if (c == '\r') {
      if (i + 1 < bytes.size() && bytes[i + 1] != '\n') return line;  // a line end ends a file too
    } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
      return line;
    }
  }
  return 0;
}

FileRead ReadSectionFile(LPCSTR path, char* buffer, DWORD size, SectionParser parse) {
  FileRead read;
  {
    std::ifstream in(path ? path : "", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    read.damagedLine = FirstDamagedLine(bytes);
  }
  if (read.damagedLine != 0) {
    read.state = FileRead::State::Damaged;
    return read;
  }
  const DWORD count = GetPrivateProfileSection("Translation", buffer, size, path);
  if (size >= 2 && count == size - 2) {
    read.state = FileRead::State::TooLarge;
  } else if (count == 0) {
    read.state = FileRead::State::Empty;
  } else {
    read.state = FileRead::State::Parsed;
    read.report = parse(buffer, size);
  }
  return read;
}

}  // namespace language
