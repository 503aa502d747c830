// The conversions of CSgVariant to scalars, text and objects.
#include "containers/CSgTextStream.h"
#include "containers/CSgVariant.h"
#include "containers/SgVariantNumbers.h"
#include "platform/com/Bstr.h"
#include "platform/com/CodePage.h"
#include "platform/win/CrtFormat.h"

namespace SG {

namespace {

// The value of a VARIANT or of what its VT_BYREF form points to, with the
// flag removed; null when a by-reference pointer is missing.
const void* ValueOf(const VARIANT& v, VARTYPE& type) {
  type = static_cast<VARTYPE>(v.vt & ~VT_BYREF);
  return (v.vt & VT_BYREF) ? v.byref : static_cast<const void*>(&v.llVal);
}

std::string BstrText(BSTR text) { return Utf8FromWide(BstrView(text)); }

// One rule for every numeric target. VT_BOOL gives 1 or 0; a text is scanned
// with scanFormat into a Scan local that starts at 0.
template <class T, class Scan = T>
T ToNumber(const VARIANT& v, const char* scanFormat) {
  VARTYPE type;
  const void* value = ValueOf(v, type);
  if (!value || (v.vt & VT_ARRAY)) return T(0);
  if (type == VT_BOOL) return *static_cast<const VARIANT_BOOL*>(value) != 0 ? T(1) : T(0);
  if (type == VT_BSTR) {
    BSTR text = *static_cast<const BSTR*>(value);
    Scan scanned{};
    if constexpr (std::is_same_v<T, char> || std::is_same_v<T, unsigned char>) {
      // "%c": the first character, its low byte.
      const UINT n = SysStringLen(text);
      if (n > 0) scanned = static_cast<Scan>(text[0] & 0xFF);
    } else {
      if (CrtSscanf(BstrText(text).c_str(), scanFormat, &scanned) != 1) scanned = Scan{};
    }
    if constexpr (std::is_same_v<T, bool>)
      return scanned != 0;
    else
      return ConvertElement<T>(scanned);
  }
  if constexpr (std::is_same_v<T, bool>) {
    double d = 0;
    VisitNumbers(type, value, [&](const auto* p) { d = static_cast<double>(*p); });
    // NaN counts as non-zero.
    return !(d == 0.0);
  } else {
    T result{};  // 0 for every type that is not a number
    VisitNumbers(type, value, [&](const auto* p) { result = ConvertElement<T>(*p); });
    return result;
  }
}

}  // namespace

CSgVariant::operator char() const { return ToNumber<char>(*this, "%c"); }
CSgVariant::operator unsigned char() const { return ToNumber<unsigned char>(*this, "%c"); }
CSgVariant::operator short() const { return ToNumber<short>(*this, "%hi"); }
CSgVariant::operator unsigned short() const {
  return ToNumber<unsigned short, short>(*this, "%hi");
}
CSgVariant::operator LONG() const { return ToNumber<LONG>(*this, "%li"); }
CSgVariant::operator float() const { return ToNumber<float>(*this, "%f"); }
CSgVariant::operator double() const { return ToNumber<double>(*this, "%lf"); }
CSgVariant::operator bool() const { return ToNumber<bool, int>(*this, "%i"); }

CSgVariant::operator CString() const {
  VARTYPE type;
  const void* value = ValueOf(*this, type);
  if (!value || (vt & VT_ARRAY)) return CString();
  CSgTextStream s;
  switch (type) {
    case VT_I2: s << *static_cast<const SHORT*>(value); break;
    case VT_I4: s << *static_cast<const LONG*>(value); break;
    case VT_R4: s << *static_cast<const FLOAT*>(value); break;
    case VT_R8: s << *static_cast<const DOUBLE*>(value); break;
    case VT_I1: s << *static_cast<const CHAR*>(value); break;
    case VT_UI1: s << *static_cast<const BYTE*>(value); break;
    case VT_UI2: s << *static_cast<const USHORT*>(value); break;
    case VT_UI4: s << *static_cast<const ULONG*>(value); break;
    case VT_DATE: return COleDateTime(*static_cast<const DATE*>(value)).Format(0, 0x400);
    case VT_BSTR: return CString(BstrText(*static_cast<const BSTR*>(value)).c_str());
    default: return CString();
  }
  return s.GetText();
}

CSgVariant::operator CSgTextStream() const { return CSgTextStream(static_cast<CString>(*this)); }

CSgVariant::operator LPUNKNOWN() const {
  if (vt == VT_UNKNOWN) return punkVal;
  if (vt == (VT_UNKNOWN | VT_BYREF)) return ppunkVal ? *ppunkVal : nullptr;
  return nullptr;
}

CSgVariant::operator LPDISPATCH() const {
  if (vt == VT_DISPATCH) return pdispVal;
  if (vt == (VT_DISPATCH | VT_BYREF)) return ppdispVal ? *ppdispVal : nullptr;
  return nullptr;
}

SCODE CSgVariant::ToSCode() const {
  if (vt == VT_ERROR) return scode;
  if (vt == (VT_ERROR | VT_BYREF)) return pscode ? *pscode : 0;
  return 0;
}

CSgVariant::operator COleDateTime() const {
  if (vt == VT_DATE) return COleDateTime(date);
  if (vt == (VT_DATE | VT_BYREF)) return COleDateTime(pdate ? *pdate : 0.0);
  return COleDateTime(0.0);
}

CSgVariant::operator COleCurrency() const {
  CY value{0};
  if (vt == VT_CY)
    value = cyVal;
  else if (vt == (VT_CY | VT_BYREF) && pcyVal)
    value = *pcyVal;
  return COleCurrency(value);
}

}  // namespace SG
