#pragma once
// Process-wide locks of the analysis core. Each lock is created lazily on its
// first use; the creation is serialised by one process-wide mutex, so two
// threads reaching a first use together create the lock once.
#include <atomic>
#include <mutex>
#include <optional>

namespace SgCore {

// A lock that exists only after InitCoreLock has created it.
struct CoreLock {
  std::optional<std::mutex> section;
};

// Creates `lock` once (flag 0 -> 1) under the process mutex. 0 on success;
// -1 with the flag left 0 when the process mutex cannot be created.
int InitCoreLock(CoreLock& lock, std::atomic<int>* created);
int EnterCoreLock(CoreLock& lock);
int LeaveCoreLock(CoreLock& lock);
int DeleteCoreLock(CoreLock& lock);

// 0 when the noise lock exists or was created now, else InitCoreLock's -1.
int InitNoiseLock();
CoreLock& NoiseLock();
// The same for the spare lock, which nothing takes.
int InitSpareLock();

// Closes the process mutex; registered for process exit on its creation.
void CloseCoreMutex();

// Test seams: make the process mutex's creation fail, and count creations.
void SetCoreMutexCreationFailsForTesting(bool fails);
int CoreMutexCreationCountForTesting();
bool CoreMutexExistsForTesting();

}  // namespace SgCore
