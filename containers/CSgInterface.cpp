#include "containers/CSgInterface.h"

#include "containers/CSgException.h"
#include "containers/CSgOleException.h"
#include "containers/SgTrace.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComInit.h"
#include "platform/com/CodePage.h"
#include "platform/win/Thread.h"

namespace SG {

CSgInterface::CSgInterface(IUnknown* p, const IID& iid, int threadOption, bool takeOwnership) {
  if (p) Attach(p, iid, threadOption, takeOwnership);
}

CSgInterface::CSgInterface(const CSgInterface& other) { *this = other; }

CSgInterface::~CSgInterface() {
  try {
    Release();
    m_gitPointer.reset();
  } catch (...) {
    SwallowCurrentException("Interface", 67, 71, "SG::CSgInterface::~CSgInterface");
  }
}

void CSgInterface::CheckThread() const {
  if (m_ownerThread != 0 && m_ownerThread != GetCurrentThreadId())
    ThrowOleException(RPC_E_WRONG_THREAD, "");
}

void CSgInterface::Attach(IUnknown* p, const IID& iid, int threadOption, bool takeOwnership) {
  if (!p) ThrowOleException(E_POINTER, "");
  Release();
  if (threadOption != 0) {
    if (m_gitPointer)
      m_gitPointer->Register(p, iid, threadOption == 2);
    else
      m_gitPointer = std::make_unique<CSgGlobalInterfacePointer>(p, iid, threadOption == 2);
    if (takeOwnership) p->Release();  // the table holds its own reference
    m_git = true;
  } else {
    m_pointer = p;
    if (!takeOwnership) p->AddRef();
    m_git = false;
  }
  m_ownerThread = GetCurrentThreadId();
}

bool CSgInterface::AttachUnknown(IUnknown* object, const IID& iid, COleException* error,
                                 int threadOption) {
  HRESULT hr = S_OK;
  CSgScopedRelease p;
  if (!object) {
    hr = E_POINTER;
  } else if (FAILED(hr = OleRun(object))) {
  } else if (FAILED(hr = object->QueryInterface(iid, p.AsOut()))) {
  } else {
    try {
      p.SetRelease(false);  // the reference passes to the holder
      Attach(p.Get(), iid, threadOption, true);
      return true;
    } catch (COleException* e) {
      p.SetRelease(true);
      hr = e->m_sc;
      e->Delete();
    } catch (CException* e) {
      p.SetRelease(true);
      hr = E_OUTOFMEMORY;
      e->Delete();
    }
  }
  if (error) error->m_sc = hr;
  return false;
}

bool CSgInterface::CreateInstance(const CLSID& clsid, const IID& iid, COleException* error,
                                  int threadOption) {
  CSgScopedRelease object;
  HRESULT hr = CoCreateInstance(clsid, nullptr, 23, IID_IUnknown, object.AsOut());
  if (hr == E_INVALIDARG) hr = CoCreateInstance(clsid, nullptr, 7, IID_IUnknown, object.AsOut());
  if (FAILED(hr)) {
    if (error) error->m_sc = hr;
    return false;
  }
  // AttachUnknown takes a reference of its own; the creation one goes here.
  return AttachUnknown(object.Get(), iid, error, threadOption);
}

bool CSgInterface::CreateInstance(const char* clsidOrProgId, const IID& iid, COleException* error,
                                  int threadOption) {
  const std::u16string wide = WideFromUtf8(clsidOrProgId ? clsidOrProgId : "");
  CLSID clsid{};
  const HRESULT hr = (!wide.empty() && wide[0] == u'{') ? CLSIDFromString(wide.c_str(), &clsid)
                                                        : CLSIDFromProgID(wide.c_str(), &clsid);
  if (FAILED(hr)) {
    if (error) error->m_sc = hr;
    return false;
  }
  return CreateInstance(clsid, iid, error, threadOption);
}

IUnknown* CSgInterface::GetInterface(bool addRef, bool* mustRelease) {
  if (m_git) return m_gitPointer->Get(addRef, mustRelease);
  CheckThread();
  IUnknown* result = m_pointer;
  if (result && addRef) result->AddRef();
  if (mustRelease) *mustRelease = addRef && result;
  return result;
}

IDispatch* CSgInterface::GetDispatch() {
  bool mustRelease = false;
  IUnknown* p = GetInterface(true, &mustRelease);
  CSgScopedRelease guard(p, mustRelease);
  if (!p) throw new CSgObjectNotInUsableStateException("CSgInterface", TRUE);
  IDispatch* dispatch = nullptr;
  const HRESULT hr = p->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr)) ThrowOleException(hr, "");
  return dispatch;
}

int CSgInterface::GetThreadOption() const {
  if (!m_git) return 0;
  return m_gitPointer && m_gitPointer->HasDirectPointer() ? 2 : 1;
}

void CSgInterface::Release() {
  if (m_git) {
    m_gitPointer->Revoke();  // the table object stays for reuse
  } else if (m_pointer) {
    CheckThread();
    m_pointer->Release();
  }
  m_pointer = nullptr;
  m_ownerThread = 0;
  m_git = false;
}

IUnknown* CSgInterface::Detach() {
  IUnknown* p = nullptr;
  if (m_git) {
    bool owned = false;
    p = m_gitPointer->Get(true, &owned);
    if (p && !owned) p->AddRef();  // the caller always receives one reference
    m_gitPointer->Revoke();
  } else {
    p = m_pointer;
  }
  m_pointer = nullptr;
  m_ownerThread = 0;
  m_git = false;
  return p;
}

CSgInterface& CSgInterface::operator=(const CSgInterface& other) {
  if (this == &other) return *this;
  Release();
  if (other.m_git) {
    // Table mode is set only once the registration exists: a copy that fails
    // (no COM on this thread) leaves an empty holder, not one without a table.
    if (m_gitPointer)
      *m_gitPointer = *other.m_gitPointer;
    else
      m_gitPointer = std::make_unique<CSgGlobalInterfacePointer>(*other.m_gitPointer);
    m_git = true;
  } else {
    m_pointer = other.m_pointer;
    if (m_pointer) m_pointer->AddRef();
  }
  m_ownerThread = GetCurrentThreadId();
  return *this;
}

}  // namespace SG
