// The pool of engine work blocks: four slots filled on first use, taken and
// returned under the pool lock, emptied at process exit.
#include "analysis/core/CoreLocks.h"
#include "analysis/fft/FftPlan.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace SgCore::fft {
namespace {

constexpr int kSlots = 4;

struct WorkPool {
  double* slots[kSlots] = {};
  std::atomic<bool> filled{false};
  std::atomic<int> lockCreated{0};
  CoreLock lock;
};
WorkPool g_FftWorkPool;

double* NewBlock() { return static_cast<double*>(std::malloc(kWorkBlockBytes)); }

void TearDownPool() {
  if (g_FftWorkPool.lockCreated.exchange(0)) DeleteCoreLock(g_FftWorkPool.lock);
  for (double*& slot : g_FftWorkPool.slots) {
    std::free(slot);
    slot = nullptr;
  }
  g_FftWorkPool.filled = false;
}

}  // namespace

double* FftWorkBlockAcquire() {
  WorkPool& pool = g_FftWorkPool;
  if (!pool.filled.load(std::memory_order_acquire)) {
    if (!pool.lockCreated.load(std::memory_order_acquire) &&
        InitCoreLock(pool.lock, &pool.lockCreated) != 0)
      return nullptr;
    EnterCoreLock(pool.lock);
    // Filled again under the lock: only the first thread fills the slots.
    if (!pool.filled.load(std::memory_order_relaxed)) {
      for (double*& slot : pool.slots)
        if (!(slot = NewBlock())) break;
      std::atexit(TearDownPool);
      pool.filled.store(true, std::memory_order_release);
    }
  } else {
    EnterCoreLock(pool.lock);
  }
  for (double*& slot : pool.slots)
    if (slot) {
      double* block = slot;
      slot = nullptr;
      LeaveCoreLock(pool.lock);
      return block;
    }
  LeaveCoreLock(pool.lock);
  return NewBlock();
}

void FftWorkBlockRelease(double* block) {
  if (!block) return;
  WorkPool& pool = g_FftWorkPool;
  EnterCoreLock(pool.lock);
  for (double*& slot : pool.slots)
    if (!slot) {
      slot = block;
      LeaveCoreLock(pool.lock);
      return;
    }
  LeaveCoreLock(pool.lock);
  std::free(block);
}

int FftWorkPoolFreeCountForTesting() {
  WorkPool& pool = g_FftWorkPool;
  if (!pool.lockCreated.load()) return 0;
  EnterCoreLock(pool.lock);
  int count = 0;
  for (double* slot : pool.slots) count += slot != nullptr;
  LeaveCoreLock(pool.lock);
  return count;
}

}  // namespace SgCore::fft
