#pragma once
// The process's Global Interface Table: an interface registered by one
// thread can be fetched by any thread that has initialised COM, by cookie.
// Reach it through CoCreateInstance(CLSID_StdGlobalInterfaceTable, NULL,
// CLSCTX_INPROC_SERVER, IID_IGlobalInterfaceTable, ...); every creation
// yields the one process-wide table.

#include "platform/com/Unknown.h"

inline constexpr CLSID CLSID_StdGlobalInterfaceTable =
    GuidFromText("00000323-0000-0000-C000-000000000046");
inline constexpr IID IID_IGlobalInterfaceTable =
    GuidFromText("00000146-0000-0000-C000-000000000046");

struct IGlobalInterfaceTable : IUnknown {
  static constexpr const IID& iid = IID_IGlobalInterfaceTable;
  // Keeps a reference of unknown's riid interface (E_NOINTERFACE when it has
  // none); cookies are non-zero and never reused.
  virtual HRESULT STDMETHODCALLTYPE RegisterInterfaceInGlobal(IUnknown* unknown, REFIID riid,
                                                              DWORD* cookie) = 0;
  // Drops the table's reference; E_INVALIDARG for an unknown cookie.
  virtual HRESULT STDMETHODCALLTYPE RevokeInterfaceFromGlobal(DWORD cookie) = 0;
  // A new reference for the calling thread; E_UNEXPECTED on a thread that has
  // not initialised COM, E_INVALIDARG for an unknown cookie.
  virtual HRESULT STDMETHODCALLTYPE GetInterfaceFromGlobal(DWORD cookie, REFIID riid,
                                                           void** object) = 0;

 protected:
  ~IGlobalInterfaceTable() = default;
};

// The table itself (a reference for the caller); CoCreateInstance uses it.
IGlobalInterfaceTable* ProcessGlobalInterfaceTable();
// Registrations currently held (for tests that check nothing is left behind).
std::size_t GlobalInterfaceTableSize();
