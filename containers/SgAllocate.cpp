#include "containers/SgAllocate.h"

#include <sys/mman.h>

namespace SG {

void AdviseHugePages(void* p, std::size_t bytes) {
  // Below a few huge pages the advice buys nothing (numpy's threshold).
  constexpr std::size_t kFrom = std::size_t(4) << 20, kPage = 4096;
  if (bytes < kFrom) return;
  const auto start = (reinterpret_cast<std::uintptr_t>(p) + kPage - 1) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(p) + bytes;
  // Advice only: where the system has no huge pages the call fails harmlessly.
  madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace SG
