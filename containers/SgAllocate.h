#pragma once
// Element arrays of the containers. A failed allocation raises the
// framework's out-of-memory exception, as the framework's new does.

#include "platform/afx/Exception.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

namespace SG {

// count uninitialised elements (trivial element types).
template <class T>
std::unique_ptr<T[]> AllocateArray(std::size_t count) {
  try {
    return std::unique_ptr<T[]>(new T[count]);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}

// The samples of the typed vectors, allocated as numpy allocates its arrays
// on Linux: large ones are advised onto transparent huge pages, so a fresh
// waveform of 160 MB faults in 80 pages rather than 40,000, and zero-filled
// ones come from calloc, which takes pages fresh from the system as they
// are (already zero) instead of writing them a second time.
struct FreeSamples {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using SampleArray = std::unique_ptr<T[], FreeSamples>;

// madvise(MADV_HUGEPAGE) over the whole pages of a large block.
void AdviseHugePages(void* p, std::size_t bytes);

// bytes of uninitialised memory for std::free, nullptr when there is none.
// A large block starts and ends on a huge-page boundary and is advised onto
// huge pages: every page of it then faults in whole. (Unaligned, its first
// and last partial huge page fault in 4 KB at a time: up to a thousand
// faults, which cost more than clearing the rest of a 20 MB block.)
void* AllocateUninitialised(std::size_t bytes);

}  // namespace SG

// Tests that run out of memory on purpose define this to refuse a sample
// allocation as they refuse operator new; the program leaves it undefined.
extern "C" bool PelmoranRefuseSampleAllocation() __attribute__((weak));

namespace SG {

template <class T>
SampleArray<T> AllocateSamples(std::size_t count, bool zeroed) {
  static_assert(std::is_trivially_copyable_v<T>, "samples are plain numbers");
  if (count > SIZE_MAX / sizeof(T)) AfxThrowMemoryException();
  if (PelmoranRefuseSampleAllocation && PelmoranRefuseSampleAllocation()) AfxThrowMemoryException();
  void* p = nullptr;
  if (zeroed) {
    p = std::calloc(count, sizeof(T));
    if (p) AdviseHugePages(p, count * sizeof(T));
  } else {
    p = AllocateUninitialised(count * sizeof(T));
  }
  if (!p) AfxThrowMemoryException();
  return SampleArray<T>(static_cast<T*>(p));
}

}  // namespace SG
