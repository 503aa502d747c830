#pragma once
// Owns one COM interface of a hosted control or of one of its sub-objects and
// enforces the library's thread rule: a plain-mode interface is used only on
// the thread that attached it; in Global Interface Table mode every thread
// gets a pointer valid for itself.
// Thread option: 0 plain; 1 table; 2 table, and the registering thread keeps
// a direct pointer. Any other non-zero value acts as 1.

#include "containers/CSgException.h"
#include "containers/CSgGlobalInterfacePointer.h"
#include "containers/CSgOleException.h"
#include "platform/afx/OleException.h"
#include "platform/com/Dispatch.h"

#include <memory>

namespace SG {

class CSgInterface {
 public:
  CSgInterface() = default;
  // Attaches p when it is not null.
  CSgInterface(IUnknown* p, const IID& iid, int threadOption, bool takeOwnership);
  CSgInterface(const CSgInterface& other);
  CSgInterface& operator=(const CSgInterface& other);
  // Releases; never throws.
  virtual ~CSgInterface();

  // takeOwnership: the caller's reference passes to the holder once the
  // attach succeeds (when it throws, the caller still owns it); otherwise
  // the holder takes one of its own. p must already be the iid interface.
  void Attach(IUnknown* p, const IID& iid, int threadOption, bool takeOwnership);
  // Runs the object, asks it for iid and attaches the result. COM failures
  // return false with the HRESULT in error (when given); nothing is thrown.
  bool AttachUnknown(IUnknown* object, const IID& iid, COleException* error, int threadOption);
  bool CreateInstance(const CLSID& clsid, const IID& iid, COleException* error, int threadOption);
  // clsidOrProgId: "{...}" text or a ProgID.
  bool CreateInstance(const char* clsidOrProgId, const IID& iid, COleException* error,
                      int threadOption);

  // The pointer for the calling thread (null when empty); with *mustRelease
  // true the caller owns one reference.
  IUnknown* GetInterface(bool addRef, bool* mustRelease);
  // IDispatch with one reference owned by the caller; throws when empty.
  IDispatch* GetDispatch();
  int GetThreadOption() const;
  DWORD GetThreadId() const { return m_ownerThread; }
  void Release();
  // The interface with one reference owned by the caller; the holder empties.
  IUnknown* Detach();
  // Throws RPC_E_WRONG_THREAD when another thread owns the holder.
  void CheckThread() const;

 private:
  DWORD m_ownerThread = 0;
  IUnknown* m_pointer = nullptr;
  bool m_git = false;
  std::unique_ptr<CSgGlobalInterfacePointer> m_gitPointer;
};

}  // namespace SG
