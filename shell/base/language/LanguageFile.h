#pragma once
// Reading one language file or the key file: its bytes checked, its section
// "Translation" read with the platform's profile reader into the fixed
// buffer, and the buffer parsed into the translator's table. The translator
// (shell/base/Translator.h) turns each outcome into its box.

#include "platform/win/WinTypes.h"
#include "shell/base/language/LanguageTables.h"

#include <string_view>

namespace language {

struct FileRead {
  enum class State {
    Parsed,    // the section was parsed (report tells what it left out)
    Empty,     // no file, no section, or no entry in it
    TooLarge,  // the entries did not fit the buffer: nothing parsed
    Damaged,   // a byte no entry can hold: nothing parsed
  };
  State state = State::Empty;
  long long damagedLine = 0;  // Damaged: the line (from 1) holding that byte
  SectionParseReport report;  // Parsed
};

using SectionParser = SectionParseReport (*)(const char* buffer, std::size_t size);

// The number (from 1) of the first line holding a byte that no entry can
// hold, 0 when there is none. Such a byte would split or bend its entry, and
// entries are paired with the key file by position, so every later text would
// land on the wrong id: a NUL, a control character other than the tab, and a
// carriage return that does not end its line.
long long FirstDamagedLine(std::string_view bytes);

// Reads the file at path (a damaged file is not parsed at all), then its
// section "Translation" into buffer of size bytes, and parses it with parse.
FileRead ReadSectionFile(LPCSTR path, char* buffer, DWORD size, SectionParser parse);

}  // namespace language
