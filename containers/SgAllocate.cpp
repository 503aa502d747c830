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

void* AllocateSampleMemory(std::size_t bytes, bool zeroed) {
  // The header holds malloc's pointer; a large block starts on the first
  // huge-page boundary after it and ends on one within the allocation.
  constexpr std::size_t kHeader = 16;
  const bool large = bytes >= kFrom;
  if (bytes > SIZE_MAX - 2 * kHugePage) return nullptr;
  const std::size_t whole = large ? (bytes + kHugePage - 1) & ~(kHugePage - 1) : bytes;
  const std::size_t total = whole + kHeader + (large ? kHugePage : 0);
  void* raw = zeroed ? std::calloc(1, total) : std::malloc(total);
  if (!raw) return nullptr;
  const auto at = reinterpret_cast<std::uintptr_t>(raw) + kHeader;
  const std::uintptr_t start = large ? (at + kHugePage - 1) & ~(kHugePage - 1) : at;
  void* p = reinterpret_cast<void*>(start);
  static_cast<void**>(p)[-1] = raw;
  if (large) AdviseHugePages(p, whole);
  return p;
}

void ReleaseSampleMemory(void* p) noexcept {
  if (p) std::free(static_cast<void**>(p)[-1]);
}

void AdviseHugePages(void* p, std::size_t bytes) {
  if (bytes < kFrom) return;
  const auto start = (reinterpret_cast<std::uintptr_t>(p) + kPage - 1) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(p) + bytes;
  // Advice only: where the system has no huge pages the call fails harmlessly.
  madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace SG
