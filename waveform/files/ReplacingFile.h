#pragma once
// A file written under a temporary name beside its target and put in the
// target's place only when every byte was written, so that a failed save
// leaves an earlier file of that name as it was. Writes are collected into
// large blocks before they reach the file.

#include "platform/afx/File.h"
#include "waveform/files/WaveFileStatus.h"

#include <cstddef>
#include <vector>

class ReplacingFile {
 public:
  static constexpr std::size_t kBlock = std::size_t{4} << 20;

  explicit ReplacingFile(const CString& target);
  // Removes the temporary file unless Commit put it in place.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false with a status of message 634.
  bool Open(WaveFileStatus& status);

  // Room for n more bytes at the returned address; Advance(n) keeps them.
  // A full block goes to the file first (a failure throws CFileException).
  char* Room(std::size_t n) {
    if (m_used + n > m_block.size()) Drain(n);
    return m_block.data() + m_used;
  }
  void Advance(std::size_t n) { m_used += n; }
  void Append(const char* text, std::size_t n);

  // Writes what is held, closes the file and moves it over the target;
  // false with a status of message 634 (the target is then unchanged).
  bool Commit(WaveFileStatus& status);

 private:
  void Drain(std::size_t room);

  CString m_target;
  CString m_temporary;
  CFile m_file;
  std::vector<char> m_block;
  std::size_t m_used = 0;
  bool m_committed = false;
};
