#include "instrument/BlockBuffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace linkio {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// A mapping of its own that starts and ends on huge-page boundaries, all of
// it advised onto huge pages. Memory from malloc starts a little past a
// boundary, and the part of a huge page it shares with the allocator's own
// bytes is mapped in small pages: up to a thousand faults at each end, which
// on a virtual machine cost as much as the rest of the buffer.
class HugeBlock {
 public:
  HugeBlock() = default;
  explicit HugeBlock(std::size_t bytes) : size_((bytes + kHugePage - 1) / kHugePage * kHugePage) {
    const std::size_t span = size_ + kHugePage;  // room to move the start to a boundary
    void* p = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    const auto raw = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t start = (raw + kHugePage - 1) & ~(kHugePage - 1);
    if (start > raw) munmap(p, start - raw);
    if (const std::uintptr_t end = start + size_; end < raw + span)
      munmap(reinterpret_cast<void*>(end), raw + span - end);
    data_ = reinterpret_cast<BYTE*>(start);
    // Advice only: where the system has no huge pages the call fails harmlessly.
    madvise(data_, size_, MADV_HUGEPAGE);
  }
  ~HugeBlock() {
    if (data_) munmap(data_, size_);
  }
  HugeBlock(HugeBlock&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }
  HugeBlock& operator=(HugeBlock&& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    return *this;
  }

  BYTE* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  BYTE* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace

BlockBuffer NewBlockBuffer(std::size_t bytes) {
  void* p = std::malloc(bytes ? bytes : 1);
  if (!p) throw std::bad_alloc();
  SG::AdviseHugePages(p, bytes);
  return BlockBuffer(static_cast<BYTE*>(p));
}

BYTE* KeptBlockBuffer(std::size_t bytes) {
  thread_local HugeBlock kept;
  if (!kept.data() || kept.size() < bytes) {
    kept = HugeBlock();  // the old pages go before the new ones come
    kept = HugeBlock(bytes ? bytes : 1);
  }
  return kept.data();
}

}  // namespace linkio
