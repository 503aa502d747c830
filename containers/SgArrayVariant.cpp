#include "containers/SgArrayVariant.h"

#include "containers/CSgSafeArrayProxy.h"
#include "platform/com/Bstr.h"
#include "platform/com/CodePage.h"

#include <algorithm>
#include <cstring>

namespace SG {

namespace {

void MakeArrayVariant(VARIANT* out, VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds) {
  VariantClear(out);
  if (!IsNumericVarType(vt)) return;
  SAFEARRAY* array = SafeArrayCreate(vt, dims, bounds);
  if (!array) return;
  out->vt = static_cast<VARTYPE>(VT_ARRAY | vt);
  out->parray = array;
}

// The 3-element VT_VARIANT array with the tag in element 0, held by out.
bool MakeTaggedArray(VARIANT* out) {
  VariantClear(out);
  SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, 3);
  if (!array) return false;
  VARIANT tag;
  VariantInit(&tag);
  tag.vt = VT_BSTR;
  tag.bstrVal = SysAllocStringFromUtf8(SgComplexVariantTag);
  LONG index = 0;
  const HRESULT hr = tag.bstrVal ? SafeArrayPutElement(array, &index, &tag) : E_OUTOFMEMORY;
  VariantClear(&tag);
  if (FAILED(hr)) {
    SafeArrayDestroy(array);
    return false;
  }
  out->vt = VT_ARRAY | VT_VARIANT;
  out->parray = array;
  return true;
}

// A part of the tagged array that is itself an array: the array of the
// part's VARIANT, or null.
SAFEARRAY* PartArray(const VARIANT& part, unsigned int dims, VARTYPE* vt) {
  if (!(part.vt & VT_ARRAY) || (part.vt & VT_BYREF) || !part.parray) return nullptr;
  if (part.parray->cDims != dims) return nullptr;
  *vt = static_cast<VARTYPE>(part.vt & VT_TYPEMASK);
  return part.parray;
}

bool CreateComplexArrays(VARIANT* out, VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds,
                         CSgSafeArrayProxy& realPart, CSgSafeArrayProxy& imagPart) {
  if (!IsNumericVarType(vt) || !MakeTaggedArray(out)) {
    VariantClear(out);
    return false;
  }
  CSgSafeArrayProxy proxy(*out);
  VARIANT* parts = static_cast<VARIANT*>(proxy.GetData());
  for (int i = 1; i <= 2; ++i) {
    MakeArrayVariant(&parts[i], vt, dims, bounds);
    if (parts[i].vt == VT_EMPTY) {
      proxy.Attach(static_cast<SAFEARRAY*>(nullptr));
      VariantClear(out);
      return false;
    }
  }
  realPart.Attach(parts[1]);
  imagPart.Attach(parts[2]);
  return true;
}

}  // namespace

void CreateArrayVariant1D(VARIANT* out, VARTYPE vt, unsigned int count) {
  SAFEARRAYBOUND bound{count, 0};
  MakeArrayVariant(out, vt, 1, &bound);
}

void CreateArrayVariant2D(VARIANT* out, VARTYPE vt, unsigned int first, unsigned int second) {
  SAFEARRAYBOUND bounds[2] = {{first, 0}, {second, 0}};
  MakeArrayVariant(out, vt, 2, bounds);
}

void CreateComplexVariant(VARIANT* out, VARTYPE vt, void** realValue, void** imagValue) {
  VariantClear(out);
  if (!IsNumericVarType(vt) || !MakeTaggedArray(out)) return;
  CSgSafeArrayProxy proxy(*out);
  VARIANT* parts = static_cast<VARIANT*>(proxy.GetData());
  parts[1].vt = vt;
  parts[2].vt = vt;
  *realValue = &parts[1].llVal;
  *imagValue = &parts[2].llVal;
}

bool IsComplexVariant(const VARIANT* in, CSgSafeArrayProxy& proxy) {
  if (!in || in->vt != (VT_ARRAY | VT_VARIANT)) return false;
  if (!proxy.Attach(*in) || !proxy.IsValid()) return false;
  SAFEARRAY* array = proxy.GetArray();
  if (array->cDims != 1 || array->rgsabound[0].cElements != 3) return false;
  VARIANT text;
  VariantInit(&text);
  const VARIANT* parts = static_cast<const VARIANT*>(proxy.GetData());
  bool tagged = false;
  if (SUCCEEDED(VariantChangeType(&text, &parts[0], 0, VT_BSTR)) && text.vt == VT_BSTR)
    tagged = Utf8FromWide(BstrView(text.bstrVal)) == SgComplexVariantTag;
  VariantClear(&text);
  return tagged;
}

bool ReadComplexVariant(const VARIANT* in, void** realValue, void** imagValue, VARTYPE* vt) {
  CSgSafeArrayProxy proxy;
  if (!IsComplexVariant(in, proxy)) return false;
  VARIANT* parts = static_cast<VARIANT*>(proxy.GetData());
  if (parts[1].vt != parts[2].vt || (parts[1].vt & (VT_ARRAY | VT_BYREF))) return false;
  *vt = static_cast<VARTYPE>(parts[1].vt & 0x0FFF);
  *realValue = &parts[1].llVal;
  *imagValue = &parts[2].llVal;
  return true;
}

bool CreateComplexVectorVariant(VARIANT* out, VARTYPE vt, unsigned int count,
                                CSgSafeArrayProxy& realPart, CSgSafeArrayProxy& imagPart) {
  SAFEARRAYBOUND bound{count, 0};
  return CreateComplexArrays(out, vt, 1, &bound, realPart, imagPart);
}

bool CreateComplexMatrixVariant(VARIANT* out, VARTYPE vt, unsigned int first, unsigned int second,
                                CSgSafeArrayProxy& realPart, CSgSafeArrayProxy& imagPart) {
  SAFEARRAYBOUND bounds[2] = {{first, 0}, {second, 0}};
  return CreateComplexArrays(out, vt, 2, bounds, realPart, imagPart);
}

bool ReadComplexVectorVariant(const VARIANT* in, CSgSafeArrayProxy& realPart,
                              CSgSafeArrayProxy& imagPart, VARTYPE* vt, unsigned int* count) {
  CSgSafeArrayProxy proxy;
  if (!IsComplexVariant(in, proxy)) return false;
  const VARIANT* parts = static_cast<const VARIANT*>(proxy.GetData());
  VARTYPE realType = 0, imagType = 0;
  SAFEARRAY* re = PartArray(parts[1], 1, &realType);
  SAFEARRAY* im = PartArray(parts[2], 1, &imagType);
  if (!re || !im || realType != imagType) return false;
  if (!realPart.Attach(re) || !imagPart.Attach(im)) return false;
  *vt = realType;
  *count = std::min(re->rgsabound[0].cElements, im->rgsabound[0].cElements);
  return true;
}

bool ReadComplexMatrixVariant(const VARIANT* in, CSgSafeArrayProxy& realPart,
                              CSgSafeArrayProxy& imagPart, VARTYPE* vt, unsigned int* first,
                              unsigned int* second) {
  CSgSafeArrayProxy proxy;
  if (!IsComplexVariant(in, proxy)) return false;
  const VARIANT* parts = static_cast<const VARIANT*>(proxy.GetData());
  VARTYPE realType = 0, imagType = 0;
  SAFEARRAY* re = PartArray(parts[1], 2, &realType);
  SAFEARRAY* im = PartArray(parts[2], 2, &imagType);
  if (!re || !im || realType != imagType) return false;
  if (!realPart.Attach(re) || !imagPart.Attach(im)) return false;
  *vt = realType;
  *first = std::min(SafeArrayBound(re, 1).cElements, SafeArrayBound(im, 1).cElements);
  *second = std::min(SafeArrayBound(re, 2).cElements, SafeArrayBound(im, 2).cElements);
  return true;
}

}  // namespace SG
