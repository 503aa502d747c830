#pragma once
// Counts the heap bytes a benchmark holds and their peak, by replacing the
// global operator new and delete. Include it in exactly one file of a
// benchmark program (the replacements must be defined once).

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace heap_count {
// Bytes in use now and at their peak; set the peak to the bytes in use to
// measure from a point on.
inline std::size_t g_inUse = 0, g_peak = 0;

inline void* Allocate(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  g_inUse += malloc_usable_size(p);
  g_peak = std::max(g_peak, g_inUse);
  return p;
}

inline void Release(void* p) noexcept {
  if (p) g_inUse -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace heap_count

void* operator new(std::size_t size) { return heap_count::Allocate(size); }
void* operator new[](std::size_t size) { return heap_count::Allocate(size); }
void operator delete(void* p) noexcept { heap_count::Release(p); }
void operator delete[](void* p) noexcept { heap_count::Release(p); }
void operator delete(void* p, std::size_t) noexcept { heap_count::Release(p); }
void operator delete[](void* p, std::size_t) noexcept { heap_count::Release(p); }
