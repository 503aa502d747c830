// The archive form of CSgVectorT<T>; included by CSgVectorT.h.
// Layout: version 0, element size, count (4-byte words), then the elements
// in index order in their own width, little-endian. A load that fails
// leaves the vector as it was.
#pragma once

#include "containers/SgArchiveIo.h"

namespace SG {

template <class T>
void CSgVectorT<T>::Serialize(CArchive& archive) {
  CObject::Serialize(archive);
  if (archive.IsStoring()) {
    WriteArchiveHeader(archive, GetElementSize(), GetSize());
    if (GetSize()) archive.Write(m_data.get(), GetByteSize());
  } else {
    const DWORD count = ReadArchiveHeader(archive, GetElementSize());
    const std::vector<T> elements = ReadArchiveElements<T>(archive, count);
    Assign(elements.data(), count);
  }
}

}  // namespace SG
