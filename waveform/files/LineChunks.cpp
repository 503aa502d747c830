#include "waveform/files/LineChunks.h"

#include <algorithm>

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

LineChunks::LineChunks(CFile& file, std::size_t chunkSize)
    : m_file(file), m_chunk(std::max<std::size_t>(chunkSize, 1)) {
  while (m_rest.size() < 3 && Refill()) {
  }
  if (m_rest.substr(0, 3) == "\xEF\xBB\xBF") m_rest.remove_prefix(3);
}

bool LineChunks::Refill() {
  if (m_end) return false;
  // Keep the unfinished line at the front and read the next chunk after it.
  // A run of NULs at its end is kept as one NUL: the run is either padding
  // up to the end of the file or damage that refuses the line, however long.
  std::size_t kept = m_rest.size();
  while (kept >= 2 && m_rest[kept - 1] == '\0' && m_rest[kept - 2] == '\0') --kept;
  if (kept >= kMaxLine) {
    ++m_line;
    m_tooLong = true;
    return false;
  }
  const std::size_t want = std::max(m_chunk, kept);  // at least doubles a long line
  if (m_buffer.size() < kept + want) {
    std::vector<char> bigger(kept + want);
    std::copy(m_rest.begin(), m_rest.begin() + kept, bigger.begin());
    m_buffer.swap(bigger);
  } else if (kept) {
    std::memmove(m_buffer.data(), m_rest.data(), kept);
  }
  std::size_t got = 0;
  while (got < want) {
    const std::size_t ask = std::min<std::size_t>(want - got, 1u << 30);
    const UINT n = m_file.Read(m_buffer.data() + kept + got, static_cast<UINT>(ask));
    got += n;
    if (n < ask) {
      m_end = true;
      break;
    }
  }
  std::size_t size = kept + got;
  // Files written through a mapping of whole pages end in NUL padding.
  if (m_end)
    while (size > 0 && m_buffer[size - 1] == '\0') --size;
  m_rest = std::string_view(m_buffer.data(), size);
  return true;
}
