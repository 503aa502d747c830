#pragma once
// Storing objects into memory and loading them back through the
// framework's archive, for the archive-format tests of vectors and matrices.

#include "containers/tests/ArchiveBytes.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
