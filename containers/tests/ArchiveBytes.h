#pragma once
// Objects stored into memory through the framework's archive, and archive
// words written by hand: for the archive-format tests and the fuzz targets
// of vectors and matrices.

#include <vector>

#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

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

inline std::vector<BYTE> Words(std::initializer_list<DWORD> words) {
  std::vector<BYTE> bytes;
  for (DWORD w : words)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(w >> (8 * i)));
  return bytes;
}
