#pragma once
// Storing objects into memory and loading them back through the
// framework's archive, for the archive-format tests of vectors and matrices.

#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

template <class Object>
std::vector<BYTE> Stored(Object& object) {
  CMemFile file;
  {
    CArchive archive(&file, CArchive::store);
    object.Serialize(archive);
    archive.Close();
  }
  return file.GetContents();
}

// Loads bytes into target; returns the archive exception's cause (0 when
// none was thrown) and checks it names the file.
template <class Object>
int LoadCause(Object& target, const std::vector<BYTE>& bytes) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SetFilePath("vectors.bin");
  CArchive archive(&file, CArchive::load);
  try {
    target.Serialize(archive);
  } catch (CArchiveException* e) {
    const int cause = e->m_cause;
    EXPECT_STREQ(e->m_strFileName, "vectors.bin");
    e->Delete();
    return cause;
  }
  return 0;
}

inline std::vector<BYTE> Words(std::initializer_list<DWORD> words) {
  std::vector<BYTE> bytes;
  for (DWORD w : words)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(w >> (8 * i)));
  return bytes;
}
