#pragma once
// A dispatch object whose members are typed properties addressed by DISPID:
// get returns a copy, put converts the value to the property's type. The
// standard picture and font objects (Picture.h) are built on it.

#include <map>

#include "platform/com/Dispatch.h"

class PropertyTable {
 public:
  PropertyTable() = default;
  ~PropertyTable();
  PropertyTable(const PropertyTable&) = delete;
  PropertyTable& operator=(const PropertyTable&) = delete;

  // Adds (or replaces) a property; the value is copied, its type is the
  // property's type from then on.
  void Define(DISPID id, const VARIANT& initial);
  // The stored value (null when there is no such property).
  const VARIANT* Find(DISPID id) const;

  // IDispatch::Invoke over the table: DISPATCH_PROPERTYGET with no
  // arguments; DISPATCH_PROPERTYPUT(REF) with the one named argument
  // DISPID_PROPERTYPUT. DISP_E_MEMBERNOTFOUND, DISP_E_BADPARAMCOUNT,
  // DISP_E_PARAMNOTOPTIONAL and DISP_E_TYPEMISMATCH otherwise.
  HRESULT Invoke(DISPID member, WORD flags, DISPPARAMS* params, VARIANT* result,
                 UINT* argumentError);

 private:
  std::map<DISPID, VARIANT> values_;
};

// An IDispatch-derived interface I implemented by a property table.
template <class I>
class PropertyObject : public ComObject<I> {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_INVALIDARG;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT* argumentError) override {
    return properties_.Invoke(member, flags, params, result, argumentError);
  }

  PropertyTable& Properties() { return properties_; }

 private:
  PropertyTable properties_;
};
