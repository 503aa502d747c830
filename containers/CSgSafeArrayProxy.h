#pragma once
// Scoped access to a SAFEARRAY's data block: attaching accesses the data,
// detaching or destruction releases the access.

#include "platform/com/SafeArray.h"
#include "platform/com/Variant.h"
#include "platform/win/HResult.h"

namespace SG {

class CSgSafeArrayProxy {
 public:
  CSgSafeArrayProxy() = default;
  explicit CSgSafeArrayProxy(SAFEARRAY* array) { Attach(array); }
  explicit CSgSafeArrayProxy(const VARIANT& variant) { Attach(variant); }
  // Attaches only when the variant's type without its flag bits is vt.
  CSgSafeArrayProxy(const VARIANT& variant, VARTYPE vt) {
    if ((variant.vt & 0x0FFF) == vt) Attach(variant);
  }
  CSgSafeArrayProxy(const CSgSafeArrayProxy&) = delete;
  CSgSafeArrayProxy& operator=(const CSgSafeArrayProxy&) = delete;
  virtual ~CSgSafeArrayProxy() { ReleaseAccess(); }

  // Releases any held access; true when the array's data is now accessed.
  bool Attach(SAFEARRAY* array);
  // A variant without VT_ARRAY: false and nothing changes. VT_BYREF arrays
  // are reached through their pointer.
  bool Attach(const VARIANT& variant);
  bool IsValid() const { return m_data != nullptr; }
  void* GetData() const { return m_data; }
  SAFEARRAY* GetArray() const { return m_array; }
  // Forgets both pointers without releasing the access.
  void Clear() {
    m_data = nullptr;
    m_array = nullptr;
    m_accessed = false;
  }

 private:
  void ReleaseAccess();
  void* m_data = nullptr;
  SAFEARRAY* m_array = nullptr;
  bool m_accessed = false;
};

// The array of a VT_ARRAY variant, through its pointer for VT_BYREF; null
// for every other variant.
SAFEARRAY* ArrayOfVariant(const VARIANT& variant);

// How many elements a vector takes from an array: the count of its first
// bounds entry (a one-dimensional array's length), but never more than the
// array holds in all, which is less when another dimension is empty.
unsigned int VectorLengthOf(const SAFEARRAY* array);

// Holds an array's lock for a scope, so that a failure while its elements
// are read (out of memory) still unlocks it.
class CSgSafeArrayLock {
 public:
  explicit CSgSafeArrayLock(SAFEARRAY* array)
      : m_array(array && SUCCEEDED(SafeArrayLock(array)) ? array : nullptr) {}
  CSgSafeArrayLock(const CSgSafeArrayLock&) = delete;
  CSgSafeArrayLock& operator=(const CSgSafeArrayLock&) = delete;
  ~CSgSafeArrayLock() {
    if (m_array) SafeArrayUnlock(m_array);
  }
  bool IsLocked() const { return m_array != nullptr; }

 private:
  SAFEARRAY* m_array;
};

}  // namespace SG
