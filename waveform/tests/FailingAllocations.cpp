#include "FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace failing_allocations {

namespace {
long countdown = 0;  // 0: disarmed
bool fired = false;
}  // namespace

void Arm(long n) {
  countdown = n;
  fired = false;
}

void Disarm() { countdown = 0; }

bool Fired() { return fired; }

}  // namespace failing_allocations

namespace {

bool Refuse() {
  using namespace failing_allocations;
  if (countdown > 0 && --countdown == 0) {
    fired = true;
    return true;
  }
  return false;
}

void* Allocate(std::size_t size) {
  if (Refuse()) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

}  // namespace

// Sample arrays come from calloc and malloc, not operator new; they count too.
extern "C" bool PelmoranRefuseSampleAllocation() { return Refuse(); }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
