#pragma once
// COleVariant: the framework's owning VARIANT. It is the VARIANT itself
// (derived from tagVARIANT), built from the framework's value types, copied
// with the VARIANT copy rules and cleared when destroyed. Failures throw
// CMemoryException (out of memory) or COleException (other status codes).

#include "platform/afx/OleCurrency.h"
#include "platform/afx/OleDateTime.h"
#include "platform/afx/OleException.h"
#include "platform/afx/String.h"
#include "platform/afx/StringArray.h"
#include "platform/com/Variant.h"

#include <type_traits>

// COleVariant (text, VT_BSTRT): the narrow text's bytes as they are in a BSTR
// (the platform's ANSI string form) instead of the UTF-16 text.
constexpr VARTYPE VT_BSTRT = VT_LPSTR;

class COleVariant : public tagVARIANT {
 public:
  COleVariant();
  COleVariant(const VARIANT& varSrc);
  COleVariant(const VARIANT* pSrc);  // null gives VT_EMPTY
  COleVariant(const COleVariant& varSrc);
  COleVariant(LPCSTR lpszSrc);                 // VT_BSTR; null gives VT_EMPTY
  COleVariant(LPCSTR lpszSrc, VARTYPE vtSrc);  // VT_BSTR or VT_BSTRT
  COleVariant(const CString& strSrc);
  COleVariant(BYTE nSrc);
  COleVariant(SHORT nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2 or VT_BOOL
  COleVariant(LONG lSrc, VARTYPE vtSrc = VT_I4);   // VT_I4, VT_ERROR or VT_BOOL
  COleVariant(const COleCurrency& curSrc);
  COleVariant(float fltSrc);
  COleVariant(double dblSrc);
  COleVariant(const COleDateTime& timeSrc);
  COleVariant(const CByteArray& arrSrc);  // VT_ARRAY | VT_UI1, lower bound 0
  ~COleVariant();

  COleVariant& operator=(const COleVariant& varSrc);
  COleVariant& operator=(const VARIANT& varSrc);
  // Any other value a constructor takes.
  template <class T>
  requires(std::is_constructible_v<COleVariant, const T&> &&
           !std::is_base_of_v<VARIANT, T>) COleVariant&
  operator=(const T& value) {
    COleVariant copy(value);
    Swap(copy);
    return *this;
  }

  void Clear();
  // Converts in place, or from pSrc into this variant.
  void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);
  // Takes over varSrc's contents (varSrc becomes VT_EMPTY).
  void Attach(VARIANT& varSrc);
  // Hands the contents over; this variant becomes VT_EMPTY.
  VARIANT Detach();
  void SetString(LPCSTR lpszSrc, VARTYPE vtSrc);

  operator LPVARIANT() { return this; }
  operator const VARIANT*() const { return this; }

 private:
  void Swap(COleVariant& other) noexcept;
};
