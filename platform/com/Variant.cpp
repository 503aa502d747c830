#include "platform/com/Variant.h"

#include <cstring>

#include "platform/com/SafeArray.h"
#include "platform/com/Unknown.h"
#include "platform/com/VarTypeSize.h"
#include "platform/win/HResult.h"

namespace {

bool IsKnownBaseType(VARTYPE base) {
  return base < VT_DECIMAL || (base >= VT_I1 && base <= VT_UINT);
}

// Tags a VARIANT may carry: a known base type, alone, as an array (not of
// EMPTY or NULL) or by reference.
bool IsValidTag(VARTYPE vt) {
  const VARTYPE base = vt & VT_TYPEMASK;
  const VARTYPE flags = vt & ~VT_TYPEMASK;
  if (!IsKnownBaseType(base)) return false;
  if (flags == 0) return true;
  if (flags == VT_BYREF) return base != VT_EMPTY && base != VT_NULL;
  if (flags == VT_ARRAY || flags == (VT_ARRAY | VT_BYREF))
    return base != VT_EMPTY && base != VT_NULL;
  return false;
}

}  // namespace

void VariantInit(VARIANTARG* v) {
  std::memset(v, 0, sizeof(VARIANT));
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANTARG* v) {
  if (v == nullptr) return E_INVALIDARG;
  if (!IsValidTag(v->vt)) return DISP_E_BADVARTYPE;
  if ((v->vt & VT_BYREF) == 0) {
    if (v->vt & VT_ARRAY) {
      const HRESULT hr = SafeArrayDestroy(v->parray);
      if (FAILED(hr)) return hr;
    } else if (v->vt == VT_BSTR) {
      SysFreeString(v->bstrVal);
    } else if ((v->vt == VT_UNKNOWN || v->vt == VT_DISPATCH) && v->punkVal != nullptr) {
      v->punkVal->Release();
    }
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* src) {
  if (dest == nullptr || src == nullptr) return E_INVALIDARG;
  if (dest == src) return S_OK;
  if (!IsValidTag(src->vt)) return DISP_E_BADVARTYPE;
  VARIANT copy = *src;
  if ((src->vt & VT_BYREF) == 0) {
    if (src->vt & VT_ARRAY) {
      const HRESULT hr = SafeArrayCopy(src->parray, &copy.parray);
      if (FAILED(hr)) return hr;
    } else if (src->vt == VT_BSTR && src->bstrVal != nullptr) {
      copy.bstrVal = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(src->bstrVal),
                                           SysStringByteLen(src->bstrVal));
      if (copy.bstrVal == nullptr) return E_OUTOFMEMORY;
    } else if ((src->vt == VT_UNKNOWN || src->vt == VT_DISPATCH) && src->punkVal != nullptr) {
      src->punkVal->AddRef();
    }
  }
  const HRESULT hr = VariantClear(dest);
  if (FAILED(hr)) {
    VariantClear(&copy);
    return hr;
  }
  *dest = copy;
  return S_OK;
}

HRESULT VariantCopyInd(VARIANT* dest, const VARIANTARG* src) {
  if (dest == nullptr || src == nullptr) return E_INVALIDARG;
  if ((src->vt & VT_BYREF) == 0) return VariantCopy(dest, src);
  if (!IsValidTag(src->vt) || src->byref == nullptr) return E_INVALIDARG;
  const VARTYPE target = src->vt & ~VT_BYREF;
  VARIANT value;  // borrows the referenced value; VariantCopy duplicates it
  VariantInit(&value);
  if (target == VT_VARIANT) {
    value = *src->pvarVal;
    if (value.vt & VT_BYREF) return E_INVALIDARG;  // no reference to a reference
  } else {
    value.vt = target;
    std::memcpy(&value.llVal, src->byref,
                (target & VT_ARRAY) ? sizeof(void*) : VarTypeSize(target));
  }
  VARIANT result;
  VariantInit(&result);
  const HRESULT hr = VariantCopy(&result, &value);
  if (FAILED(hr)) return hr;
  const HRESULT cleared = VariantClear(dest);
  if (FAILED(cleared)) {
    VariantClear(&result);
    return cleared;
  }
  *dest = result;
  return S_OK;
}
