#pragma once
// Reading numbers out of VARIANTs and SAFEARRAY data blocks into a
// container's element type, with the containers' conversion rule. VT_BOOL
// counts as its 16-bit signed content (true is -1).

#include "containers/SgElementConvert.h"
#include "platform/com/Variant.h"
#include "platform/win/HResult.h"

namespace SG {

// The numeric element types: VT_I2, VT_I4, VT_R4, VT_R8, VT_BOOL, VT_I1,
// VT_UI1, VT_UI2, VT_UI4.
constexpr bool IsNumericVarType(VARTYPE vt) {
  switch (vt) {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BOOL:
    case VT_I1:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4: return true;
    default: return false;
  }
}

// Bytes of one element of a numeric type (0 for the others).
constexpr unsigned int NumberSize(VARTYPE vt) {
  switch (vt) {
    case VT_I1:
    case VT_UI1: return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL: return 2;
    case VT_I4:
    case VT_UI4:
    case VT_R4: return 4;
    case VT_R8: return 8;
    default: return 0;
  }
}

// Calls f with a typed pointer to n elements of a numeric type at data;
// false (f not called) for any other element type.
template <class F>
bool VisitNumbers(VARTYPE elementType, const void* data, F&& f) {
  switch (elementType) {
    case VT_I1: f(static_cast<const signed char*>(data)); return true;
    case VT_UI1: f(static_cast<const unsigned char*>(data)); return true;
    case VT_I2:
    case VT_BOOL: f(static_cast<const SHORT*>(data)); return true;
    case VT_UI2: f(static_cast<const USHORT*>(data)); return true;
    case VT_I4: f(static_cast<const LONG*>(data)); return true;
    case VT_UI4: f(static_cast<const ULONG*>(data)); return true;
    case VT_R4: f(static_cast<const FLOAT*>(data)); return true;
    case VT_R8: f(static_cast<const DOUBLE*>(data)); return true;
    default: return false;
  }
}

// The value of a numeric VARIANT (or of its VT_BYREF form) converted to T;
// false and out untouched for every other type.
template <class T>
bool ReadVariantNumber(const VARIANT& v, T& out) {
  const bool byRef = (v.vt & VT_BYREF) != 0;
  const VARTYPE type = static_cast<VARTYPE>(v.vt & ~VT_BYREF);
  if (!IsNumericVarType(type)) return false;
  const void* value = byRef ? v.byref : static_cast<const void*>(&v.llVal);
  if (value == nullptr) return false;
  return VisitNumbers(type, value, [&](const auto* p) { out = ConvertElement<T>(*p); });
}

}  // namespace SG
