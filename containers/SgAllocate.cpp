#include "containers/SgAllocate.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>

namespace SG {
namespace {
// Below a few huge pages the advice buys nothing (numpy's threshold).
constexpr std::size_t kFrom = std::size_t(4) << 20, kPage = 4096;
constexpr std::size_t kHugePage = std::size_t(2) << 20;
}  // namespace

void* AllocateUninitialised(std::size_t bytes) {
  if (bytes < kFrom) return std::malloc(bytes ? bytes : 1);
  if (bytes > SIZE_MAX - kHugePage) return nullptr;
  const std::size_t whole = (bytes + kHugePage - 1) & ~(kHugePage - 1);
  void* p = nullptr;
  if (posix_memalign(&p, kHugePage, whole) != 0) return nullptr;
  AdviseHugePages(p, whole);
  return p;
}

void AdviseHugePages(void* p, std::size_t bytes) {
  if (bytes < kFrom) return;
  const auto start = (reinterpret_cast<std::uintptr_t>(p) + kPage - 1) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(p) + bytes;
  // Advice only: where the system has no huge pages the call fails harmlessly.
  madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace SG
