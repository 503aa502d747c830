#include "analysis/core/CoreLocks.h"

#include <cstdlib>

namespace SgCore {
namespace {

// The process mutex, created on first need; a pointer so that its creation
// can fail and be retried like the named object it stands for.
std::atomic<std::mutex*> g_CoreMutex{nullptr};
std::atomic<bool> g_CreationFails{false};
std::atomic<int> g_CreationCount{0};

CoreLock g_NoiseLock;
std::atomic<int> g_NoiseLockCreated{0};
CoreLock g_SpareLock;
std::atomic<int> g_SpareLockCreated{0};

std::mutex* AcquireCoreMutex() {
  std::mutex* existing = g_CoreMutex.load(std::memory_order_acquire);
  if (existing) return existing;
  if (g_CreationFails.load()) return nullptr;
  auto* fresh = new (std::nothrow) std::mutex;
  if (!fresh) return nullptr;
  // Another thread may have stored its mutex meanwhile: use that one.
  if (!g_CoreMutex.compare_exchange_strong(existing, fresh, std::memory_order_acq_rel)) {
    delete fresh;
    return existing;
  }
  g_CreationCount.fetch_add(1);
  std::atexit(CloseCoreMutex);
  return fresh;
}

void DeleteNoiseLockAtExit() {
  if (g_NoiseLockCreated.exchange(0)) DeleteCoreLock(g_NoiseLock);
}
void DeleteSpareLockAtExit() {
  if (g_SpareLockCreated.exchange(0)) DeleteCoreLock(g_SpareLock);
}

std::once_flag g_NoiseExitOnce, g_SpareExitOnce;

int InitLockOnce(CoreLock& lock, std::atomic<int>& created, std::once_flag& exitOnce,
                 void (*atExit)()) {
  if (created.load(std::memory_order_acquire)) return 0;
  int code = InitCoreLock(lock, &created);
  // Register the teardown exactly once, whichever thread created the lock.
  if (code == 0) std::call_once(exitOnce, [&] { std::atexit(atExit); });
  return code;
}

}  // namespace

int InitCoreLock(CoreLock& lock, std::atomic<int>* created) {
  std::mutex* mutex = AcquireCoreMutex();
  if (!mutex) {
    created->store(0);
    return -1;
  }
  std::lock_guard hold(*mutex);
  // Tested again under the mutex: another thread may have created it.
  if (created->load(std::memory_order_acquire) == 0) {
    lock.section.emplace();
    created->store(1, std::memory_order_release);
  }
  return 0;
}

int EnterCoreLock(CoreLock& lock) {
  lock.section->lock();
  return 0;
}

int LeaveCoreLock(CoreLock& lock) {
  lock.section->unlock();
  return 0;
}

int DeleteCoreLock(CoreLock& lock) {
  lock.section.reset();
  return 0;
}

int InitNoiseLock() {
  return InitLockOnce(g_NoiseLock, g_NoiseLockCreated, g_NoiseExitOnce, DeleteNoiseLockAtExit);
}
CoreLock& NoiseLock() { return g_NoiseLock; }
int InitSpareLock() {
  return InitLockOnce(g_SpareLock, g_SpareLockCreated, g_SpareExitOnce, DeleteSpareLockAtExit);
}

void CloseCoreMutex() { delete g_CoreMutex.exchange(nullptr); }

void SetCoreMutexCreationFailsForTesting(bool fails) { g_CreationFails.store(fails); }
int CoreMutexCreationCountForTesting() { return g_CreationCount.load(); }
bool CoreMutexExistsForTesting() { return g_CoreMutex.load() != nullptr; }

}  // namespace SgCore
