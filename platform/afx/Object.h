#pragma once
// CObject: the root of the framework's classes. It carries the run-time
// class (GetRuntimeClass, IsKindOf), serialisation (Serialize) and the
// diagnostic hooks. Objects are not copyable through CObject; a derived class
// that copies constructs its CObject part anew.

#include "platform/afx/RuntimeClass.h"

#include <string>

// Receives the text of CObject::Dump.
class CDumpContext {
 public:
  CDumpContext& operator<<(LPCSTR text);
  CDumpContext& operator<<(const void* pointer);
  const std::string& GetText() const { return m_text; }

 private:
  std::string m_text;
};

class CObject {
 public:
  static CRuntimeClass classCObject;
  static CRuntimeClass* GetThisClass();
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject() = default;

  // Writes or reads the object's data by the archive's direction; the root
  // has none.
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const;
  virtual void Dump(CDumpContext& dc) const;

  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;

  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;

 protected:
  CObject() = default;
};
