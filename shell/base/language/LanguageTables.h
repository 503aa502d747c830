#pragma once
// The translator's tables (shell/base/Translator.h) and how a section of a
// language file or of the key file fills them: the profile reader's section
// buffer (NUL after each entry, one more after the last) split entry by
// entry, each entry split at its first '='.

#include "platform/afx/String.h"

#include <cstddef>

struct LngEntry {
  CString key;
  CString text;
};

struct KeyIdEntry {
  CString key;
  CString idText;
};

struct IdTextEntry {
  int id = 0;  // 0: never filled
  CString text;
};

constexpr int kTranslatorEntries = 1024;
constexpr int kLngSectionBytes = 20480;
constexpr int kKeyIdSectionBytes = 10240;
constexpr int kTranslatorLineMax = 255;  // characters of one entry
constexpr int kProfilePathMax = 260;

extern LngEntry g_LngTable[kTranslatorEntries];
extern KeyIdEntry g_KeyIdTable[kTranslatorEntries];
extern IdTextEntry g_IdTextTable[kTranslatorEntries];
extern char g_LngSectionBuf[kLngSectionBytes];
extern char g_KeyIdSectionBuf[kKeyIdSectionBytes];
extern char g_szProfilePath[kProfilePathMax];

// What a section parse left out, so that a damaged file is reported rather
// than read silently in part.
struct SectionParseReport {
  int entries = 0;      // entries stored or left empty, in file order
  int tooLong = 0;      // entries over kTranslatorLineMax characters (left empty)
  int beyondTable = 0;  // entries after the first kTranslatorEntries (ignored)
  bool Clean() const { return tooLong == 0 && beyondTable == 0; }
};

namespace language {

// Every entry of the buffer (at most size bytes) into g_LngTable or
// g_KeyIdTable, entry i at index i, up to the empty entry that closes the
// list; entries past the table's end are counted, not stored.
SectionParseReport ParseLngSection(const char* buffer, std::size_t size);
SectionParseReport ParseKeyIdSection(const char* buffer, std::size_t size);
// One entry, spaces trimmed: key := the text before the first '=', text :=
// the rest; without '=' the entry stays empty. False when the entry is
// longer than kTranslatorLineMax characters (it is then left empty).
bool ParseLngLine(int index, const CString& line);
bool ParseKeyIdLine(int index, const CString& line);

}  // namespace language

// Text to number as the key file's ids are read: blanks removed, upper-cased,
// a leading "-" negates, every "+" and "-" dropped, "0X" reads hexadecimal,
// else the leading decimal digits (0 when none).
int TranslatorIdValue(const CString& text);
