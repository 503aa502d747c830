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
#include <utility>
#include <vector>

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

// Memory for samples: bytes (zeroed or not), nullptr when there is none;
// released only by ReleaseSampleMemory. It comes from malloc, so a block
// freed earlier is used again as numpy's arrays are. A large block is
// advised onto transparent huge pages as numpy advises its arrays, and also
// lies on huge-page boundaries (a header before it keeps malloc's pointer):
// every page of it then faults in whole, where an unaligned block's first
// and last partial huge page fault 4 KB at a time, a thousand faults that
// cost more than clearing the rest of a 20 MB block.
void* AllocateSampleMemory(std::size_t bytes, bool zeroed);
void ReleaseSampleMemory(void* p) noexcept;

struct FreeSamples {
  void operator()(void* p) const { ReleaseSampleMemory(p); }
};
template <class T>
using SampleArray = std::unique_ptr<T[], FreeSamples>;

// madvise(MADV_HUGEPAGE) over the whole pages of a large block.
void AdviseHugePages(void* p, std::size_t bytes);

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
  void* p = AllocateSampleMemory(count * sizeof(T), zeroed);
  if (!p) AfxThrowMemoryException();
  return SampleArray<T>(static_cast<T*>(p));
}

// A vector's memory from AllocateSampleMemory: a long one lies on huge pages
// (a fresh 20 MB copy then faults in ten pages rather than five thousand,
// each of which costs as much as clearing a huge page on a virtual machine),
// and growing the vector leaves the new elements uninitialised: its users
// write every element before reading it, so zeroing first would be a pass
// over the memory for nothing. Throws std::bad_alloc as std::allocator does.
template <class T>
struct SampleAllocator {
  using value_type = T;
  SampleAllocator() = default;
  template <class U>
  SampleAllocator(const SampleAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    void* p = AllocateSampleMemory(n * sizeof(T), false);
    if (!p) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t) noexcept { ReleaseSampleMemory(p); }
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;  // default-initialised: no zeroing
  }
  template <class U, class... A>
  void construct(U* p, A&&... a) {
    ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
  }
  friend bool operator==(const SampleAllocator&, const SampleAllocator&) { return true; }
};
template <class T>
using SampleVector = std::vector<T, SampleAllocator<T>>;

}  // namespace SG
