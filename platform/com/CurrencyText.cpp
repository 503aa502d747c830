#include "platform/com/CurrencyText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr LONGLONG kScale = 10000;
constexpr int kScaleDigits = 4;

}  // namespace

std::string CurrencyText(LONGLONG value) {
  std::string text = std::to_string(value / kScale);
  const LONGLONG fraction = value % kScale;
  if (fraction != 0) {
    if (value < 0 && value / kScale == 0) text = "-" + text;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04lld", std::llabs(fraction));
    std::string f = digits;
    f.erase(f.find_last_not_of('0') + 1);
    text += "." + f;
  }
  return text;
}

std::optional<LONGLONG> CurrencyFromText(std::string_view text) {
  std::size_t at = 0;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  // The digits without leading zeros, and the power of ten they are scaled by.
  std::string digits;
  long long power = 0;
  bool point = false;
  for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
    if (text[at] == '.') {
      point = true;
    } else {
      if (!digits.empty() || text[at] != '0') digits += text[at];
      if (point) --power;
    }
  }
  if (at < text.size()) {  // the exponent, saturated far beyond any currency
    ++at;
    const bool down = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    long long exponent = 0;
    for (; at < text.size(); ++at)
      exponent = std::min(exponent * 10 + (text[at] - '0'), 1000000000LL);
    power += down ? -exponent : exponent;
  }
  power += kScaleDigits;  // now counting ten-thousandths
  if (digits.empty()) return 0;
  // Digits below the last place are dropped, rounding half to even.
  bool up = false;
  if (power < 0) {
    const long long dropped = -power;
    const long long kept = static_cast<long long>(digits.size()) - dropped;
    if (kept < 0) return 0;  // less than half of the last place
    const std::string_view rest = std::string_view(digits).substr(static_cast<std::size_t>(kept));
    const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) !=
                                                                   std::string_view::npos);
    const bool half = rest[0] == '5' && !aboveHalf;
    digits.resize(static_cast<std::size_t>(kept));
    const bool odd = !digits.empty() && (digits.back() - '0') % 2 == 1;
    up = aboveHalf || (half && odd);
    power = 0;
  }
  if (static_cast<long long>(digits.size()) + power > 20) return std::nullopt;
  unsigned long long magnitude = 0;
  const auto append = [&magnitude](unsigned digit) {
    return !__builtin_mul_overflow(magnitude, 10ull, &magnitude) &&
           !__builtin_add_overflow(magnitude, digit, &magnitude);
  };
  for (const char c : digits)
    if (!append(static_cast<unsigned>(c - '0'))) return std::nullopt;
  for (long long i = 0; i < power; ++i)
    if (!append(0)) return std::nullopt;
  if (up && __builtin_add_overflow(magnitude, 1ull, &magnitude)) return std::nullopt;
  if (magnitude > (negative ? 9223372036854775808ull : 9223372036854775807ull)) return std::nullopt;
  return negative ? static_cast<LONGLONG>(0 - magnitude) : static_cast<LONGLONG>(magnitude);
}
