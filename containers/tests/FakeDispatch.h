#pragma once
// A counted IDispatch that records its last Invoke and answers with a
// scripted result, for the interface holder and dispatch tests.

#include "platform/com/Bstr.h"
#include "platform/com/Dispatch.h"

#include <functional>
#include <vector>

class FakeDispatch : public ComObject<IDispatch> {
 public:
  struct Call {
    DISPID member = 0;
    WORD flags = 0;
    std::vector<VARIANT> args;  // as given (last argument first); strings copied
    std::vector<DISPID> named;
    bool wantsResult = false;
  };

  ~FakeDispatch() override {
    for (VARIANT& v : last.args) VariantClear(&v);
    VariantClear(&answer);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override {
    for (VARIANT& v : last.args) VariantClear(&v);
    last = Call{member, flags, {}, {}, result != nullptr};
    for (UINT i = 0; i < params->cArgs; ++i) {
      VARIANT copy;
      VariantInit(&copy);
      VariantCopy(&copy, &params->rgvarg[i]);
      last.args.push_back(copy);
    }
    for (UINT i = 0; i < params->cNamedArgs; ++i)
      last.named.push_back(params->rgdispidNamedArgs[i]);
    if (failWith == DISP_E_EXCEPTION) {
      // Deferred: the caller asks for the details through the fill-in.
      if (deferFill)
        exception->pfnDeferredFillIn = &FillException;
      else
        FillException(exception);
    }
    if (failWith != S_OK) return failWith;
    if (result) VariantCopy(result, &answer);
    return S_OK;
  }

  static HRESULT STDMETHODCALLTYPE FillException(EXCEPINFO* exception) {
    exception->wCode = 42;
    exception->bstrDescription = SysAllocStringFromUtf8("bad value");
    exception->bstrSource = SysAllocStringFromUtf8("Fake");
    exception->bstrHelpFile = SysAllocStringFromUtf8("help.hlp");
    exception->dwHelpContext = 7;
    exception->scode = E_INVALIDARG;
    return S_OK;
  }

  Call last;
  VARIANT answer{};
  HRESULT failWith = S_OK;
  bool deferFill = false;
};
