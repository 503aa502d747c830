#include "platform/com/DateText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

constexpr long long kOleEpoch = -25569;  // 1899-12-30 in days from 1970-01-01

bool DaysInMonth(long long y, unsigned m, unsigned d) {
  static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12 || d < 1) return false;
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= days[m - 1] + (m == 2 && leap ? 1u : 0u);
}

// Reads an unsigned number at pos; false when there is none.
bool Number(std::string_view s, std::size_t& pos, long long& value) {
  const std::size_t start = pos;
  value = 0;
  while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])) && pos - start < 9)
    value = value * 10 + (s[pos++] - '0');
  return pos > start;
}

void Spaces(std::string_view s, std::size_t& pos) {
  while (pos < s.size() && s[pos] == ' ') ++pos;
}

bool ParseTime(std::string_view s, std::size_t& pos, double& fraction) {
  long long h = 0, mi = 0, sec = 0;
  if (!Number(s, pos, h) || pos >= s.size() || s[pos] != ':') return false;
  ++pos;
  if (!Number(s, pos, mi)) return false;
  if (pos < s.size() && s[pos] == ':') {
    ++pos;
    if (!Number(s, pos, sec)) return false;
  }
  Spaces(s, pos);
  if (pos + 2 <= s.size()) {
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(s[pos])));
    const char b = static_cast<char>(std::toupper(static_cast<unsigned char>(s[pos + 1])));
    if ((a == 'A' || a == 'P') && b == 'M') {
      if (h < 1 || h > 12) return false;
      h = h % 12 + (a == 'P' ? 12 : 0);
      pos += 2;
    }
  }
  if (h > 23 || mi > 59 || sec > 59) return false;
  fraction = (h * 3600 + mi * 60 + sec) / 86400.0;
  return true;
}

DATE Compose(long long days, double fraction) {
  // Before day 0 the time still runs forward: -1.25 is 29 Dec 1899, 06:00.
  return days >= 0 ? days + fraction : days - fraction;
}

}  // namespace

std::optional<std::string> DateToText(DATE date) {
  if (!(date >= kMinDate && date <= kMaxDate)) return std::nullopt;
  const double whole = std::trunc(date);
  long long seconds = std::llround(std::fabs(date - whole) * 86400.0);
  long long days = static_cast<long long>(whole);
  constexpr long long kLastDay = static_cast<long long>(kMaxDate);
  if (seconds >= 86400 && days == kLastDay) {
    seconds = 86399;  // rounding would pass the last day of the calendar
  } else if (seconds >= 86400) {
    seconds -= 86400;
    days += date < 0 ? -1 : 1;
  }
  std::string text;
  char part[64];
  if (days != 0) {
    long long y;
    unsigned m, d;
    CivilFromDays(days + kOleEpoch, y, m, d);
    std::snprintf(part, sizeof part, "%u/%u/%lld", m, d, y);
    text = part;
  }
  if (seconds != 0 || days == 0) {
    const long long h = seconds / 3600;
    std::snprintf(part, sizeof part, "%s%lld:%02lld:%02lld %s", text.empty() ? "" : " ",
                  h % 12 == 0 ? 12 : h % 12, (seconds / 60) % 60, seconds % 60,
                  h < 12 ? "AM" : "PM");
    text += part;
  }
  return text;
}

std::optional<DATE> DateFromText(std::string_view s) {
  std::size_t pos = 0;
  Spaces(s, pos);
  long long a = 0, b = 0, c = 0;
  const std::size_t start = pos;
  long long days = 0;
  double fraction = 0;
  bool haveDate = false;
  if (Number(s, pos, a) && pos < s.size() && (s[pos] == '/' || s[pos] == '-')) {
    const char separator = s[pos++];
    if (!Number(s, pos, b) || pos >= s.size() || s[pos++] != separator || !Number(s, pos, c))
      return std::nullopt;
    long long y = separator == '/' ? c : a;
    const long long m = separator == '/' ? a : b;
    const long long d = separator == '/' ? b : c;
    if (y < 100 || y > 9999 || !DaysInMonth(y, static_cast<unsigned>(m), static_cast<unsigned>(d)))
      return std::nullopt;
    days = DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) - kOleEpoch;
    haveDate = true;
    Spaces(s, pos);
  } else {
    pos = start;
  }
  if (pos < s.size()) {
    if (!ParseTime(s, pos, fraction)) return std::nullopt;
    Spaces(s, pos);
  } else if (!haveDate) {
    return std::nullopt;
  }
  if (pos != s.size()) return std::nullopt;
  return Compose(days, fraction);
}
