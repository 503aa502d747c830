// VariantChangeType: one intermediate form (signed, unsigned, real, currency
// or text) between every source and target type.
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "platform/com/CodePage.h"
#include "platform/com/CurrencyText.h"
#include "platform/com/DateText.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "platform/win/NumericLocale.h"
#include "platform/win/NumberForm.h"

namespace {

struct Number {
  enum Kind { Signed, Unsigned, Real, Currency } kind = Signed;
  LONGLONG i = 0;   // Signed, Currency (scaled by 10,000)
  ULONGLONG u = 0;  // Unsigned
  double d = 0;     // Real
  bool fromBool = false;
  bool beyondRange = false;  // a text whose value no double holds
};

constexpr LONGLONG kCurrencyScale = 10000;

double AsDouble(const Number& n) {
  switch (n.kind) {
    case Number::Signed: return static_cast<double>(n.i);
    case Number::Unsigned: return static_cast<double>(n.u);
    case Number::Currency: return static_cast<double>(n.i) / kCurrencyScale;
    default: return n.d;
  }
}

std::string Trim(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool EqualsNoCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != 0; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && b[i] == 0;
}

std::string TrimmedText(BSTR text) { return Trim(Utf8FromWide(BstrView(text))); }

// Text as a number: an integer when it is one, else a real; booleans spelt
// out. Numbers have the platform's one form, which the C runtime reads too.
std::optional<Number> ParseNumber(BSTR text) {
  const std::string s = TrimmedText(text);
  Number n;
  if (EqualsNoCase(s, "true") || EqualsNoCase(s, "#true#")) {
    n.i = -1;
    n.fromBool = true;
    return n;
  }
  if (EqualsNoCase(s, "false") || EqualsNoCase(s, "#false#")) {
    n.fromBool = true;
    return n;
  }
  if (!IsNumberForm(s)) return std::nullopt;
  const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
  const char* end = s.data() + s.size();
  if (auto [p, ec] = std::from_chars(begin, end, n.i); ec == std::errc() && p == end) return n;
  if (auto [p, ec] = std::from_chars(begin, end, n.u); ec == std::errc() && p == end) {
    n.kind = Number::Unsigned;
    return n;
  }
  n.kind = Number::Real;
  n.d = NumberFormValue(s);
  n.beyondRange = std::isinf(n.d);
  return n;
}

// The source (already by value) as a number; nullopt when it is none.
std::optional<Number> ToNumber(const VARIANT& v) {
  Number n;
  switch (v.vt) {
    case VT_EMPTY: return n;
    case VT_I1: n.i = v.cVal; return n;
    case VT_I2: n.i = v.iVal; return n;
    case VT_I4: n.i = v.lVal; return n;
    case VT_INT: n.i = v.intVal; return n;
    case VT_I8: n.i = v.llVal; return n;
    case VT_BOOL:
      n.i = v.boolVal;
      n.fromBool = true;
      return n;
    case VT_UI1:
      n.kind = Number::Unsigned;
      n.u = v.bVal;
      return n;
    case VT_UI2:
      n.kind = Number::Unsigned;
      n.u = v.uiVal;
      return n;
    case VT_UI4:
      n.kind = Number::Unsigned;
      n.u = v.ulVal;
      return n;
    case VT_UINT:
      n.kind = Number::Unsigned;
      n.u = v.uintVal;
      return n;
    case VT_UI8:
      n.kind = Number::Unsigned;
      n.u = v.ullVal;
      return n;
    case VT_R4:
      n.kind = Number::Real;
      n.d = v.fltVal;
      return n;
    case VT_R8:
      n.kind = Number::Real;
      n.d = v.dblVal;
      return n;
    case VT_DATE:
      n.kind = Number::Real;
      n.d = v.date;
      return n;
    case VT_CY:
      n.kind = Number::Currency;
      n.i = v.cyVal.int64;
      return n;
    case VT_BSTR: return ParseNumber(v.bstrVal);
    default: return std::nullopt;
  }
}

// Rounds half to even into [low, high]; false when out of range or NaN.
bool ToInteger(const Number& n, long double low, long double high, long double& out) {
  switch (n.kind) {
    case Number::Signed: out = n.i; break;
    case Number::Unsigned: out = n.u; break;
    case Number::Real: out = std::nearbyint(static_cast<long double>(n.d)); break;
    case Number::Currency:
      out = std::nearbyint(static_cast<long double>(n.i) / kCurrencyScale);
      break;
  }
  return !std::isnan(out) && out >= low && out <= high;
}

template <class T>
HRESULT StoreInteger(const Number& n, T& field) {
  // True (-1) into an unsigned type is all ones, as the platform gives it.
  if (n.fromBool && std::is_unsigned_v<T>) {
    field = n.i != 0 ? std::numeric_limits<T>::max() : 0;
    return S_OK;
  }
  long double value = 0;
  if (!ToInteger(n, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), value))
    return DISP_E_OVERFLOW;
  if (n.kind == Number::Signed)
    field = static_cast<T>(n.i);
  else if (n.kind == Number::Unsigned)
    field = static_cast<T>(n.u);
  else
    field = static_cast<T>(value);
  return S_OK;
}

std::string RealText(double value, int digits) { return FormatInCLocale("%.*G", digits, value); }

std::optional<std::string> ToText(const VARIANT& v, USHORT flags) {
  switch (v.vt) {
    case VT_EMPTY: return std::string();
    case VT_BOOL:
      if (flags & VARIANT_ALPHABOOL) return std::string(v.boolVal ? "True" : "False");
      return std::string(v.boolVal ? "-1" : "0");
    // A NaN or an infinity has no number text that reads back.
    case VT_R4:
      if (!std::isfinite(v.fltVal)) return std::nullopt;
      return RealText(v.fltVal, 7);
    case VT_R8:
      if (!std::isfinite(v.dblVal)) return std::nullopt;
      return RealText(v.dblVal, 15);
    case VT_CY: return CurrencyText(v.cyVal.int64);
    case VT_DATE: return DateToText(v.date);
    default: break;
  }
  const std::optional<Number> n = ToNumber(v);
  if (!n) return std::nullopt;
  return n->kind == Number::Unsigned ? std::to_string(n->u) : std::to_string(n->i);
}

HRESULT ConvertValue(const VARIANT& in, USHORT flags, VARTYPE vt, VARIANT& out);

// An object converts through its value property.
HRESULT ConvertObject(const VARIANT& in, USHORT flags, VARTYPE vt, VARIANT& out) {
  if (vt == VT_UNKNOWN || vt == VT_DISPATCH) {
    if (in.punkVal == nullptr) {
      out.vt = vt;
      return S_OK;
    }
    void* p = nullptr;
    const HRESULT hr =
        in.punkVal->QueryInterface(vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown, &p);
    if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
    out.vt = vt;
    out.punkVal = static_cast<IUnknown*>(p);
    return S_OK;
  }
  if (in.vt != VT_DISPATCH || in.pdispVal == nullptr || (flags & VARIANT_NOVALUEPROP))
    return DISP_E_TYPEMISMATCH;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT value;
  VariantInit(&value);
  HRESULT hr = in.pdispVal->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT,
                                   DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr);
  if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
  VARIANT plain;
  VariantInit(&plain);
  hr = VariantCopyInd(&plain, &value);
  VariantClear(&value);
  if (SUCCEEDED(hr)) hr = ConvertValue(plain, flags | VARIANT_NOVALUEPROP, vt, out);
  VariantClear(&plain);
  return hr;
}

HRESULT ConvertValue(const VARIANT& in, USHORT flags, VARTYPE vt, VARIANT& out) {
  if (in.vt == vt) return VariantCopy(&out, &in);
  if (in.vt == VT_UNKNOWN || in.vt == VT_DISPATCH) return ConvertObject(in, flags, vt, out);
  if (vt == VT_EMPTY) return S_OK;
  if (in.vt == VT_NULL || vt == VT_NULL || in.vt == VT_ERROR || vt == VT_ERROR ||
      (in.vt & VT_ARRAY) || vt == VT_UNKNOWN || vt == VT_DISPATCH)
    return DISP_E_TYPEMISMATCH;
  if (vt == VT_BSTR) {
    const std::optional<std::string> text = ToText(in, flags);
    // A date that no calendar day holds, and a real that is not finite, has
    // no text: out of the range of what text can say.
    if (!text)
      return in.vt == VT_DATE || in.vt == VT_R4 || in.vt == VT_R8 ? DISP_E_OVERFLOW
                                                                  : DISP_E_TYPEMISMATCH;
    out.bstrVal = SysAllocStringFromUtf8(*text);
    if (out.bstrVal == nullptr) return E_OUTOFMEMORY;
    out.vt = VT_BSTR;
    return S_OK;
  }
  std::optional<Number> n;
  if (vt == VT_DATE && in.vt == VT_BSTR) {
    if (const std::optional<DATE> date = DateFromText(Utf8FromWide(BstrView(in.bstrVal)))) {
      // Before the first midnight of the year 100 the time of day counts
      // backwards, out of the range (1/1/100 1:05 PM).
      if (!(*date >= kMinDate && *date <= kMaxDate)) return DISP_E_OVERFLOW;
      out.vt = VT_DATE;
      out.date = *date;
      return S_OK;
    }
  }
  n = ToNumber(in);
  if (!n) return DISP_E_TYPEMISMATCH;
  if (n->beyondRange) return DISP_E_OVERFLOW;
  HRESULT hr = S_OK;
  switch (vt) {
    case VT_I1: hr = StoreInteger(*n, out.cVal); break;
    case VT_UI1: hr = StoreInteger(*n, out.bVal); break;
    case VT_I2: hr = StoreInteger(*n, out.iVal); break;
    case VT_UI2: hr = StoreInteger(*n, out.uiVal); break;
    case VT_I4: hr = StoreInteger(*n, out.lVal); break;
    case VT_UI4: hr = StoreInteger(*n, out.ulVal); break;
    case VT_INT: hr = StoreInteger(*n, out.intVal); break;
    case VT_UINT: hr = StoreInteger(*n, out.uintVal); break;
    case VT_I8: hr = StoreInteger(*n, out.llVal); break;
    case VT_UI8: hr = StoreInteger(*n, out.ullVal); break;
    case VT_BOOL: out.boolVal = AsDouble(*n) != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_R4: {
      const double d = AsDouble(*n);
      if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
        return DISP_E_OVERFLOW;
      out.fltVal = static_cast<float>(d);
      break;
    }
    case VT_R8: out.dblVal = AsDouble(*n); break;
    case VT_DATE: {
      const double d = AsDouble(*n);
      if (!(d >= kMinDate && d <= kMaxDate)) return DISP_E_OVERFLOW;
      out.date = d;
      break;
    }
    case VT_CY: {
      if (n->kind == Number::Currency) {
        out.cyVal.int64 = n->i;
        break;
      }
      if (in.vt == VT_BSTR && !n->fromBool) {  // all of the text's digits count
        const std::optional<LONGLONG> exact = CurrencyFromText(TrimmedText(in.bstrVal));
        if (!exact) return DISP_E_OVERFLOW;
        out.cyVal.int64 = *exact;
        break;
      }
      const long double scaled =
          std::nearbyint(static_cast<long double>(AsDouble(*n)) * kCurrencyScale);
      if (n->kind == Number::Signed && (n->i > 922337203685477LL || n->i < -922337203685477LL))
        return DISP_E_OVERFLOW;
      if (std::isnan(scaled) || std::fabs(scaled) >= 9.2233720368547758e18L) return DISP_E_OVERFLOW;
      out.cyVal.int64 =
          n->kind == Number::Signed ? n->i * kCurrencyScale : static_cast<LONGLONG>(scaled);
      break;
    }
    default: return DISP_E_BADVARTYPE;
  }
  if (SUCCEEDED(hr)) out.vt = vt;
  return hr;
}

bool IsConvertibleTarget(VARTYPE vt) { return vt <= VT_UNKNOWN || (vt >= VT_I1 && vt <= VT_UINT); }

}  // namespace

HRESULT VariantChangeType(VARIANTARG* dest, const VARIANTARG* src, USHORT flags, VARTYPE vt) {
  if (dest == nullptr || src == nullptr) return E_INVALIDARG;
  VARIANT in;
  VariantInit(&in);
  HRESULT hr = VariantCopyInd(&in, src);
  if (FAILED(hr)) return hr;
  VARIANT out;
  VariantInit(&out);
  if ((vt & VT_ARRAY) && !(vt & VT_BYREF))
    hr = in.vt == vt ? VariantCopy(&out, &in) : DISP_E_TYPEMISMATCH;
  else if (!IsConvertibleTarget(vt) || vt == VT_VARIANT)
    hr = DISP_E_BADVARTYPE;
  else
    hr = ConvertValue(in, flags, vt, out);
  VariantClear(&in);
  if (SUCCEEDED(hr)) hr = VariantClear(dest);
  if (FAILED(hr)) {
    VariantClear(&out);
    return hr;
  }
  *dest = out;
  return S_OK;
}

HRESULT VariantChangeTypeEx(VARIANTARG* dest, const VARIANTARG* src, LCID, USHORT flags,
                            VARTYPE vt) {
  return VariantChangeType(dest, src, flags, vt);
}
