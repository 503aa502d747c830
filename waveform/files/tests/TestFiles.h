#pragma once
// Files for the reader and writer tests: a fresh folder per test (the
// platform tests' own), whole-file reads and writes, memory files.

#include "platform/afx/MemFile.h"
#include "platform/afx/tests/TempFolder.h"

#include <fstream>
#include <iterator>
#include <string>

using TestFolder = TempFolder;

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A memory file holding text, for the readers.
inline CMemFile MemoryFile(const std::string& text) {
  return CMemFile(reinterpret_cast<const BYTE*>(text.data()), static_cast<UINT>(text.size()));
}
