#pragma once
// Building and reading SAFEARRAY VARIANTs, including the library's tagged
// VARIANT form of a complex number (and of complex vectors and matrices):
// VT_ARRAY|VT_VARIANT of 3 elements, lower bound 0, element 0 the BSTR tag,
// elements 1 and 2 the real and imaginary parts.

#include "containers/SgVariantNumbers.h"
#include "platform/com/SafeArray.h"
#include "platform/com/Variant.h"

namespace SG {

class CSgSafeArrayProxy;

// The tag of the complex forms; compared exactly (case-sensitive).
inline constexpr char SgComplexVariantTag[] = "C70F4756-67DC-4BD7-8B88-833438CBAB4F";

// Clears out; for a numeric vt makes it VT_ARRAY|vt over a new 1-D array of
// count elements (lower bound 0). Otherwise, or when the array cannot be
// made, out stays VT_EMPTY.
void CreateArrayVariant1D(VARIANT* out, VARTYPE vt, unsigned int count);
// The same with a 2-D array whose bounds are (first, second).
void CreateArrayVariant2D(VARIANT* out, VARTYPE vt, unsigned int first, unsigned int second);

// Clears out; for a numeric vt builds the complex form with parts of type vt
// and returns the addresses of the two parts' value fields, into which the
// caller writes. Otherwise out stays VT_EMPTY and the addresses are not set.
void CreateComplexVariant(VARIANT* out, VARTYPE vt, void** realValue, void** imagValue);
// True when in has the complex form (VT_ARRAY|VT_VARIANT exactly, one
// dimension of 3, element 0 the tag); proxy is left attached to the array.
bool IsComplexVariant(const VARIANT* in, CSgSafeArrayProxy& proxy);
// The complex form with both parts of one plain type: vt (low 12 bits) and
// the parts' addresses, valid while in lives unchanged. Otherwise false and
// the outputs untouched.
bool ReadComplexVariant(const VARIANT* in, void** realValue, void** imagValue, VARTYPE* vt);

// Array forms: parts 1 and 2 are VT_ARRAY|vt VARIANTs over new 1-D arrays of
// count elements (2-D first x second for the matrix form); the two proxies
// are attached to them for the caller to fill. Return false when nothing was
// built (out stays VT_EMPTY).
bool CreateComplexVectorVariant(VARIANT* out, VARTYPE vt, unsigned int count,
                                CSgSafeArrayProxy& realPart, CSgSafeArrayProxy& imagPart);
bool CreateComplexMatrixVariant(VARIANT* out, VARTYPE vt, unsigned int first, unsigned int second,
                                CSgSafeArrayProxy& realPart, CSgSafeArrayProxy& imagPart);
// Both parts arrays (VT_ARRAY set, VT_BYREF clear) of one type with 1 (2)
// dimensions: attaches the proxies and reports the type and the smaller
// element count (for matrices, the smaller extent in each dimension).
bool ReadComplexVectorVariant(const VARIANT* in, CSgSafeArrayProxy& realPart,
                              CSgSafeArrayProxy& imagPart, VARTYPE* vt, unsigned int* count);
bool ReadComplexMatrixVariant(const VARIANT* in, CSgSafeArrayProxy& realPart,
                              CSgSafeArrayProxy& imagPart, VARTYPE* vt, unsigned int* first,
                              unsigned int* second);

}  // namespace SG
