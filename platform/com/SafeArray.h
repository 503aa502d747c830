#pragma once
// SAFEARRAY: a self-describing array of one VARTYPE with any number of
// dimensions, laid out as on the platform: the descriptor keeps its bounds
// last dimension first (rgsabound[0] is the last dimension), and the data
// is column-major, the first dimension varying fastest. Index vectors
// (rgIndices) and dimension numbers (nDim, from 1) name the first dimension
// first. Element (i, j) of a 2-D array is at i + j * rows.

#include "platform/com/Variant.h"
#include "platform/win/WinTypes.h"

struct SAFEARRAYBOUND {
  ULONG cElements;
  LONG lLbound;
};
using LPSAFEARRAYBOUND = SAFEARRAYBOUND*;

struct SAFEARRAY {
  USHORT cDims;
  USHORT fFeatures;
  ULONG cbElements;
  ULONG cLocks;
  PVOID pvData;
  SAFEARRAYBOUND rgsabound[1];  // cDims entries, last dimension first
};
using LPSAFEARRAY = SAFEARRAY*;

constexpr USHORT FADF_AUTO = 0x0001;
constexpr USHORT FADF_STATIC = 0x0002;
constexpr USHORT FADF_EMBEDDED = 0x0004;
constexpr USHORT FADF_FIXEDSIZE = 0x0010;
constexpr USHORT FADF_RECORD = 0x0020;
constexpr USHORT FADF_HAVEIID = 0x0040;
constexpr USHORT FADF_HAVEVARTYPE = 0x0080;
constexpr USHORT FADF_BSTR = 0x0100;
constexpr USHORT FADF_UNKNOWN = 0x0200;
constexpr USHORT FADF_DISPATCH = 0x0400;
constexpr USHORT FADF_VARIANT = 0x0800;

// New zero-filled arrays (BSTRs NULL, VARIANTs VT_EMPTY); NULL for an
// unsupported element type, no dimensions or no memory. Element types: I1,
// UI1, I2, UI2, BOOL, I4, UI4, INT, UINT, ERROR, R4, R8, CY, DATE, I8, UI8,
// BSTR, DISPATCH, UNKNOWN, VARIANT.
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT cDims, SAFEARRAYBOUND* rgsabound);
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements);
// Frees the elements (BSTRs, VARIANTs, interface references) and the array;
// the memory of the elements only when the array owns it (not FADF_AUTO,
// FADF_STATIC or FADF_EMBEDDED). DISP_E_ARRAYISLOCKED while locked. NULL is
// accepted.
HRESULT SafeArrayDestroy(SAFEARRAY* psa);
// A descriptor without elements (pvData NULL, bounds zero), for an array
// over memory the caller owns: set the bounds, pvData and FADF_STATIC.
// E_INVALIDARG for an unsupported element type or no dimensions.
HRESULT SafeArrayAllocDescriptorEx(VARTYPE vt, UINT cDims, SAFEARRAY** ppsaOut);
// Frees a descriptor, not its elements; DISP_E_ARRAYISLOCKED while locked.
HRESULT SafeArrayDestroyDescriptor(SAFEARRAY* psa);
// A deep copy, unlocked. A NULL source gives NULL.
HRESULT SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** ppsaOut);

HRESULT SafeArrayLock(SAFEARRAY* psa);
HRESULT SafeArrayUnlock(SAFEARRAY* psa);                      // E_UNEXPECTED when not locked
HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData);  // locks
HRESULT SafeArrayUnaccessData(SAFEARRAY* psa);                // unlocks

// Copies out one element (a new BSTR, a VARIANT copy, an AddRef'ed
// interface) into pv, which is overwritten without being cleared first.
// DISP_E_BADINDEX outside the bounds.
HRESULT SafeArrayGetElement(SAFEARRAY* psa, LONG* rgIndices, void* pv);
// pv is the value's address, except for BSTR and interface arrays, where it
// is the BSTR or the interface pointer itself. The old element is freed.
HRESULT SafeArrayPutElement(SAFEARRAY* psa, LONG* rgIndices, void* pv);
// The element's address inside the data (the array should be locked).
HRESULT SafeArrayPtrOfIndex(SAFEARRAY* psa, LONG* rgIndices, void** ppvData);

UINT SafeArrayGetDim(SAFEARRAY* psa);
UINT SafeArrayGetElemsize(SAFEARRAY* psa);
HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound);
HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound);
HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt);

// Bounds entry of dimension nDim (from 1, first dimension first), for code
// that reads the descriptor directly.
inline SAFEARRAYBOUND& SafeArrayBound(SAFEARRAY* psa, UINT nDim) {
  SAFEARRAYBOUND* bounds = psa->rgsabound;
  return bounds[psa->cDims - nDim];
}
