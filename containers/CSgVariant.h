#pragma once
// The library's VARIANT value: every argument a control wrapper passes to a
// hosted control and every value that comes back, and every data object
// copied into or out of a VARIANT. Conversions never fail: kinds they do not
// handle give 0, null or empty text.

#include "platform/afx/COleVariant.h"
#include "platform/afx/String.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "containers/CSgDataObject.h"

#include <type_traits>

namespace SG {

class CSgTextStream;

class CSgVariant : public COleVariant {
 public:
  CSgVariant() = default;
  CSgVariant(const VARIANT& source) : COleVariant(source) {}
  CSgVariant(const VARIANT* source) : COleVariant(source) {}
  CSgVariant(const char* text) : COleVariant(text) {}
  CSgVariant(const char* text, VARTYPE vt) : COleVariant(text, vt) {}
  CSgVariant(const CString& text) : COleVariant(text) {}
  CSgVariant(BYTE value) : COleVariant(value) {}
  CSgVariant(bool value)
      : COleVariant(static_cast<SHORT>(value ? VARIANT_TRUE : VARIANT_FALSE), VT_BOOL) {}
  CSgVariant(int value)
      : COleVariant(static_cast<LONG>(value), VT_I4) {}  // also the library's long
  CSgVariant(short value) : COleVariant(static_cast<SHORT>(value), VT_I2) {}
  CSgVariant(const COleCurrency& value) : COleVariant(value) {}
  CSgVariant(float value) : COleVariant(value) {}
  CSgVariant(double value) : COleVariant(value) {}
  CSgVariant(const COleDateTime& value) : COleVariant(value) {}
  CSgVariant(const CByteArray& value) : COleVariant(value) {}
  CSgVariant(const CSgVariant& other) : COleVariant(other) {}
  // A data object (vector, matrix, complex value): VT_EMPTY, then the
  // object's CopyToVariant; cleared again if that throws.
  template <class Data>
  requires std::is_base_of_v<CSgDataObject, Data> CSgVariant(const Data& data) { CopyFrom(data); }
  virtual ~CSgVariant();

  CSgVariant& operator=(const CSgVariant& other);
  template <class Data>
  requires std::is_base_of_v<CSgDataObject, Data> CSgVariant& operator=(const Data& data) {
    CopyFrom(data);
    return *this;
  }

  operator char() const;
  operator unsigned char() const;
  operator short() const;
  operator unsigned short() const;
  operator LONG() const;
  operator float() const;
  operator double() const;
  operator bool() const;
  operator CString() const;
  operator CSgTextStream() const;
  operator LPUNKNOWN() const;
  operator LPDISPATCH() const;
  operator COleDateTime() const;
  operator COleCurrency() const;
  // The VT_ERROR code (the platform's SCODE conversion; SCODE and LONG are
  // one type here, so it carries a name).
  SCODE ToSCode() const;

  // Clears destination, then copies this value into it.
  void CopyTo(VARIANT* destination) const;

 private:
  void CopyFrom(const CSgDataObject& data);
};

}  // namespace SG
