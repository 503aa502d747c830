#pragma once
// Error objects: a failing COM call may leave a description for the calling
// thread (SetErrorInfo); the caller takes it once with GetErrorInfo.

#include "platform/com/Bstr.h"
#include "platform/com/Unknown.h"

inline constexpr IID IID_IErrorInfo = GuidFromText("1CF2B120-547D-101B-8E65-08002B2BD119");
inline constexpr IID IID_ICreateErrorInfo = GuidFromText("22F03340-547D-101B-8E65-08002B2BD119");

struct IErrorInfo : IUnknown {
  static constexpr const IID& iid = IID_IErrorInfo;
  virtual HRESULT STDMETHODCALLTYPE GetGUID(GUID* guid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSource(BSTR* source) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* helpFile) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* helpContext) = 0;

 protected:
  ~IErrorInfo() = default;
};

struct ICreateErrorInfo : IUnknown {
  static constexpr const IID& iid = IID_ICreateErrorInfo;
  virtual HRESULT STDMETHODCALLTYPE SetGUID(REFGUID guid) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetSource(LPOLESTR source) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDescription(LPOLESTR description) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetHelpFile(LPOLESTR helpFile) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetHelpContext(DWORD helpContext) = 0;

 protected:
  ~ICreateErrorInfo() = default;
};

// A new, empty error object (it also answers for IErrorInfo).
HRESULT CreateErrorInfo(ICreateErrorInfo** created);
// Hands the calling thread's error object to the caller (one reference) and
// clears it: S_OK, or S_FALSE with NULL when there is none. reserved must be 0.
HRESULT GetErrorInfo(ULONG reserved, IErrorInfo** info);
// Replaces the calling thread's error object (NULL clears it); the thread
// keeps its own reference.
HRESULT SetErrorInfo(ULONG reserved, IErrorInfo* info);

// For our own objects: sets the thread's error object with a description
// (UTF-8) and returns failure unchanged, so a method can end with
// `return ReportError(E_FAIL, "text");`.
HRESULT ReportError(HRESULT failure, const char* description);
