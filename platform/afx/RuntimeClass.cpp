#include "platform/afx/RuntimeClass.h"

#include "platform/afx/Object.h"

#include <cstring>
#include <new>

namespace {

// Head of the registry; constant-initialised, so registration from other
// translation units' static initialisers is safe in any order.
constinit CRuntimeClass* g_firstClass = nullptr;

}  // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
  for (CRuntimeClass* c = g_firstClass; c; c = c->m_pNextClass) {
    if (c == pNewClass) return;
  }
  pNewClass->m_pNextClass = g_firstClass;
  g_firstClass = pNewClass;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* c = this; c; c = c->GetBaseClass()) {
    if (c == pBaseClass) return TRUE;
  }
  return FALSE;
}

CObject* CRuntimeClass::CreateObject() {
  if (!m_pfnCreateObject) return nullptr;
  try {
    return m_pfnCreateObject();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
  if (!lpszClassName) return nullptr;
  for (CRuntimeClass* c = g_firstClass; c; c = c->m_pNextClass) {
    if (std::strcmp(c->m_lpszClassName, lpszClassName) == 0) return c;
  }
  return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
  CRuntimeClass* c = FromName(lpszClassName);
  return c ? c->CreateObject() : nullptr;
}
