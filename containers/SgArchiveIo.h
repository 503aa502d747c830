#pragma once
// The container archive header (version 0, element size, count; 4-byte
// little-endian words) and reading element blocks of untrusted length. A
// stored count is never used to allocate up front: elements are read in
// chunks, so a count larger than what the archive holds fails at the real
// end of the data (endOfFile) without a huge allocation, and nothing is
// handed to the container until every element has been read.

#include "platform/afx/Archive.h"

#include <algorithm>
#include <vector>

namespace SG {

// The name the archive's file reports, for the archive exceptions.
CString ArchiveFileName(const CArchive& archive);

// Reads version and element size: badSchema for a version other than 0,
// badClass for another element size. Then the count.
DWORD ReadArchiveHeader(CArchive& archive, unsigned int elementSize);
void WriteArchiveHeader(CArchive& archive, unsigned int elementSize, DWORD count);

// Reads count elements of T (little-endian, their own width).
template <class T>
std::vector<T> ReadArchiveElements(CArchive& archive, std::size_t count) {
  constexpr std::size_t kChunk = (1u << 20) / sizeof(T);
  std::vector<T> elements;
  elements.reserve(std::min(count, kChunk));
  while (elements.size() < count) {
    const std::size_t have = elements.size();
    const std::size_t take = std::min(count - have, kChunk);
    elements.resize(have + take);
    const UINT bytes = static_cast<UINT>(take * sizeof(T));
    if (archive.Read(elements.data() + have, bytes) != bytes)
      AfxThrowArchiveException(CArchiveException::endOfFile, ArchiveFileName(archive));
  }
  return elements;
}

}  // namespace SG
