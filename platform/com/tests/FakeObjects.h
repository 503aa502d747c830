#pragma once
// Small COM objects for the tests: a dispatch object with one value
// property, whose destruction the test can observe.

#include "platform/com/Dispatch.h"

class ValueObject final : public ComObject<IDispatch> {
 public:
  explicit ValueObject(double value, bool* destroyed = nullptr)
      : value_(value), destroyed_(destroyed) {}
  ~ValueObject() override {
    if (destroyed_) *destroyed_ = true;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    if (member != DISPID_VALUE || !(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (result) {
      VariantInit(result);
      result->vt = VT_R8;
      result->dblVal = value_;
    }
    return S_OK;
  }

 private:
  double value_;
  bool* destroyed_;
};
