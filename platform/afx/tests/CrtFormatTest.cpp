#include "platform/win/CrtFormat.h"
#include "platform/win/WinTypes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

struct DoubleRow {
  const char* name;
  double value;
  char conversion;
  int precision;
  const char* flags;
  int width;
  const char* expected;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

const double kIndefinite = [] {
  volatile double zero = 0.0;
  return zero / zero;  // the processor's default NaN: sign set, quiet bit only
}();

TEST(CrtFormat, DoubleConversionsFollowTheRuntime) {
  const double quietNan = std::nan("");
  const DoubleRow rows[] = {
      {"zero %e", 0.0, 'e', -1, "", 0, "0.000000e+000"},
      {"hundred %e", 100.0, 'e', -1, "", 0, "1.000000e+002"},
      {"1/4096 %e", 1.0 / 4096, 'e', -1, "", 0, "2.441406e-004"},
      {"quarter ms %e", 2.5e-4, 'e', -1, "", 0, "2.500000e-004"},
      {"big exponent %e", 1e300, 'e', 2, "", 0, "1.00e+300"},
      {"%E upper", -1234.5, 'E', 3, "", 0, "-1.235E+003"},
      {"%g small", 1e-5, 'g', -1, "", 0, "1e-005"},
      {"%g plain", 12.3456789, 'g', -1, "", 0, "12.3457"},
      {"%G large", 1.5e20, 'G', -1, "", 0, "1.5E+020"},
      {"%e width pads after widening", 1.0, 'e', 2, "", 12, "   1.00e+000"},
      {"%e zero fill after sign", -1.0, 'e', 2, "0", 12, "-001.00e+000"},
      {"%e left", 1.0, 'e', 1, "-", 10, "1.0e+000  "},
      {"%f fixed", 1.5, 'f', 9, "", 0, "1.500000000"},
      {"%f negative", -0.25, 'f', 5, "", 0, "-0.25000"},
      {"%f plus", 2.0, 'f', 1, "+", 0, "+2.0"},
      {"%f 17 digits then zeros", 123456789.123, 'f', 9, "", 0, "123456789.123000000"},
      {"%e 17 digits then zeros", 0.1, 'e', 20, "", 0, "1.00000000000000010000e-001"},
      {"%f tie rounds away from zero", 0.0625, 'f', 3, "", 0, "0.063"},
      {"%.0f tie", 2.5, 'f', 0, "", 0, "3"},
      {"%f rounds the 17 digits", -304720605.9205845, 'f', 6, "", 0, "-304720605.920585"},
      {"%f carry into new digit", 9.996, 'f', 2, "", 0, "10.00"},
      {"%f tiny negative keeps sign", -0.001, 'f', 2, "", 0, "-0.00"},
      {"%f below last place", 0.0004, 'f', 3, "", 0, "0.000"},
      {"%f rounds up from below last place", 0.0006, 'f', 3, "", 0, "0.001"},
      {"%#.0f keeps point", 3.0, 'f', 0, "#", 0, "3."},
      {"%g switches to exponent", 1e6, 'g', -1, "", 0, "1e+006"},
      {"%g stays fixed", 100000.0, 'g', -1, "", 0, "100000"},
      {"%g zero", 0.0, 'g', -1, "", 0, "0"},
      {"%#g keeps zeros", 1.5, 'g', -1, "#", 0, "1.50000"},
      {"%g carry changes form", 999999.5, 'g', -1, "", 0, "1e+006"},
      {"%f exact below 17 digits", 1e10, 'f', 9, "", 0, "10000000000.000000000"},
      {"inf %e", kInf, 'e', -1, "", 0, "1.#INF00e+000"},
      {"inf %f", kInf, 'f', -1, "", 0, "1.#INF00"},
      {"inf %.5f", kInf, 'f', 5, "", 0, "1.#INF0"},
      {"inf %.0f", kInf, 'f', 0, "", 0, "1"},
      {"inf %.1f rounds", kInf, 'f', 1, "", 0, "1.$"},
      {"inf %.2f rounds", kInf, 'f', 2, "", 0, "1.#J"},
      {"inf %.3f rounds", kInf, 'f', 3, "", 0, "1.#IO"},
      {"-inf %g", -kInf, 'g', -1, "", 0, "-1.#INF"},
      {"indefinite %e", kIndefinite, 'e', -1, "", 0, "-1.#IND00e+000"},
      {"indefinite %g", kIndefinite, 'g', -1, "", 0, "-1.#IND"},
      {"quiet nan %f", quietNan, 'f', -1, "", 0, "1.#QNAN0"},
      {"inf width", kInf, 'f', -1, "", 10, "  1.#INF00"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CrtFormatDouble(row.value, row.conversion, row.precision, row.flags, row.width),
              row.expected)
        << row.name;
  }
}

// The runtime rounds its 17 converted digits; where those digits do not end
// in an exact half at the place kept, and no more than 17 digits are asked
// for, it agrees with this C library except for the exponent's width.
TEST(CrtFormat, AgreesWithTheCLibraryAwayFromTies) {
  struct Form {
    const char* format;
    char conversion;
    int precision;
  };
  const Form forms[] = {{"%e", 'e', 6},     {"%.3E", 'e', 3},     {"%g", 'g', 6},
                        {"%.10g", 'g', 10}, {"%f", 'f', 6},       {"%.2f", 'f', 2},
                        {"%+.4e", 'e', 4},  {"%-+10.1f", 'f', 1}, {"%#.0e", 'e', 0}};
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> power(-30, 30);
  auto widened = [](std::string text) {
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string::npos && text.size() - (e + 2) < 3)
      text.insert(e + 2, 3 - (text.size() - (e + 2)), '0');
    return text;
  };
  int compared = 0;
  for (int i = 0; i < 3000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, power(random));
    char e17[64];
    std::snprintf(e17, sizeof e17, "%.16e", std::fabs(value));
    const std::string digits = std::string(1, e17[0]) + std::string(e17 + 2, 16);
    const int exponent = std::atoi(std::strchr(e17, 'e') + 1);
    for (const Form& form : forms) {
      const int kept = form.conversion == 'f'   ? exponent + 1 + form.precision
                       : form.conversion == 'e' ? form.precision + 1
                                                : form.precision;
      if (kept > 17 || kept < 1) continue;  // zeros beyond 17 digits, or nothing kept
      const std::string tail = digits.substr(kept);
      if (!tail.empty() && tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos)
        continue;  // an exact half of the 17 digits: rounded up by the runtime
      char expected[512];
      std::snprintf(expected, sizeof expected, form.format, value);
      ASSERT_EQ(CrtFormat(form.format, value), widened(expected)) << form.format << " " << value;
      ++compared;
    }
  }
  EXPECT_GT(compared, 20000);
}

TEST(CrtFormat, FormatStringsUseThePlatformsLengths) {
  const LONG negative = -5;
  const DWORD big = 4294967295u;
  const long long wide = -1234567890123LL;
  EXPECT_EQ(CrtFormat("%ld|%lu", negative, big), "-5|4294967295");
  EXPECT_EQ(CrtFormat("%I64d|%I64u", wide, 18446744073709551615ull),
            "-1234567890123|18446744073709551615");
  EXPECT_EQ(CrtFormat("%hd|%hu", 70000, 70000), "4464|4464");
  EXPECT_EQ(CrtFormat("%d,%5d,%-5d|%05d", 1, 2, 3, -4), "1,    2,3    |-0004");
  EXPECT_EQ(CrtFormat("%x %X %#x %o", 255, 255, 255, 8), "ff FF 0xff 10");
  EXPECT_EQ(CrtFormat("%e,%0.5f", 2.5e-4, 1.0), "2.500000e-004,1.00000");
  EXPECT_EQ(CrtFormat("%lf %lg", 0.5, 0.5), "0.500000 0.5");
  EXPECT_EQ(CrtFormat("%*.*f", 8, 2, 3.14159), "    3.14");
  EXPECT_EQ(CrtFormat("%s-%.2s-%5s", "abc", "xyz", "q"), "abc-xy-    q");
  EXPECT_EQ(CrtFormat("%S|%ls", u"wide", u"\u00e9"), "wide|\xc3\xa9");
  EXPECT_EQ(CrtFormat("%c%c%C", 'A', 'b', u'\u00e9'), "Ab\xc3\xa9");
  EXPECT_EQ(CrtFormat("100%%"), "100%");
  EXPECT_EQ(CrtFormat("%s", static_cast<const char*>(nullptr)), "(null)");
  int count = 0;
  EXPECT_EQ(CrtFormat("ab%ncd", &count), "abcd");
  EXPECT_EQ(count, 0);
  EXPECT_EQ(CrtFormat("%p", reinterpret_cast<void*>(0x1234)), "0000000000001234");
  EXPECT_EQ(CrtFormat("trailing %"), "trailing %");
}

TEST(CrtFormat, AppendFormatKeepsExistingText) {
  std::string text = "x=";
  CrtAppendFormat(text, "%d", 42);
  EXPECT_EQ(text, "x=42");
}

}  // namespace
