#pragma once
// Scratch arrays of the transforms: malloc'd, so running out of memory is a
// null pointer the routine turns into -20001 rather than an exception.
#include "analysis/fft/FftPlan.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include <sys/mman.h>

namespace SgCore::fft {

struct FreeDeleter {
  void operator()(double* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<double[], FreeDeleter>;

// Arrays from this size on go on huge pages where the system offers them,
// their size rounded up to whole huge pages (a tail shorter than one falls
// back to 4 KiB pages). A first touch costs a fault per page, which on some
// virtual machines is tens of microseconds: a 10^6-point array's last
// 1.6 MiB on small pages cost over 10 ms, clearing a huge page 0.2 ms. The
// four-step transposes also touch a new 4 KiB page with almost every row.
inline constexpr size_t kHugePagesFrom = size_t(512) << 10;

// Uninitialised; null when memory is short.
inline void* AllocateBytes(size_t bytes) {
  if (bytes < kHugePagesFrom) return std::malloc(bytes);
  const size_t huge = size_t(2) << 20, rounded = (bytes + huge - 1) / huge * huge;
  void* p = nullptr;
  if (posix_memalign(&p, huge, rounded) != 0) return nullptr;
  madvise(p, rounded, MADV_HUGEPAGE);
  return p;
}

// Uninitialised; null when memory is short.
inline Buffer Allocate(Index count) {
  return Buffer(static_cast<double*>(AllocateBytes(size_t(count) * sizeof(double))));
}

// The tables of a plan: vectors whose large storage comes from
// AllocateBytes.
template <typename T>
struct TableAllocator {
  using value_type = T;
  TableAllocator() = default;
  template <typename U>
  TableAllocator(const TableAllocator<U>&) {}
  T* allocate(size_t count) {
    if (void* p = AllocateBytes(count * sizeof(T))) return static_cast<T*>(p);
    throw std::bad_alloc();
  }
  void deallocate(T* p, size_t) { std::free(p); }
  template <typename U>
  bool operator==(const TableAllocator<U>&) const {
    return true;
  }
};
template <typename T>
using Table = std::vector<T, TableAllocator<T>>;

// Zero-filled; null when memory is short.
inline Buffer AllocateZeroed(Index count) {
  return Buffer(static_cast<double*>(std::calloc(size_t(count), sizeof(double))));
}

}  // namespace SgCore::fft
