#include "waveform/files/SampleScan.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsNumberField(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsNumberChar(c)) return false;
  return true;
}

bool ScanNumber(std::string_view field, double& value, std::size_t* length) {
  const char* p = field.data();
  const char* const end = p + field.size();
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  const char* const start = p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // Up to 19 significant digits collected exactly; further ones only count
  // for the exponent (the slow path then reads the whole text).
  std::uint64_t digits = 0;
  int kept = 0, scale = 0, seen = 0;
  bool inexact = false;
  for (; p < end && IsDigit(*p); ++p, ++seen) {
    if (kept < 19) {
      if (digits || *p != '0') digits = digits * 10 + (*p - '0'), ++kept;
    } else {
      ++scale;  // a whole-number digit past the kept ones
      inexact = true;
    }
  }
  if (p < end && *p == '.') {
    for (++p; p < end && IsDigit(*p); ++p, ++seen) {
      if (kept < 19) {
        if (digits || *p != '0') digits = digits * 10 + (*p - '0'), ++kept;
        --scale;
      } else if (*p != '0') {
        inexact = true;
      }
    }
  }
  if (!seen) return false;
  int exponent = 0;
  if (p < end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    bool expNegative = false;
    if (q < end && (*q == '+' || *q == '-')) expNegative = *q++ == '-';
    if (q < end && IsDigit(*q)) {
      for (; q < end && IsDigit(*q); ++q)
        if (exponent < 100000) exponent = exponent * 10 + (*q - '0');
      if (expNegative) exponent = -exponent;
      p = q;
    }
  }
  const int power = scale + exponent;
  if (length) *length = static_cast<std::size_t>(p - field.data());
  if (!inexact && digits < (std::uint64_t{1} << 53) && power >= -22 && power <= 22) {
    // Both operands exact: one correctly rounded operation.
    const double m = static_cast<double>(digits);
    const double magnitude = power < 0 ? m / kExactPowers[-power] : m * kExactPowers[power];
    value = negative ? -magnitude : magnitude;
    return true;
  }
  const char* text = start + (*start == '+' ? 1 : 0);
  double parsed = 0.0;
  const auto r = std::from_chars(text, p, parsed, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Past the double range one way or the other.
    parsed = digits && power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (*text == '-') parsed = -parsed;
  }
  value = parsed;
  return true;
}

bool ScanField(std::string_view field, double& value) {
  std::string joined;
  if (field.find(' ') != std::string_view::npos) {  // seldom: keep the common case free
    joined.reserve(field.size());
    for (char c : field)
      if (c != ' ') joined += c;
    field = joined;
  }
  while (!field.empty() && field.back() == '\t') field.remove_suffix(1);
  std::size_t length = 0;
  return ScanNumber(field, value, &length) && length == field.size();
}
