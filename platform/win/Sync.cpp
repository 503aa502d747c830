#include "platform/win/Sync.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <new>
#include <string>

#include "platform/win/HResult.h"
#include "platform/win/LastError.h"
#include "platform/win/Thread.h"

namespace {

std::recursive_mutex& Lock(LPCRITICAL_SECTION section) {
  return *std::launder(reinterpret_cast<std::recursive_mutex*>(section->storage));
}

// A recursive mutex that knows its owner, so ReleaseMutex can refuse others.
class MutexObject final : public KernelObject {
 public:
  DWORD Wait(DWORD milliseconds) override {
    const DWORD self = GetCurrentThreadId();
    std::unique_lock guard(lock_);
    auto free = [&] { return owner_ == 0 || owner_ == self; };
    if (milliseconds == INFINITE) {
      changed_.wait(guard, free);
    } else if (!changed_.wait_for(guard, std::chrono::milliseconds(milliseconds), free)) {
      return WAIT_TIMEOUT;
    }
    owner_ = self;
    ++count_;
    return WAIT_OBJECT_0;
  }

  bool Release() {
    std::lock_guard guard(lock_);
    if (owner_ != GetCurrentThreadId()) return false;
    if (--count_ == 0) {
      owner_ = 0;
      changed_.notify_one();
    }
    return true;
  }

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  DWORD owner_ = 0;
  unsigned count_ = 0;
};

struct NamedMutexes {
  std::mutex lock;
  std::map<std::string, std::weak_ptr<MutexObject>> byName;
};

NamedMutexes& Names() {
  static NamedMutexes* names = new NamedMutexes;  // used by exit handlers too
  return *names;
}

}  // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION section) {
  new (section->storage) std::recursive_mutex;
  section->initialized = true;
}

void EnterCriticalSection(LPCRITICAL_SECTION section) { Lock(section).lock(); }

BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section) {
  return Lock(section).try_lock() ? TRUE : FALSE;
}

void LeaveCriticalSection(LPCRITICAL_SECTION section) { Lock(section).unlock(); }

void DeleteCriticalSection(LPCRITICAL_SECTION section) {
  if (!section->initialized) return;
  Lock(section).~recursive_mutex();
  section->initialized = false;
}

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCSTR name) {
  std::shared_ptr<MutexObject> mutex;
  bool existed = false;
  if (name != nullptr) {
    NamedMutexes& names = Names();
    std::lock_guard guard(names.lock);
    std::weak_ptr<MutexObject>& slot = names.byName[name];
    mutex = slot.lock();
    existed = mutex != nullptr;
    if (!existed) {
      mutex = std::make_shared<MutexObject>();
      slot = mutex;
    }
  } else {
    mutex = std::make_shared<MutexObject>();
  }
  if (initialOwner && !existed) mutex->Wait(INFINITE);
  HANDLE handle = InsertHandle(mutex);
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReleaseMutex(HANDLE handle) {
  auto mutex = std::dynamic_pointer_cast<MutexObject>(LookupHandle(handle));
  if (!mutex) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!mutex->Release()) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  const std::shared_ptr<KernelObject> object = LookupHandle(handle);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return object->Wait(milliseconds);
}
