#include "waveform/files/SampleScan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

TEST(SampleScan, Fields) {
  struct Row {
    const char* field;
    bool ok;
    double value;
  };
  const Row rows[] = {
      {"1.5", true, 1.5},    {"  -2.25\r", true, -2.25},
      {"\t+4", true, 4.0},   {"1.5 9", true, 1.5},  // a blank ends the number
      {"1E-3", true, 0.001}, {"1e-3", true, 0.001},
      {"3.3V", true, 3.3},   {".5", true, 0.5},
      {"5.", true, 5.0},     {"1e", true, 1.0},
      {"0x10", true, 0.0},   {"", false, 0},
      {"   ", false, 0},     {"-", false, 0},
      {".", false, 0},       {"abc", false, 0},
      {"V3.3", false, 0},    {"- 2.5", false, 0},
  };
  for (const Row& row : rows) {
    double value = -99.0;
    EXPECT_EQ(ScanNumber(row.field, value), row.ok) << '"' << row.field << '"';
    if (row.ok) {
      EXPECT_EQ(value, row.value) << '"' << row.field << '"';
    }
  }
}

TEST(SampleScan, RangesAndSigns) {
  double value = 0;
  ASSERT_TRUE(ScanNumber("1e400", value));
  EXPECT_TRUE(std::isinf(value) && value > 0);
  ASSERT_TRUE(ScanNumber("-1e400", value));
  EXPECT_TRUE(std::isinf(value) && value < 0);
  ASSERT_TRUE(ScanNumber("1e-400", value));
  EXPECT_EQ(value, 0.0);
  ASSERT_TRUE(ScanNumber("-0", value));
  EXPECT_TRUE(std::signbit(value));
  ASSERT_TRUE(ScanNumber("-0.00000", value));
  EXPECT_TRUE(std::signbit(value));
}

// Long digit strings and exponents outside the fast path round as strtod.
TEST(SampleScan, RoundsLikeStrtod) {
  const char* texts[] = {"0.1",
                         "123456789012345678901234567890",
                         "0.000000000000000000000000000123456789",
                         "9007199254740993",
                         "2.2250738585072011e-308",
                         "1.7976931348623157e308",
                         "4.9e-324",
                         "0.30000000000000004441",
                         "1234567.8901234567890123e-5"};
  for (const char* text : texts) {
    double value = 0;
    ASSERT_TRUE(ScanNumber(text, value)) << text;
    EXPECT_EQ(value, std::strtod(text, nullptr)) << text;
  }
  std::mt19937_64 random(3);
  for (int i = 0; i < 100000; ++i) {
    char text[64];
    std::snprintf(
        text, sizeof text, "%.*e", static_cast<int>(random() % 20),
        std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 200) - 150));
    double value = 0;
    ASSERT_TRUE(ScanNumber(text, value)) << text;
    ASSERT_EQ(value, std::strtod(text, nullptr)) << text;
  }
}

TEST(SampleScan, NumberFields) {
  EXPECT_TRUE(IsNumberField("0.000"));
  EXPECT_TRUE(IsNumberField("-1.5e-6"));
  EXPECT_FALSE(IsNumberField("1E-6"));  // upper-case E is not a number character
  EXPECT_FALSE(IsNumberField(""));
  EXPECT_FALSE(IsNumberField(" 1"));
  EXPECT_FALSE(IsNumberField("Time"));
}

}  // namespace
