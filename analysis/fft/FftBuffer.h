#pragma once
// Scratch arrays of the transforms: malloc'd, so running out of memory is a
// null pointer the routine turns into -20001 rather than an exception.
#include "analysis/fft/FftPlan.h"

#include <cstdlib>
#include <memory>

#include <sys/mman.h>

namespace SgCore::fft {

struct FreeDeleter {
  void operator()(double* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<double[], FreeDeleter>;

// Uninitialised; null when memory is short. Large arrays go on huge pages
// where the system offers them: the four-step transposes touch a new 4 KiB
// page with almost every batch row, and a first touch costs a fault per
// page. Their size is rounded up to whole huge pages, since a tail shorter
// than one falls back to 4 KiB pages (a 10^6-point array's last 1.6 MiB
// cost hundreds of faults).
inline Buffer Allocate(Index count) {
  const size_t bytes = size_t(count) * sizeof(double);
  if (bytes < (size_t(4) << 20)) return Buffer(static_cast<double*>(std::malloc(bytes)));
  const size_t huge = size_t(2) << 20, rounded = (bytes + huge - 1) / huge * huge;
  void* p = nullptr;
  if (posix_memalign(&p, huge, rounded) != 0) return Buffer(nullptr);
  madvise(p, rounded, MADV_HUGEPAGE);
  return Buffer(static_cast<double*>(p));
}

// Zero-filled; null when memory is short.
inline Buffer AllocateZeroed(Index count) {
  return Buffer(static_cast<double*>(std::calloc(size_t(count), sizeof(double))));
}

}  // namespace SgCore::fft
