#include "parser/ExprParserRegistrar/TextUtils.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace exprparser {

double quietNaN() { return std::bit_cast<double>(std::uint64_t(0x7FFFFFFFFFFFFFFFull)); }

std::u16string integerText(int n) {
  std::u16string out;
  std::int64_t v = n;
  if (v < 0) v = -v;
  do {
    out.insert(out.begin(), char16_t(u'0' + v % 10));
    v /= 10;
  } while (v != 0);
  if (n < 0) out.insert(out.begin(), u'-');
  return out;
}

std::u16string fixedText(double x, char16_t point, unsigned count) {
  const double whole = std::trunc(x);
  // Only small values are ever written; larger ones are clamped rather than
  // converted out of range.
  std::u16string out = integerText(whole < 2147483647.0 ? int(whole) : 2147483647);
  out += point;
  // Digit by digit, truncated; the scaled fraction is nudged by a few ulps
  // so that 0.1 writes as "0.1" rather than "0.0999...".
  double fraction = x - whole;
  for (unsigned i = 0; i < count; ++i) {
    fraction *= 10.0;
    double digit = std::floor(fraction + 1e-9);
    if (digit > 9) digit = 9;
    if (digit < 0) digit = 0;
    out += char16_t(u'0' + int(digit));
    fraction -= digit;
  }
  return out;
}

bool isNumberText(std::u16string_view text, char16_t point) {
  bool seenPoint = false;
  for (char16_t c : text) {
    if (c == point && !seenPoint) {
      seenPoint = true;
    } else if (!isAsciiDigit(c)) {
      return false;
    }
  }
  return true;
}

double numberTextValue(std::u16string_view text, char16_t point) {
  std::string narrow;
  narrow.reserve(text.size());
  for (char16_t c : text) {
    if (c == point) {
      narrow += '.';
    } else {
      narrow += char(c);
    }
  }
  double value = 0.0;
  auto [end, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Without exponents only too many integer digits overflow; a long run
    // of fraction zeros before the first digit underflows to 0.
    const auto dot = narrow.find('.');
    const std::string_view whole = std::string_view(narrow).substr(0, dot);
    return whole.find_first_not_of('0') != std::string_view::npos ? HUGE_VAL : 0.0;
  }
  if (ec != std::errc()) return 0.0;  // "." alone
  return value;
}

std::u16string removeSpaces(std::u16string_view text, std::vector<unsigned>& positionMap) {
  std::u16string out;
  positionMap.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u' ') continue;
    out += text[i];
    positionMap.push_back(unsigned(i));
  }
  return out;
}

bool containsText(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

bool startsWithText(std::u16string_view text, unsigned available, std::u16string_view symbol,
                    unsigned length) {
  if (available < length || text.size() < length || symbol.size() < length) return false;
  return text.substr(0, length) == symbol.substr(0, length);
}

bool findCharFrom(std::u16string_view text, unsigned start, char16_t c, unsigned& index) {
  if (start >= text.size()) return false;
  const auto found = text.find(c, start);
  if (found == std::u16string_view::npos) return false;
  index = unsigned(found);
  return true;
}

}  // namespace exprparser
