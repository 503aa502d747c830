#pragma once
// The lines of a text file, read in large chunks: each line without its line
// feed and without one carriage return before it, so LF and CR LF may mix;
// a line split between two chunks comes out whole; a UTF-8 byte-order mark
// at the start of the file is dropped; the last line needs no line feed.
// NUL bytes that end the file are padding (a file written through a mapping
// of whole pages ends in them) and are dropped; a NUL anywhere else stays in
// its line, which no reader takes as a value.
// Read failures of the file leave as the framework's CFileException.

#include "platform/afx/File.h"

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

// Takes the first line off rest. With final clear, a last line without a
// line feed is not taken (it may go on in the next chunk). False when no
// line was taken.
inline bool TakeLine(std::string_view& rest, std::string_view& line, bool final) {
  const char* begin = rest.data();
  const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', rest.size()));
  if (!lf) {
    if (!final || rest.empty()) return false;
    line = rest;
    rest = rest.substr(rest.size());
  } else {
    line = std::string_view(begin, lf - begin);
    rest.remove_prefix(lf - begin + 1);
  }
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}

// True for a line of blanks, tabs and nothing else (an empty line too).
bool IsBlankLine(std::string_view line);

class LineChunks {
 public:
  // Longest line kept: a longer one is refused as unreadable.
  static constexpr std::size_t kMaxLine = std::size_t{64} << 20;

  LineChunks(CFile& file, std::size_t chunkSize);

  // The next line; false at the end of the file, or when a line is longer
  // than kMaxLine (TooLong() then tells, and LineNumber() names it).
  bool Next(std::string_view& line) {
    while (!TakeLine(m_rest, line, m_end))
      if (!Refill()) return false;
    ++m_line;
    return true;
  }

  // The number (from 1) of the line Next gave last.
  long long LineNumber() const { return m_line; }
  bool TooLong() const { return m_tooLong; }
  // The text read but not yet taken: after construction, the first chunk.
  std::string_view Unread() const { return m_rest; }
  // True when the file has been read to its end.
  bool AtEnd() const { return m_end; }

 private:
  bool Refill();

  CFile& m_file;
  std::size_t m_chunk;
  std::vector<char> m_buffer;
  std::string_view m_rest;
  long long m_line = 0;
  bool m_end = false;
  bool m_tooLong = false;
};
