#include "platform/com/SafeArray.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/com/Unknown.h"
#include "platform/com/VarTypeSize.h"
#include "platform/win/HResult.h"

namespace {

// Hidden in front of every descriptor: the element type, which the
// platform also keeps just before the descriptor.
struct alignas(16) Prefix {
  VARTYPE vt;
};

USHORT FeaturesFor(VARTYPE vt) {
  switch (vt) {
    case VT_BSTR: return FADF_HAVEVARTYPE | FADF_BSTR;
    case VT_UNKNOWN: return FADF_HAVEVARTYPE | FADF_UNKNOWN;
    case VT_DISPATCH: return FADF_HAVEVARTYPE | FADF_DISPATCH;
    case VT_VARIANT: return FADF_HAVEVARTYPE | FADF_VARIANT;
    default: return FADF_HAVEVARTYPE;
  }
}

std::size_t DescriptorBytes(UINT cDims) {
  return sizeof(Prefix) + sizeof(SAFEARRAY) + (cDims - 1) * sizeof(SAFEARRAYBOUND);
}

Prefix* PrefixOf(SAFEARRAY* psa) { return reinterpret_cast<Prefix*>(psa) - 1; }

ULONGLONG ElementCount(SAFEARRAY* psa) {
  ULONGLONG count = 1;
  const SAFEARRAYBOUND* bounds = psa->rgsabound;
  for (UINT d = 0; d < psa->cDims; ++d) count *= bounds[d].cElements;
  return count;
}

// Linear position of rgIndices (first dimension first, varying fastest).
bool Offset(SAFEARRAY* psa, const LONG* rgIndices, ULONGLONG& position) {
  position = 0;
  ULONGLONG stride = 1;
  for (UINT d = 1; d <= psa->cDims; ++d) {
    const SAFEARRAYBOUND& bound = SafeArrayBound(psa, d);
    const LONGLONG index = static_cast<LONGLONG>(rgIndices[d - 1]) - bound.lLbound;
    if (index < 0 || index >= static_cast<LONGLONG>(bound.cElements)) return false;
    position += static_cast<ULONGLONG>(index) * stride;
    stride *= bound.cElements;
  }
  return true;
}

VARTYPE TypeOf(SAFEARRAY* psa) { return PrefixOf(psa)->vt; }

void FreeElements(SAFEARRAY* psa) {
  if (psa->pvData == nullptr) return;
  const ULONGLONG n = ElementCount(psa);
  switch (TypeOf(psa)) {
    case VT_BSTR:
      for (ULONGLONG i = 0; i < n; ++i) SysFreeString(static_cast<BSTR*>(psa->pvData)[i]);
      break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
      for (ULONGLONG i = 0; i < n; ++i)
        if (IUnknown* p = static_cast<IUnknown**>(psa->pvData)[i]) p->Release();
      break;
    case VT_VARIANT:
      for (ULONGLONG i = 0; i < n; ++i) VariantClear(static_cast<VARIANT*>(psa->pvData) + i);
      break;
    default: break;
  }
}

// Copies one element into raw storage that holds no value yet.
HRESULT CopyElement(VARTYPE vt, const void* from, void* to, ULONG size) {
  switch (vt) {
    case VT_BSTR: {
      const BSTR text = *static_cast<const BSTR*>(from);
      BSTR copy = nullptr;
      if (text != nullptr) {
        copy = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(text), SysStringByteLen(text));
        if (copy == nullptr) return E_OUTOFMEMORY;
      }
      *static_cast<BSTR*>(to) = copy;
      return S_OK;
    }
    case VT_UNKNOWN:
    case VT_DISPATCH: {
      IUnknown* p = *static_cast<IUnknown* const*>(from);
      if (p != nullptr) p->AddRef();
      *static_cast<IUnknown**>(to) = p;
      return S_OK;
    }
    case VT_VARIANT:
      VariantInit(static_cast<VARIANT*>(to));
      return VariantCopy(static_cast<VARIANT*>(to), static_cast<const VARIANT*>(from));
    default: std::memcpy(to, from, size); return S_OK;
  }
}

}  // namespace

HRESULT SafeArrayAllocDescriptorEx(VARTYPE vt, UINT cDims, SAFEARRAY** ppsaOut) {
  if (ppsaOut == nullptr) return E_INVALIDARG;
  *ppsaOut = nullptr;
  const ULONG size = VarTypeSize(vt);
  if (size == 0 || cDims == 0 || cDims > 0xFFFF) return E_INVALIDARG;
  void* block = std::calloc(1, DescriptorBytes(cDims));
  if (block == nullptr) return E_OUTOFMEMORY;
  static_cast<Prefix*>(block)->vt = vt;
  auto* psa = reinterpret_cast<SAFEARRAY*>(static_cast<Prefix*>(block) + 1);
  psa->cDims = static_cast<USHORT>(cDims);
  psa->fFeatures = FeaturesFor(vt);
  psa->cbElements = size;
  *ppsaOut = psa;
  return S_OK;
}

HRESULT SafeArrayDestroyDescriptor(SAFEARRAY* psa) {
  if (psa == nullptr) return S_OK;
  if (psa->cLocks != 0) return DISP_E_ARRAYISLOCKED;
  std::free(PrefixOf(psa));
  return S_OK;
}

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT cDims, SAFEARRAYBOUND* rgsabound) {
  const ULONG size = VarTypeSize(vt);
  if (size == 0 || cDims == 0 || cDims > 0xFFFF || rgsabound == nullptr) return nullptr;
  ULONGLONG count = 1;
  for (UINT d = 0; d < cDims; ++d) {
    count *= rgsabound[d].cElements;
    if (count > 0x7FFFFFFFull / size) return nullptr;
  }
  SAFEARRAY* psa = nullptr;
  if (FAILED(SafeArrayAllocDescriptorEx(vt, cDims, &psa))) return nullptr;
  SAFEARRAYBOUND* bounds = psa->rgsabound;
  for (UINT d = 0; d < cDims; ++d) bounds[cDims - 1 - d] = rgsabound[d];  // stored reversed
  psa->pvData = std::calloc(count == 0 ? 1 : count, size);
  if (psa->pvData == nullptr) {
    SafeArrayDestroyDescriptor(psa);
    return nullptr;
  }
  return psa;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements) {
  SAFEARRAYBOUND bound{cElements, lLbound};
  return SafeArrayCreate(vt, 1, &bound);
}

HRESULT SafeArrayDestroy(SAFEARRAY* psa) {
  if (psa == nullptr) return S_OK;
  if (psa->cLocks != 0) return DISP_E_ARRAYISLOCKED;
  FreeElements(psa);
  if (!(psa->fFeatures & (FADF_AUTO | FADF_STATIC | FADF_EMBEDDED))) std::free(psa->pvData);
  std::free(PrefixOf(psa));
  return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** ppsaOut) {
  if (ppsaOut == nullptr) return E_INVALIDARG;
  *ppsaOut = nullptr;
  if (psa == nullptr) return S_OK;
  SAFEARRAYBOUND bounds[64];
  if (psa->cDims > 64) return E_INVALIDARG;
  for (UINT d = 1; d <= psa->cDims; ++d) bounds[d - 1] = SafeArrayBound(psa, d);
  SAFEARRAY* copy = SafeArrayCreate(TypeOf(psa), psa->cDims, bounds);
  if (copy == nullptr) return E_OUTOFMEMORY;
  const ULONGLONG n = ElementCount(psa);
  for (ULONGLONG i = 0; i < n; ++i) {
    const HRESULT hr =
        CopyElement(TypeOf(psa), static_cast<const BYTE*>(psa->pvData) + i * psa->cbElements,
                    static_cast<BYTE*>(copy->pvData) + i * psa->cbElements, psa->cbElements);
    if (FAILED(hr)) {
      SafeArrayDestroy(copy);
      return hr;
    }
  }
  *ppsaOut = copy;
  return S_OK;
}

HRESULT SafeArrayLock(SAFEARRAY* psa) {
  if (psa == nullptr) return E_INVALIDARG;
  if (psa->cLocks >= 65535) return E_UNEXPECTED;
  ++psa->cLocks;
  return S_OK;
}

HRESULT SafeArrayUnlock(SAFEARRAY* psa) {
  if (psa == nullptr) return E_INVALIDARG;
  if (psa->cLocks == 0) return E_UNEXPECTED;
  --psa->cLocks;
  return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData) {
  if (psa == nullptr || ppvData == nullptr) return E_INVALIDARG;
  const HRESULT hr = SafeArrayLock(psa);
  *ppvData = SUCCEEDED(hr) ? psa->pvData : nullptr;
  return hr;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* psa) { return SafeArrayUnlock(psa); }

HRESULT SafeArrayPtrOfIndex(SAFEARRAY* psa, LONG* rgIndices, void** ppvData) {
  if (psa == nullptr || rgIndices == nullptr || ppvData == nullptr) return E_INVALIDARG;
  ULONGLONG position = 0;
  if (!Offset(psa, rgIndices, position)) return DISP_E_BADINDEX;
  *ppvData = static_cast<BYTE*>(psa->pvData) + position * psa->cbElements;
  return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* psa, LONG* rgIndices, void* pv) {
  if (pv == nullptr) return E_INVALIDARG;
  void* element = nullptr;
  HRESULT hr = SafeArrayPtrOfIndex(psa, rgIndices, &element);
  if (FAILED(hr)) return hr;
  if (TypeOf(psa) == VT_VARIANT) {
    // The caller's VARIANT is treated as holding nothing yet.
    VariantInit(static_cast<VARIANT*>(pv));
  }
  SafeArrayLock(psa);
  hr = CopyElement(TypeOf(psa), element, pv, psa->cbElements);
  SafeArrayUnlock(psa);
  return hr;
}

HRESULT SafeArrayPutElement(SAFEARRAY* psa, LONG* rgIndices, void* pv) {
  void* element = nullptr;
  HRESULT hr = SafeArrayPtrOfIndex(psa, rgIndices, &element);
  if (FAILED(hr)) return hr;
  const VARTYPE vt = TypeOf(psa);
  if (pv == nullptr && vt != VT_BSTR && vt != VT_UNKNOWN && vt != VT_DISPATCH) return E_INVALIDARG;
  SafeArrayLock(psa);
  switch (vt) {
    case VT_BSTR: {
      const BSTR source = static_cast<BSTR>(pv);
      BSTR copy = nullptr;
      if (source != nullptr) {
        copy = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(source), SysStringByteLen(source));
        if (copy == nullptr) {
          hr = E_OUTOFMEMORY;
          break;
        }
      }
      SysFreeString(*static_cast<BSTR*>(element));
      *static_cast<BSTR*>(element) = copy;
      break;
    }
    case VT_UNKNOWN:
    case VT_DISPATCH: {
      auto* source = static_cast<IUnknown*>(pv);
      if (source != nullptr) source->AddRef();
      IUnknown*& slot = *static_cast<IUnknown**>(element);
      if (slot != nullptr) slot->Release();
      slot = source;
      break;
    }
    case VT_VARIANT:
      hr = VariantCopy(static_cast<VARIANT*>(element), static_cast<const VARIANT*>(pv));
      break;
    default: std::memcpy(element, pv, psa->cbElements); break;
  }
  SafeArrayUnlock(psa);
  return hr;
}

UINT SafeArrayGetDim(SAFEARRAY* psa) { return psa == nullptr ? 0 : psa->cDims; }
UINT SafeArrayGetElemsize(SAFEARRAY* psa) { return psa == nullptr ? 0 : psa->cbElements; }

HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound) {
  if (psa == nullptr || plLbound == nullptr) return E_INVALIDARG;
  if (nDim == 0 || nDim > psa->cDims) return DISP_E_BADINDEX;
  *plLbound = SafeArrayBound(psa, nDim).lLbound;
  return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound) {
  if (psa == nullptr || plUbound == nullptr) return E_INVALIDARG;
  if (nDim == 0 || nDim > psa->cDims) return DISP_E_BADINDEX;
  const SAFEARRAYBOUND& bound = SafeArrayBound(psa, nDim);
  *plUbound = static_cast<LONG>(static_cast<LONGLONG>(bound.lLbound) + bound.cElements - 1);
  return S_OK;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt) {
  if (psa == nullptr || pvt == nullptr) return E_INVALIDARG;
  *pvt = TypeOf(psa);
  return S_OK;
}
