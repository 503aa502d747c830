#pragma once
// One interface registered in the process's Global Interface Table, so that
// every thread receives a pointer valid for itself. Registered with
// keepDirect, the registering thread also keeps a direct pointer and gets it
// without the table. Each object serialises its own operations.

#include "containers/SgScopedHelpers.h"
#include "platform/com/GlobalInterfaceTable.h"

#include <memory>

namespace SG {

class CSgGlobalInterfacePointer {
 public:
  CSgGlobalInterfacePointer();
  CSgGlobalInterfacePointer(IUnknown* p, const IID& iid, bool keepDirect);
  CSgGlobalInterfacePointer(const CSgGlobalInterfacePointer& other);
  CSgGlobalInterfacePointer& operator=(const CSgGlobalInterfacePointer& other);
  // Revokes; never throws.
  virtual ~CSgGlobalInterfacePointer();

  // Revokes any earlier registration, then registers p under iid.
  void Register(IUnknown* p, const IID& iid, bool keepDirect);
  void Revoke();
  // The pointer for the calling thread (null when not registered). With
  // *mustRelease true the caller owns one reference: always for a table
  // pointer, and for the direct pointer only when addRef is set.
  IUnknown* Get(bool addRef, bool* mustRelease);
  // Throws RPC_E_WRONG_THREAD when a registering thread is recorded and the
  // caller is another thread.
  void CheckThread() const;
  bool HasDirectPointer() const { return m_direct != nullptr; }
  bool IsRegisteringThread() const;

 private:
  std::unique_ptr<CSgCriticalSection> m_lock;
  DWORD m_cookie = 0;
  bool m_registered = false;
  IGlobalInterfaceTable* m_table = nullptr;
  IID m_iid{};
  IUnknown* m_direct = nullptr;
  DWORD m_registeringThread = 0;
};

}  // namespace SG
