#pragma once
// Critical sections and mutex handles. A critical section is recursive for
// its owning thread, as on the platform. Mutexes are kernel objects behind
// HANDLEs (see Handles.h); a named mutex is shared by name within this
// process, which is all the editor's per-process names need.

#include <mutex>

#include "platform/win/Handles.h"
#include "platform/win/WinTypes.h"

struct CRITICAL_SECTION {
  // Storage for the lock, constructed by InitializeCriticalSection and
  // destroyed by DeleteCriticalSection, so the struct stays a plain value.
  alignas(std::recursive_mutex) unsigned char storage[sizeof(std::recursive_mutex)];
  bool initialized;
};
using LPCRITICAL_SECTION = CRITICAL_SECTION*;

void InitializeCriticalSection(LPCRITICAL_SECTION section);
void EnterCriticalSection(LPCRITICAL_SECTION section);
BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section);
void LeaveCriticalSection(LPCRITICAL_SECTION section);
void DeleteCriticalSection(LPCRITICAL_SECTION section);

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0x00000000;
constexpr DWORD WAIT_ABANDONED = 0x00000080;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
// WAIT_TIMEOUT (258) is in HResult.h with the other Win32 codes.

// Creates a mutex, or opens the existing one of that name (the last error is
// then ERROR_ALREADY_EXISTS and initialOwner is ignored). NULL name: unnamed.
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name);
inline HANDLE CreateMutex(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name) {
  return CreateMutexA(attributes, initialOwner, name);
}
// Fails with ERROR_NOT_OWNER unless the calling thread holds the mutex.
BOOL ReleaseMutex(HANDLE mutex);

// Waits on a mutex (recursive for its owner). A finite time-out waits on the
// steady clock; the editor itself only waits with INFINITE or 0.
DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
