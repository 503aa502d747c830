#include "waveform/files/SampleText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Fixed5(float v) {
  char text[kMaxSampleText];
  return std::string(text, AppendFixed5(text, v));
}

std::string Exponent6(float v) {
  char text[kMaxSampleText];
  return std::string(text, AppendExponent6(text, v));
}

// The C library's text, with the exponent widened to three digits.
std::string LibraryExponent(float v) {
  char text[64];
  std::snprintf(text, sizeof text, "%e", static_cast<double>(v));
  std::string s = text;
  const std::size_t e = s.find('e');
  if (s.size() - e - 2 < 3) s.insert(e + 2, "0");
  return s;
}

std::string LibraryFixed(float v) {
  char text[128];
  std::snprintf(text, sizeof text, "%0.5f", static_cast<double>(v));
  return text;
}

struct Row {
  const char* name;
  float value;
  const char* fixed;
  const char* exponent;
};

TEST(SampleText, KnownValues) {
  const Row rows[] = {
      {"zero", 0.0f, "0.00000", "0.000000e+000"},
      {"negative zero keeps its sign", -0.0f, "-0.00000", "-0.000000e+000"},
      {"one", 1.0f, "1.00000", "1.000000e+000"},
      {"minus a half", -0.5f, "-0.50000", "-5.000000e-001"},
      {"1/4096", 1.0f / 4096, "0.00024", "2.441406e-004"},
      {"tie 1/64 rounds to even", 0.015625f, "0.01562", "1.562500e-002"},
      {"tie 3/64 rounds to even", 0.046875f, "0.04688", "4.687500e-002"},
      {"small negative keeps its sign", -1e-7f, "-0.00000", "-1.000000e-007"},
      {"largest float", std::numeric_limits<float>::max(),
       "340282346638528859811704183484516925440.00000", "3.402823e+038"},
      {"smallest denormal", std::numeric_limits<float>::denorm_min(), "0.00000", "1.401298e-045"},
      {"seven digits rounding up", 9999999.5f, "10000000.00000", "1.000000e+007"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Fixed5(row.value), row.fixed) << row.name;
    EXPECT_EQ(Exponent6(row.value), row.exponent) << row.name;
  }
}

TEST(SampleText, InfinityAndNanUseTheRuntimeText) {
  EXPECT_EQ(Exponent6(std::numeric_limits<float>::infinity()), "1.#INF00e+000");
  EXPECT_EQ(Fixed5(-std::numeric_limits<float>::infinity()), "-1.#INF0");
}

// Every finite float class: the text equals the C library's (ties to even)
// apart from the exponent's width.
TEST(SampleText, MatchesTheCLibraryOverRandomFloats) {
  std::mt19937 random(7);
  int checked = 0;
  for (int i = 0; i < 300000; ++i) {
    const float v = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (!std::isfinite(v)) continue;
    ASSERT_EQ(Fixed5(v), LibraryFixed(v)) << v;
    ASSERT_EQ(Exponent6(v), LibraryExponent(v)) << v;
    ++checked;
  }
  // Values of the sizes samples and times have, where the fast paths work.
  std::uniform_real_distribution<float> usual(-20.0f, 20.0f);
  for (int i = 0; i < 300000; ++i) {
    const float v = usual(random);
    ASSERT_EQ(Fixed5(v), LibraryFixed(v)) << v;
    const float t = std::ldexp(v, -12);
    ASSERT_EQ(Exponent6(t), LibraryExponent(t)) << t;
    ++checked;
  }
  EXPECT_GT(checked, 500000);
}

}  // namespace
