#pragma once
// Files for the reader and writer tests: a fresh folder per test, removed
// afterwards, and whole-file reads and writes.

#include "platform/afx/MemFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

class TestFolder {
 public:
  TestFolder() {
    static int counter = 0;
    m_path = std::filesystem::temp_directory_path() /
             ("pelmoran-files-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_path);
  }
  ~TestFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::string operator/(const std::string& name) const { return (m_path / name).string(); }
  const std::filesystem::path& path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

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
