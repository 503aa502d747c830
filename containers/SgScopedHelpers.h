#pragma once
// Scope guards of the interface holder: a released interface reference, a
// critical section on the heap and its scoped lock.

#include "platform/com/Unknown.h"
#include "platform/win/Sync.h"

namespace SG {

// Releases the pointer at the end of the scope when release is set.
class CSgScopedRelease {
 public:
  explicit CSgScopedRelease(IUnknown* pointer = nullptr, bool release = true)
      : m_pointer(pointer), m_release(release) {}
  CSgScopedRelease(const CSgScopedRelease&) = delete;
  CSgScopedRelease& operator=(const CSgScopedRelease&) = delete;
  ~CSgScopedRelease() { Reset(); }

  // Releases the current pointer and yields the slot as an out-parameter.
  IUnknown** operator&() {
    Reset();
    return &m_pointer;
  }
  void** AsOut() { return reinterpret_cast<void**>(&*this); }
  IUnknown* Get() const { return m_pointer; }
  void SetRelease(bool release) { m_release = release; }

 private:
  void Reset() {
    if (m_pointer && m_release) m_pointer->Release();
    m_pointer = nullptr;
  }
  IUnknown* m_pointer;
  bool m_release;
};

class CSgCriticalSection {
 public:
  CSgCriticalSection() { InitializeCriticalSection(&m_section); }
  CSgCriticalSection(const CSgCriticalSection&) = delete;
  CSgCriticalSection& operator=(const CSgCriticalSection&) = delete;
  ~CSgCriticalSection() { DeleteCriticalSection(&m_section); }
  void Lock() { EnterCriticalSection(&m_section); }
  void Unlock() { LeaveCriticalSection(&m_section); }

 private:
  CRITICAL_SECTION m_section;
};

// Holds the section from construction to destruction (none: no lock).
class CSgCriticalSectionLock {
 public:
  explicit CSgCriticalSectionLock(CSgCriticalSection* section) : m_section(section) {
    if (m_section) m_section->Lock();
  }
  CSgCriticalSectionLock(const CSgCriticalSectionLock&) = delete;
  CSgCriticalSectionLock& operator=(const CSgCriticalSectionLock&) = delete;
  ~CSgCriticalSectionLock() {
    if (m_section) m_section->Unlock();
  }

 private:
  CSgCriticalSection* m_section;
};

}  // namespace SG
