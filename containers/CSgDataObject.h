#pragma once
// The bases every value container stands on: one abstract data-object
// interface (element size, byte size, VARIANT export and import) on the
// framework's CObject, and a per-object lock that lives as long as the object.

#include "platform/afx/Object.h"
#include "platform/win/WinTypes.h"
#include "containers/SgElementTypes.h"

#include <mutex>

namespace SG {

class CSgVariant;

class CSgDataObject : public CObject {
 public:
  CSgDataObject() = default;
  ~CSgDataObject() override = default;

  virtual unsigned int GetElementSize() const = 0;
  virtual unsigned int GetByteSize() const = 0;
  // Clears target and leaves the contents in it.
  virtual void CopyToVariant(CSgVariant& target) const = 0;
  // Replaces the contents from source.
  virtual void AssignVariant(const CSgVariant& source) = 0;

 protected:
  CSgDataObject(const CSgDataObject&) = default;
  CSgDataObject& operator=(const CSgDataObject&) = default;
};

// Owns one lock for its whole life. Nothing in the system takes it; a copy
// gets a lock of its own and assignment leaves each object's lock alone.
class CSgLockableDataObject : public CSgDataObject {
 public:
  CSgLockableDataObject() = default;
  CSgLockableDataObject(const CSgLockableDataObject&) : CSgDataObject() {}
  CSgLockableDataObject& operator=(const CSgLockableDataObject&) { return *this; }
  ~CSgLockableDataObject() override = default;

  // Identifies this object's lock (distinct for every live object).
  HANDLE GetMutexHandle() const { return const_cast<std::mutex*>(&m_mutex); }

 private:
  std::mutex m_mutex;
};

// The same lock owner without the data-object interface.
class CSgGenericLockableDataObject : public CObject {
 public:
  CSgGenericLockableDataObject() = default;
  CSgGenericLockableDataObject(const CSgGenericLockableDataObject&) : CObject() {}
  CSgGenericLockableDataObject& operator=(const CSgGenericLockableDataObject&) { return *this; }
  ~CSgGenericLockableDataObject() override = default;

  HANDLE GetMutexHandle() const { return const_cast<std::mutex*>(&m_mutex); }

 private:
  std::mutex m_mutex;
};

// Marks a container's element type; adds nothing to the layout.
template <class T>
class CSgDataType {
 public:
  static constexpr VARTYPE GetVarType() { return ScalarVarType<T>(); }
};

// Marks the scalar-element container families.
class CSgScalarType {};

}  // namespace SG
