#include "platform/win/CrtFormat.h"

#include "platform/afx/Utf.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// The runtime converts at most this many significant digits.
constexpr int kMaxDigits = 17;

enum class Length { None, Char, Short, Long32, Long64, Size, Wide };

struct Spec {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = 0;
  int precision = -1;
  Length length = Length::None;
  char conversion = 0;
};

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
  char small[128];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < static_cast<int>(sizeof small)) return std::string(small, n < 0 ? 0 : n);
  std::string text(n, '\0');
  va_start(args, format);
  std::vsnprintf(text.data(), n + 1, format, args);
  va_end(args);
  return text;
}

// Pads body to the field width: zeros go after the sign, spaces
// before or after by the justification.
std::string Pad(std::string body, const Spec& spec, bool zeroAllowed) {
  if (static_cast<int>(body.size()) >= spec.width) return body;
  const std::size_t fill = spec.width - body.size();
  if (spec.left) return body + std::string(fill, ' ');
  if (spec.zero && zeroAllowed) {
    std::size_t at =
        (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) ? 1 : 0;
    return body.insert(at, fill, '0');
  }
  return std::string(fill, ' ') + body;
}

std::string SignPrefix(bool negative, const Spec& spec) {
  if (negative) return "-";
  if (spec.plus) return "+";
  if (spec.space) return " ";
  return "";
}

// Significant digits (kMaxDigits of them) and decimal exponent of |value|.
void SeventeenDigits(double value, std::string& digits, int& exponent) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, std::fabs(value),
                                    std::chars_format::scientific, kMaxDigits - 1);
  const std::string_view e(text, result.ptr - text);
  digits.assign(1, e[0]);
  digits.append(e.substr(2, kMaxDigits - 1));
  const char* sign = e.data() + e.find('e') + 1;
  std::from_chars(sign + (*sign == '+'), e.data() + e.size(), exponent);
}

std::string ExponentText(char e, int exponent) {
  return Printf("%c%c%03d", e, exponent < 0 ? '-' : '+', std::abs(exponent));
}

// Rounds the significant digits to count digits the way the runtime does:
// on the decimal digits, a 5 or more rounding away from zero. count may be 0
// or negative (everything lies below the last place kept).
void RoundDigits(std::string& digits, int& exponent, int count) {
  if (count >= static_cast<int>(digits.size())) {
    digits.append(count - digits.size(), '0');
    return;
  }
  if (count < 0 || (count == 0 && digits[0] < '5')) {
    digits = "0";
    exponent = 0;
    return;
  }
  if (count == 0) {
    digits = "1";
    ++exponent;
    return;
  }
  const bool up = digits[count] >= '5';
  digits.resize(count);
  if (!up) return;
  int i = count - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0) {
    ++digits[i];
  } else {
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    ++exponent;
  }
}

// Mantissa text "d.ddd" of precision decimals from a digit string, padding
// with zeros beyond the converted digits.
std::string Mantissa(const std::string& digits, int precision, bool alt) {
  std::string text(1, digits[0]);
  if (precision > 0 || alt) text += '.';
  for (int i = 1; i <= precision; ++i)
    text += i < static_cast<int>(digits.size()) ? digits[i] : '0';
  return text;
}

// Fixed text of precision decimals from significant digits with exponent,
// when every converted digit lies inside the field (no rounding left).
std::string FixedFromDigits(const std::string& digits, int exponent, int precision, bool alt) {
  auto digitAt = [&](int power) {  // the digit of 10^power
    const int index = exponent - power;
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
  };
  std::string text;
  for (int p = std::max(exponent, 0); p >= 0; --p) text += digitAt(p);
  if (precision > 0 || alt) text += '.';
  for (int p = -1; p >= -precision; --p) text += digitAt(p);
  return text;
}

void StripFractionZeros(std::string& text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return;
  std::size_t end = text.size();
  while (end > point + 1 && text[end - 1] == '0') --end;
  if (end == point + 1) --end;
  text.erase(end);
}

// The runtime's text of an infinity or NaN: the digits "1#INF", "1#IND",
// "1#QNAN" or "1#SNAN" run through the ordinary rounding and layout.
std::string SpecialBody(double value, const Spec& spec) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const std::uint64_t mantissa = bits & 0xFFFFFFFFFFFFFull;
  const char* digits = "1#INF";
  if (std::isnan(value)) {
    const bool quiet = (mantissa >> 51) != 0;
    if (negative && mantissa == (1ull << 51))
      digits = "1#IND";
    else
      digits = quiet ? "1#QNAN" : "1#SNAN";
  }
  const char conversion = spec.conversion;
  const bool general = conversion == 'g' || conversion == 'G';
  int precision = spec.precision < 0 ? 6 : spec.precision;
  if (general) precision = (precision == 0 ? 1 : precision) - 1;
  std::string text = Mantissa(digits, precision, spec.alt);
  const std::size_t next = 1 + precision;
  if (next < std::strlen(digits) && digits[next] >= '5') ++text.back();
  if (general) {
    if (!spec.alt) StripFractionZeros(text);
  } else if (conversion == 'e' || conversion == 'E') {
    text += ExponentText(conversion, 0);
  }
  return SignPrefix(negative, spec) + text;
}

std::string FlagText(const Spec& spec) {
  std::string flags;
  if (spec.plus) flags += '+';
  if (spec.space) flags += ' ';
  if (spec.alt) flags += '#';
  return flags;
}

std::string FiniteBody(double value, const Spec& spec) {
  const std::string sign = SignPrefix(std::signbit(value), spec);
  const int precision = spec.precision < 0 ? 6 : spec.precision;
  std::string digits;
  int exponent = 0;
  SeventeenDigits(value, digits, exponent);
  if (value == 0.0) digits = "0", exponent = 0;
  switch (spec.conversion) {
    case 'e':
    case 'E':
      RoundDigits(digits, exponent, precision + 1);
      return sign + Mantissa(digits, precision, spec.alt) + ExponentText(spec.conversion, exponent);
    case 'f':
    case 'F':
      RoundDigits(digits, exponent, exponent + 1 + precision);
      return sign + FixedFromDigits(digits, exponent, precision, spec.alt);
    default: {  // g, G: the shorter of the two forms for this many digits
      const int significant = precision == 0 ? 1 : precision;
      RoundDigits(digits, exponent, significant);
      std::string body;
      if (exponent < -4 || exponent >= significant) {
        body = Mantissa(digits, significant - 1, spec.alt);
        if (!spec.alt) StripFractionZeros(body);
        body += ExponentText(spec.conversion == 'G' ? 'E' : 'e', exponent);
      } else {
        body = FixedFromDigits(digits, exponent, significant - 1 - exponent, spec.alt);
        if (!spec.alt) StripFractionZeros(body);
      }
      return sign + body;
    }
  }
}

std::string FloatText(double value, const Spec& spec) {
  std::string body = std::isfinite(value) ? FiniteBody(value, spec) : SpecialBody(value, spec);
  return Pad(std::move(body), spec, true);
}

// Reads "-+ #0" flags, width, precision and the runtime's length modifiers.
// Returns the position after the conversion character, or nullptr when the
// conversion is incomplete.
const char* ParseSpec(const char* p, Spec& spec, va_list& args) {
  for (;; ++p) {
    if (*p == '-')
      spec.left = true;
    else if (*p == '+')
      spec.plus = true;
    else if (*p == ' ')
      spec.space = true;
    else if (*p == '#')
      spec.alt = true;
    else if (*p == '0')
      spec.zero = true;
    else
      break;
  }
  if (*p == '*') {
    spec.width = va_arg(args, int);
    if (spec.width < 0) spec.left = true, spec.width = -spec.width;
    ++p;
  } else {
    while (*p >= '0' && *p <= '9') spec.width = spec.width * 10 + (*p++ - '0');
  }
  if (*p == '.') {
    ++p;
    spec.precision = 0;
    if (*p == '*') {
      spec.precision = va_arg(args, int);
      ++p;
    } else {
      while (*p >= '0' && *p <= '9') spec.precision = spec.precision * 10 + (*p++ - '0');
    }
  }
  if (std::strncmp(p, "I64", 3) == 0) {
    spec.length = Length::Long64, p += 3;
  } else if (std::strncmp(p, "I32", 3) == 0) {
    spec.length = Length::Long32, p += 3;
  } else if (std::strncmp(p, "hh", 2) == 0) {
    spec.length = Length::Char, p += 2;
  } else if (std::strncmp(p, "ll", 2) == 0) {
    spec.length = Length::Long64, p += 2;
  } else if (*p == 'h') {
    spec.length = Length::Short, ++p;
  } else if (*p == 'l') {
    spec.length = Length::Long32, ++p;
  } else if (*p == 'w') {
    spec.length = Length::Wide, ++p;
  } else if (*p == 'I' || *p == 'z' || *p == 't' || *p == 'j') {
    spec.length = *p == 'j' ? Length::Long64 : Length::Size, ++p;
  } else if (*p == 'L') {
    ++p;  // the runtime's long double is double
  }
  if (*p == '\0') return nullptr;
  spec.conversion = *p;
  return p + 1;
}

std::string IntegerText(const Spec& spec, va_list& args) {
  const bool isSigned = spec.conversion == 'd' || spec.conversion == 'i';
  long long s = 0;
  unsigned long long u = 0;
  switch (spec.length) {
    case Length::Long64:
    case Length::Size:
      if (isSigned)
        s = va_arg(args, long long);
      else
        u = va_arg(args, unsigned long long);
      break;
    default: {
      const unsigned int raw = va_arg(args, unsigned int);
      if (spec.length == Length::Char)
        s = static_cast<signed char>(raw), u = static_cast<unsigned char>(raw);
      else if (spec.length == Length::Short)
        s = static_cast<short>(raw), u = static_cast<unsigned short>(raw);
      else
        s = static_cast<int>(raw), u = raw;
      break;
    }
  }
  std::string format = "%" + FlagText(spec);
  if (spec.left) format += '-';
  if (spec.zero) format += '0';
  if (spec.width > 0) format += std::to_string(spec.width);
  if (spec.precision >= 0) format += "." + std::to_string(spec.precision);
  format += "ll";
  format += spec.conversion;
  return isSigned ? Printf(format.c_str(), s) : Printf(format.c_str(), u);
}

std::string WideCharText(char16_t c) { return AfxUtf16ToUtf8(std::u16string_view(&c, 1)); }

std::string StringText(const Spec& spec, bool wide, va_list& args) {
  std::string text;
  if (wide) {
    const auto* w = va_arg(args, const char16_t*);
    text = w ? AfxUtf16ToUtf8(w) : "(null)";
  } else {
    const char* n = va_arg(args, const char*);
    text = n ? n : "(null)";
  }
  if (spec.precision >= 0 && static_cast<int>(text.size()) > spec.precision)
    text.resize(spec.precision);
  Spec padding = spec;
  return Pad(std::move(text), padding, false);
}

void AppendConversion(std::string& out, const Spec& spec, va_list& args) {
  switch (spec.conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 'X': out += IntegerText(spec, args); break;
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G': out += FloatText(va_arg(args, double), spec); break;
    case 'c':
    case 'C': {
      const int c = va_arg(args, int);
      const bool wide = spec.conversion == 'C'
                            ? spec.length != Length::Short
                            : spec.length == Length::Long32 || spec.length == Length::Wide;
      out +=
          Pad(wide ? WideCharText(static_cast<char16_t>(c)) : std::string(1, static_cast<char>(c)),
              spec, false);
      break;
    }
    case 's':
    case 'S': {
      const bool wide = spec.conversion == 'S'
                            ? spec.length != Length::Short
                            : spec.length == Length::Long32 || spec.length == Length::Wide;
      out += StringText(spec, wide, args);
      break;
    }
    case 'p':
      out += Pad(Printf("%016llX", static_cast<unsigned long long>(
                                       reinterpret_cast<std::uintptr_t>(va_arg(args, void*)))),
                 spec, false);
      break;
    case 'n':
      (void)va_arg(args, void*);  // the runtime refuses to write through %n
      break;
    case '%': out += '%'; break;
    default:  // not a conversion: written as it stands
      out += '%';
      out += spec.conversion;
      break;
  }
}

}  // namespace

void CrtAppendFormatV(std::string& out, const char* format, va_list args) {
  va_list work;
  va_copy(work, args);
  for (const char* p = format; *p;) {
    if (*p != '%') {
      const char* next = std::strchr(p, '%');
      const std::size_t n = next ? static_cast<std::size_t>(next - p) : std::strlen(p);
      out.append(p, n);
      p += n;
      continue;
    }
    Spec spec;
    const char* after = ParseSpec(p + 1, spec, work);
    if (!after) {
      out += p;
      break;
    }
    AppendConversion(out, spec, work);
    p = after;
  }
  va_end(work);
}

void CrtAppendFormat(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  CrtAppendFormatV(out, format, args);
  va_end(args);
}

std::string CrtFormatV(const char* format, va_list args) {
  std::string out;
  CrtAppendFormatV(out, format, args);
  return out;
}

std::string CrtFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = CrtFormatV(format, args);
  va_end(args);
  return out;
}

std::string CrtFormatDouble(double value, char conversion, int precision, const char* flags,
                            int width) {
  Spec spec;
  for (const char* f = flags; *f; ++f) {
    spec.left |= *f == '-';
    spec.plus |= *f == '+';
    spec.space |= *f == ' ';
    spec.alt |= *f == '#';
    spec.zero |= *f == '0';
  }
  spec.width = width;
  spec.precision = precision;
  spec.conversion = conversion;
  return FloatText(value, spec);
}
