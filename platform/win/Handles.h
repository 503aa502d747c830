#pragma once
// The process's handle table: kernel objects (mutexes, and later whatever
// else needs a HANDLE) live as long as a handle refers to them.

#include <memory>

#include "platform/win/WinTypes.h"

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));

class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // Returns WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_FAILED (last error set).
  virtual DWORD Wait(DWORD milliseconds);
};

// A new handle for the object; never NULL or INVALID_HANDLE_VALUE.
HANDLE InsertHandle(std::shared_ptr<KernelObject> object);
// The object behind a handle, or null for a closed or unknown handle.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);

// Fails with ERROR_INVALID_HANDLE for NULL, closed and unknown handles.
BOOL CloseHandle(HANDLE handle);
