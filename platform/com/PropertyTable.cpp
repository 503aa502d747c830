#include "platform/com/PropertyTable.h"

PropertyTable::~PropertyTable() {
  for (auto& [id, value] : values_) VariantClear(&value);
}

void PropertyTable::Define(DISPID id, const VARIANT& initial) {
  auto [it, inserted] = values_.try_emplace(id);
  if (inserted) VariantInit(&it->second);
  VariantCopy(&it->second, &initial);
}

const VARIANT* PropertyTable::Find(DISPID id) const {
  const auto it = values_.find(id);
  return it == values_.end() ? nullptr : &it->second;
}

HRESULT PropertyTable::Invoke(DISPID member, WORD flags, DISPPARAMS* params, VARIANT* result,
                              UINT* argumentError) {
  const auto it = values_.find(member);
  if (it == values_.end()) return DISP_E_MEMBERNOTFOUND;
  const UINT count = params != nullptr ? params->cArgs : 0;
  if (flags & DISPATCH_PROPERTYGET) {
    if (count != 0) return DISP_E_BADPARAMCOUNT;
    return result != nullptr ? VariantCopy(result, &it->second) : S_OK;
  }
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (count != 1) return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
      return DISP_E_PARAMNOTOPTIONAL;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, &params->rgvarg[0], 0, it->second.vt))) {
      if (argumentError != nullptr) *argumentError = 0;
      return DISP_E_TYPEMISMATCH;
    }
    VariantClear(&it->second);
    it->second = converted;
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}
