// libFuzzer entry: the VARIANT change of type from text, and from dates and
// currency values into text. The first byte picks the target type and the
// form of the rest: UTF-8 text, UTF-16 text, or the raw bits of a DATE or a
// currency value. Promises: a text never becomes an infinity or a NaN; what
// a text became goes into text and back unchanged; a date becomes text
// exactly when it lies in the calendar's range.

#include <cmath>

#include "fuzz/FuzzSupport.h"
#include "platform/com/Bstr.h"
#include "platform/com/DateText.h"
#include "platform/com/Variant.h"
#include "platform/win/HResult.h"

namespace {

constexpr VARTYPE kTargets[] = {VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4,  VT_INT, VT_UINT,
                                VT_I8, VT_UI8, VT_R4, VT_R8,  VT_CY, VT_DATE, VT_BOOL};

bool Finite(const VARIANT& v) {
  switch (v.vt) {
    case VT_R4: return std::isfinite(v.fltVal);
    case VT_R8: return std::isfinite(v.dblVal);
    case VT_DATE: return v.date >= kMinDate && v.date <= kMaxDate;
    default: return true;
  }
}

// The value's bits, as far as its type holds them.
bool SameValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  switch (a.vt) {
    case VT_I1:
    case VT_UI1: return a.bVal == b.bVal;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL: return a.uiVal == b.uiVal;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT: return a.ulVal == b.ulVal;
    default: return a.ullVal == b.ullVal;
  }
}

// Text into `target`; what it became, into text and back, must not change.
void FromText(BSTR text, VARTYPE target, USHORT flags) {
  fuzz::Variant source, value;
  source.v.vt = VT_BSTR;
  source.v.bstrVal = text;
  if (FAILED(VariantChangeType(&value.v, &source.v, flags, target))) return;
  FUZZ_PROMISE(value.v.vt == target && Finite(value.v));
  fuzz::Variant written, back;
  FUZZ_PROMISE(SUCCEEDED(VariantChangeType(&written.v, &value.v, 0, VT_BSTR)));
  // Reals and dates are written with fewer digits than they hold.
  if (target == VT_R4 || target == VT_R8 || target == VT_DATE) return;
  FUZZ_PROMISE(SUCCEEDED(VariantChangeType(&back.v, &written.v, 0, target)));
  FUZZ_PROMISE(SameValue(back.v, value.v));
}

void FromBits(fuzz::Bytes& in, bool date) {
  fuzz::Variant value, written, back;
  value.v.vt = date ? VT_DATE : VT_CY;
  value.v.ullVal = in.Value<ULONGLONG>();
  const HRESULT result = VariantChangeType(&written.v, &value.v, 0, VT_BSTR);
  if (!date) {  // every currency value has a text, which reads back exactly
    FUZZ_PROMISE(SUCCEEDED(result));
    FUZZ_PROMISE(SUCCEEDED(VariantChangeType(&back.v, &written.v, 0, VT_CY)));
    FUZZ_PROMISE(SameValue(back.v, value.v));
    return;
  }
  FUZZ_PROMISE(SUCCEEDED(result) == Finite(value.v));
  if (FAILED(result)) FUZZ_PROMISE(result == DISP_E_OVERFLOW);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::uint8_t choice = in.Byte();
  const VARTYPE target = kTargets[choice % std::size(kTargets)];
  const USHORT flags = choice & 0x80 ? VARIANT_ALPHABOOL : 0;
  switch ((choice / std::size(kTargets)) % 4) {
    case 0:
      FromText(SysAllocStringFromUtf8(
                   std::string_view(reinterpret_cast<const char*>(in.Rest()), in.Left())),
               target, flags);
      break;
    case 1:
      FromText(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(in.Rest()),
                                 static_cast<UINT>(in.Left() / 2)),
               target, flags);
      break;
    case 2: FromBits(in, true); break;
    default: FromBits(in, false); break;
  }
  return 0;
}
