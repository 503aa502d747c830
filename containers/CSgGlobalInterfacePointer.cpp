#include "containers/CSgGlobalInterfacePointer.h"

#include "containers/CSgOleException.h"
#include "containers/SgTrace.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComInit.h"
#include "platform/win/Thread.h"

namespace SG {

CSgGlobalInterfacePointer::CSgGlobalInterfacePointer()
    : m_lock(std::make_unique<CSgCriticalSection>()) {}

CSgGlobalInterfacePointer::CSgGlobalInterfacePointer(IUnknown* p, const IID& iid, bool keepDirect)
    : CSgGlobalInterfacePointer() {
  Register(p, iid, keepDirect);
}

CSgGlobalInterfacePointer::CSgGlobalInterfacePointer(const CSgGlobalInterfacePointer& other)
    : CSgGlobalInterfacePointer() {
  *this = other;
}

CSgGlobalInterfacePointer::~CSgGlobalInterfacePointer() {
  try {
    Revoke();
  } catch (...) {
    SwallowCurrentException("GlobalInterfacePointer", 88, 92,
                            "SG::CSgGlobalInterfacePointer::~CSgGlobalInterfacePointer");
  }
  if (m_table) m_table->Release();
}

void CSgGlobalInterfacePointer::Register(IUnknown* p, const IID& iid, bool keepDirect) {
  CSgCriticalSectionLock lock(m_lock.get());
  if (!p) ThrowOleException(E_POINTER, "");
  Revoke();
  if (!m_table) {
    HRESULT hr = CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IGlobalInterfaceTable, reinterpret_cast<void**>(&m_table));
    if (FAILED(hr)) {
      m_table = nullptr;
      ThrowOleException(hr, "");
    }
  }
  DWORD cookie = 0;
  const HRESULT hr = m_table->RegisterInterfaceInGlobal(p, iid, &cookie);
  if (FAILED(hr)) ThrowOleException(hr, "");
  m_iid = iid;
  m_cookie = cookie;
  m_registered = true;
  m_registeringThread = GetCurrentThreadId();
  if (keepDirect) {
    m_direct = p;
    p->AddRef();
  }
}

void CSgGlobalInterfacePointer::Revoke() {
  CSgCriticalSectionLock lock(m_lock.get());
  // The thread test comes first so that a refused revoke leaves the
  // registration whole rather than revoked from the table but still marked.
  if (m_direct) CheckThread();
  if (m_registered) {
    const HRESULT hr = m_table->RevokeInterfaceFromGlobal(m_cookie);
    if (FAILED(hr)) ThrowOleException(hr, "");
  }
  if (m_direct) m_direct->Release();
  m_cookie = 0;
  m_registered = false;
  m_direct = nullptr;
  m_registeringThread = 0;
}

IUnknown* CSgGlobalInterfacePointer::Get(bool addRef, bool* mustRelease) {
  CSgCriticalSectionLock lock(m_lock.get());
  if (mustRelease) *mustRelease = false;
  if (!m_registered) return nullptr;
  if (m_direct && IsRegisteringThread()) {
    if (addRef) {
      m_direct->AddRef();
      if (mustRelease) *mustRelease = true;
    }
    return m_direct;
  }
  IUnknown* result = nullptr;
  const HRESULT hr =
      m_table->GetInterfaceFromGlobal(m_cookie, m_iid, reinterpret_cast<void**>(&result));
  if (hr == E_UNEXPECTED) ThrowOleException(E_UNEXPECTED, "COM is not initialized in this thread.");
  if (FAILED(hr)) ThrowOleException(hr, "");
  // The table always hands out an owned reference. A caller that passes no
  // flag cannot release it, so it is given back here rather than leaked.
  if (mustRelease)
    *mustRelease = true;
  else if (result)
    result->Release();
  return result;
}

void CSgGlobalInterfacePointer::CheckThread() const {
  if (m_registeringThread != 0 && m_registeringThread != GetCurrentThreadId())
    ThrowOleException(RPC_E_WRONG_THREAD, "");
}

bool CSgGlobalInterfacePointer::IsRegisteringThread() const {
  return m_registeringThread == GetCurrentThreadId();
}

CSgGlobalInterfacePointer& CSgGlobalInterfacePointer::operator=(
    const CSgGlobalInterfacePointer& other) {
  if (this == &other) return *this;
  bool mustRelease = false;
  IUnknown* p = const_cast<CSgGlobalInterfacePointer&>(other).Get(false, &mustRelease);
  CSgScopedRelease guard(p, mustRelease);
  if (p) Register(p, other.m_iid, other.HasDirectPointer());
  return *this;
}

}  // namespace SG
