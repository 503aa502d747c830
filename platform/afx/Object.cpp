#include "platform/afx/Object.h"

#include <cstdio>

CRuntimeClass CObject::classCObject = {
    "CObject", static_cast<int>(sizeof(CObject)), AFX_NONSERIAL_SCHEMA, nullptr, nullptr, nullptr};

CRuntimeClass* CObject::GetThisClass() { return &classCObject; }

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(CDumpContext& dc) const {
  dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this)
     << "\n";
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const {
  return GetRuntimeClass()->m_wSchema != AFX_NONSERIAL_SCHEMA;
}

CDumpContext& CDumpContext::operator<<(LPCSTR text) {
  m_text += text ? text : "(NULL)";
  return *this;
}

CDumpContext& CDumpContext::operator<<(const void* pointer) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "$%p", pointer);
  m_text += buffer;
  return *this;
}
