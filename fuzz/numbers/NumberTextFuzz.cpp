// libFuzzer entry: numbers into text and back, as the program writes them
// into files, replies and controls. The first byte picks the conversion, the
// rest are the number's raw bits:
//  - DoubleToStr: fixed-point text with nine decimals, which StrToDouble
//    reads back to within half the last decimal (and the runtime's 17
//    significant digits);
//  - IntToStr with and without its sign flag, against printf, read back by
//    StrToInt; and the hexadecimal text read back by StrToInt and HexStrToInt;
//  - a VT_R8 or VT_R4 VARIANT into text (VariantChangeType) and back to its
//    type, to within the digits the text keeps (15 and 7);
//  - the class library's variant of a double into text ("%lg", six
//    significant digits) and back.
// The runtime's texts are not the C library's (17 digits at most, a 5 rounds
// away from zero, three exponent digits), so texts are compared by value.

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "containers/CSgVariant.h"
#include "fuzz/FuzzSupport.h"
#include "platform/com/Variant.h"
#include "waveform/NumberHelpers.h"

namespace {

std::string PrintedInt(const char* format, int value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// |back - value| within `relative` of the value, or within the smallest
// step of the type near 0 (where the text keeps fewer digits).
bool Near(double back, double value, double relative, double smallest) {
  return std::fabs(back - value) <= std::fabs(value) * relative + smallest;
}

// "-ddd.ddddddddd": an optional minus, digits, a point and nine decimals.
bool FixedNine(const std::string& text) {
  const std::size_t digits = text[0] == '-' ? 1 : 0;
  const std::size_t point = text.find('.');
  return point != std::string::npos && point > digits && text.size() == point + 10 &&
         text.find_first_not_of("0123456789.", digits) == std::string::npos &&
         text.find('.', point + 1) == std::string::npos;
}

void DoubleText(double value) {
  // Not finite: the platform runtime's text ("1.#INF00000"), which reads back
  // as its leading digit, as the runtime reads it; nothing to compare.
  if (!std::isfinite(value)) return;
  const CString text = DoubleToStr(value);
  FUZZ_PROMISE(FixedNine(std::string(text)));
  FUZZ_PROMISE(Near(StrToDouble(text), value, 3e-16, 5.0000001e-10));
}

void IntText(int value) {
  for (int flag = 0; flag < 2; ++flag) {
    const CString text = IntToStr(value, flag);
    FUZZ_PROMISE(std::string(text) == PrintedInt(flag ? "%+d" : "%d", value));
    // The lowest int reads back as the highest negated: StrToInt takes the
    // digits without their sign, and they lie beyond the int range.
    FUZZ_PROMISE(StrToInt(text) == (value == INT_MIN ? -INT_MAX : value));
  }
  FUZZ_PROMISE(StrToInt(PrintedInt("0x%x", value).c_str()) == value);
  FUZZ_PROMISE(HexStrToInt(PrintedInt("%X", value).c_str()) == value);
}

void VariantText(double value, VARTYPE type) {
  // Values that are not finite are left out: their text does not convert
  // back yet (an open fault of the platform layer, mended separately).
  if (!std::isfinite(value)) return;
  fuzz::Variant number, text, back;
  number.v.vt = type;
  if (type == VT_R4)
    number.v.fltVal = static_cast<float>(value);
  else
    number.v.dblVal = value;
  FUZZ_PROMISE(SUCCEEDED(VariantChangeType(&text.v, &number.v, 0, VT_BSTR)));
  const HRESULT read = VariantChangeType(&back.v, &text.v, 0, type);
  // Fifteen digits round the largest doubles up beyond the range, and the
  // platform then refuses the text as an overflow, as it does for any text
  // beyond the range.
  if (read == DISP_E_OVERFLOW) {
    FUZZ_PROMISE(type == VT_R8 && std::fabs(value) > 1.79769313486231e308);
    return;
  }
  FUZZ_PROMISE(SUCCEEDED(read) && back.v.vt == type);
  // Half the last of the text's digits, and the rounding of the value read.
  if (type == VT_R4)
    FUZZ_PROMISE(Near(back.v.fltVal, number.v.fltVal, 5e-7 + FLT_EPSILON / 2, 1e-45));
  else
    FUZZ_PROMISE(Near(back.v.dblVal, value, 5e-15 + DBL_EPSILON / 2, 5e-324));
}

void ClassVariantText(double value) {
  if (!std::isfinite(value)) return;  // the runtime's text again, see DoubleText
  const CString text = SG::CSgVariant(value);
  FUZZ_PROMISE(!text.IsEmpty() && text.GetLength() <= 13);  // "-1.23457e+308"
  FUZZ_PROMISE(Near(static_cast<double>(SG::CSgVariant(text)), value, 5.000001e-6, 5e-324));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::uint8_t choice = in.Byte();
  switch (choice % 5) {
    case 0: DoubleText(in.Value<double>()); break;
    case 1: IntText(in.Value<int>()); break;
    case 2: VariantText(in.Value<double>(), VT_R8); break;
    case 3: VariantText(in.Value<float>(), VT_R4); break;
    default: ClassVariantText(in.Value<double>()); break;
  }
  return 0;
}
