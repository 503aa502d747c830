#include "waveform/files/SampleText.h"

#include "platform/win/CrtFormat.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

char* AppendRuntimeText(char* out, float value, char conversion, int precision) {
  const std::string text = CrtFormatDouble(value, conversion, precision);
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// Writes the low `count` decimal digits of value, zero-padded.
char* AppendDigits(char* out, std::uint64_t value, int count) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + count;
}

char* AppendUnsigned(char* out, std::uint64_t value) {
  char digits[20];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value);
  while (n) *out++ = digits[--n];
  return out;
}

}  // namespace

char* AppendFixed5(char* out, float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const unsigned biased = (bits >> 23) & 0xFF;
  if (biased == 0xFF) return AppendRuntimeText(out, value, 'f', 5);
  // value = mantissa x 2^exponent exactly; scaled by 10^5 the rounding is
  // done on the exact binary value, ties to even.
  const std::uint64_t mantissa = biased ? (bits & 0x7FFFFF) | 0x800000 : bits & 0x7FFFFF;
  const int exponent = biased ? static_cast<int>(biased) - 150 : -149;
  std::uint64_t scaled = mantissa * 100000;  // below 2^41
  if (exponent >= 0) {
    if (exponent > 22) {  // beyond 2^63: the library's exact digits
      const auto r = std::to_chars(out, out + kMaxSampleText, static_cast<double>(value),
                                   std::chars_format::fixed, 5);
      return r.ptr;
    }
    scaled <<= exponent;
  } else {
    const int shift = -exponent;
    if (shift >= 64) {
      scaled = 0;  // below 2^-23: far under half of the last place
    } else {
      const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
      const std::uint64_t half = std::uint64_t{1} << (shift - 1);
      scaled >>= shift;
      if (rest > half || (rest == half && (scaled & 1))) ++scaled;
    }
  }
  if (bits >> 31) *out++ = '-';
  out = AppendUnsigned(out, scaled / 100000);
  *out++ = '.';
  return AppendDigits(out, scaled % 100000, 5);
}

char* AppendExponent6(char* out, float value) {
  if (!std::isfinite(value)) return AppendRuntimeText(out, value, 'e', 6);
  char text[40];
  const auto r = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                               std::chars_format::scientific, 6);
  // "d.dddddde+XX": the library writes at least two exponent digits, the
  // platform at least three.
  const char* e = static_cast<const char*>(std::memchr(text, 'e', r.ptr - text));
  const std::size_t head = e - text + 2;  // through the exponent's sign
  std::memcpy(out, text, head);
  out += head;
  const std::size_t digits = r.ptr - (e + 2);
  if (digits < 3) *out++ = '0';
  std::memcpy(out, e + 2, digits);
  return out + digits;
}
