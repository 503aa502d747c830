#include "platform/afx/COleVariant.h"

#include "platform/com/SafeArray.h"
#include "platform/win/HResult.h"

#include <cstring>
#include <utility>

namespace {

BSTR AllocOrThrow(BSTR text) {
  if (!text) AfxThrowMemoryException();
  return text;
}

}  // namespace

COleVariant::COleVariant() : tagVARIANT{} { VariantInit(this); }

COleVariant::COleVariant(const VARIANT& varSrc) : COleVariant() {
  AfxCheckError(VariantCopy(this, &varSrc));
}

COleVariant::COleVariant(const VARIANT* pSrc) : COleVariant() {
  if (pSrc) AfxCheckError(VariantCopy(this, pSrc));
}

COleVariant::COleVariant(const COleVariant& varSrc)
    : COleVariant(static_cast<const VARIANT&>(varSrc)) {}

COleVariant::COleVariant(LPCSTR lpszSrc) : COleVariant() { SetString(lpszSrc, VT_BSTR); }

COleVariant::COleVariant(LPCSTR lpszSrc, VARTYPE vtSrc) : COleVariant() {
  SetString(lpszSrc, vtSrc);
}

COleVariant::COleVariant(const CString& strSrc) : COleVariant() { SetString(strSrc, VT_BSTR); }

COleVariant::COleVariant(BYTE nSrc) : COleVariant() {
  vt = VT_UI1;
  bVal = nSrc;
}

COleVariant::COleVariant(SHORT nSrc, VARTYPE vtSrc) : COleVariant() {
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = VT_I2;
    iVal = nSrc;
  }
}

COleVariant::COleVariant(LONG lSrc, VARTYPE vtSrc) : COleVariant() {
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (vtSrc == VT_ERROR) {
    vt = VT_ERROR;
    scode = lSrc;
  } else {
    vt = VT_I4;
    lVal = lSrc;
  }
}

COleVariant::COleVariant(const COleCurrency& curSrc) : COleVariant() {
  vt = VT_CY;
  cyVal = curSrc.m_cur;
}

COleVariant::COleVariant(float fltSrc) : COleVariant() {
  vt = VT_R4;
  fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc) : COleVariant() {
  vt = VT_R8;
  dblVal = dblSrc;
}

COleVariant::COleVariant(const COleDateTime& timeSrc) : COleVariant() {
  vt = VT_DATE;
  date = timeSrc.m_dt;
}

COleVariant::COleVariant(const CByteArray& arrSrc) : COleVariant() {
  const auto count = static_cast<ULONG>(arrSrc.GetSize());
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, count);
  if (!array) AfxThrowMemoryException();
  void* data = nullptr;
  if (count > 0) {
    if (FAILED(SafeArrayAccessData(array, &data))) {
      SafeArrayDestroy(array);
      AfxThrowMemoryException();
    }
    std::memcpy(data, arrSrc.GetData(), count);
    SafeArrayUnaccessData(array);
  }
  vt = VT_ARRAY | VT_UI1;
  parray = array;
}

COleVariant::~COleVariant() { VariantClear(this); }

COleVariant& COleVariant::operator=(const COleVariant& varSrc) {
  return *this = static_cast<const VARIANT&>(varSrc);
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc) {
  if (&varSrc != this) AfxCheckError(VariantCopy(this, &varSrc));
  return *this;
}

void COleVariant::Clear() { AfxCheckError(VariantClear(this)); }

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc) {
  AfxCheckError(VariantChangeType(this, pSrc ? pSrc : this, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc) {
  Clear();
  std::memcpy(static_cast<VARIANT*>(this), &varSrc, sizeof(VARIANT));
  varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach() {
  VARIANT result;
  std::memcpy(&result, static_cast<VARIANT*>(this), sizeof(VARIANT));
  vt = VT_EMPTY;
  return result;
}

void COleVariant::SetString(LPCSTR lpszSrc, VARTYPE vtSrc) {
  Clear();
  if (!lpszSrc) return;
  if (vtSrc == VT_BSTRT)
    bstrVal = AllocOrThrow(SysAllocStringByteLen(lpszSrc, static_cast<UINT>(std::strlen(lpszSrc))));
  else
    bstrVal = AllocOrThrow(SysAllocStringFromUtf8(lpszSrc));
  vt = VT_BSTR;
}

void COleVariant::Swap(COleVariant& other) noexcept {
  std::swap(static_cast<VARIANT&>(*this), static_cast<VARIANT&>(other));
}
