#include "shell/base/language/LanguageTables.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <string>

LngEntry g_LngTable[kTranslatorEntries];
KeyIdEntry g_KeyIdTable[kTranslatorEntries];
IdTextEntry g_IdTextTable[kTranslatorEntries];
char g_LngSectionBuf[kLngSectionBytes];
char g_KeyIdSectionBuf[kKeyIdSectionBytes];
char g_szProfilePath[kProfilePathMax];

namespace {

int CharacterCount(const CString& text) {
  int count = 0;
  for (unsigned char c : text.str())
    if ((c & 0xC0) != 0x80) ++count;  // UTF-8 continuation bytes do not start a character
  return count;
}

// key := the text before the first '=', text := the rest; an entry without
// '=' stays empty, so the entries after it keep their place.
template <class Entry, class Text>
bool ParseLine(Entry& entry, const CString& raw, Text Entry::*second) {
  entry.key.Empty();
  (entry.*second).Empty();
  if (CharacterCount(raw) > kTranslatorLineMax) return false;
  std::string line = raw.str();
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return true;
  line = line.substr(first, line.find_last_not_of(' ') - first + 1);
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return true;
  entry.key = CString(std::string_view(line).substr(0, eq));
  entry.*second = CString(std::string_view(line).substr(eq + 1));
  return true;
}

// Every entry up to the empty one that closes the list. An entry of one
// character is an entry like any other (it has no '=' and stays empty);
// entries past the table's end are counted, not stored.
template <class Parse>
SectionParseReport ParseSection(const char* buffer, size_t size, Parse parseLine) {
  SectionParseReport report;
  if (!buffer) return report;
  size_t pos = 0;
  int index = 0;
  while (pos < size && buffer[pos] != '\0') {
    const size_t length = strnlen(buffer + pos, size - pos);
    if (index < kTranslatorEntries) {
      if (!parseLine(index, CString(buffer + pos, static_cast<int>(length)))) ++report.tooLong;
    } else {
      ++report.beyondTable;
    }
    ++index;
    pos += length + 1;
  }
  report.entries = std::min(index, kTranslatorEntries);
  return report;
}

}  // namespace

namespace language {

bool ParseLngLine(int index, const CString& line) {
  if (index < 0 || index >= kTranslatorEntries) return false;
  return ParseLine(g_LngTable[index], line, &LngEntry::text);
}

bool ParseKeyIdLine(int index, const CString& line) {
  if (index < 0 || index >= kTranslatorEntries) return false;
  return ParseLine(g_KeyIdTable[index], line, &KeyIdEntry::idText);
}

SectionParseReport ParseLngSection(const char* buffer, size_t size) {
  return ParseSection(buffer, size, ParseLngLine);
}

SectionParseReport ParseKeyIdSection(const char* buffer, size_t size) {
  return ParseSection(buffer, size, ParseKeyIdLine);
}

}  // namespace language

int TranslatorIdValue(const CString& text) {
  std::string s;
  for (char c : text.str())
    if (c != ' ') s += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const bool negative = !s.empty() && s.front() == '-';
  std::string digits;
  for (char c : s)
    if (c != '+' && c != '-') digits += c;
  int base = 10;
  size_t pos = 0;
  if (digits.rfind("0X", 0) == 0) {
    base = 16;
    pos = 2;
  }
  long long value = 0;
  for (; pos < digits.size(); ++pos) {
    const char c = digits[pos];
    int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                : (base == 16 && c >= 'A' && c <= 'F')      ? c - 'A' + 10
                                                            : -1;
    if (digit < 0) break;
    value = std::min<long long>(value * base + digit, static_cast<long long>(INT_MAX) + 1);
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
