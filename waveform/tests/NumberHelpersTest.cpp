#include "waveform/NumberHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <string>

namespace {

TEST(NumberHelpers, StrToDouble) {
  const std::pair<const char*, double> rows[] = {
      {"1 000", 1000.0}, {"- 2.5", -2.5}, {"1e-3", 0.001}, {"12,5", 12.0}, {"0X10", 0.0},
      {"", 0.0},         {"3.3V", 3.3},   {"V3.3", 0.0},   {"\t4", 4.0},   {"1 e 2", 100.0},
  };
  for (auto [text, value] : rows) EXPECT_EQ(StrToDouble(text), value) << '"' << text << '"';
}

TEST(NumberHelpers, StrToInt) {
  const std::pair<const char*, int> rows[] = {
      {"-12", -12},
      {"+12", 12},
      {"1+2", 12},
      {"12-", 12},
      {"--5", -5},
      {"0x1f", 31},
      {"-0X10", -16},
      {"12.9", 12},
      {"abc", 0},
      {"", 0},
      {"  -  7 ", -7},
      {"7-", 7},
      {"+-7", 7},
      {"0X", 0},
      {"0XZZ", 0},
      {"0X123456789", 0x23456789},
      {"99999999999", INT_MAX},
      {"-99999999999", -INT_MAX},
      {"-0X80000000", INT_MIN},
  };
  for (auto [text, value] : rows) EXPECT_EQ(StrToInt(text), value) << '"' << text << '"';
}

TEST(NumberHelpers, HexStrToInt) {
  const std::pair<const char*, int> rows[] = {
      {"1F", 31},  {"0X1F", 31}, {"FFFFFFFF", -1},
      {"1G", 16},  {"1 F", 271}, {"123456789", 0x23456789},
      {"ff", 255}, {"", 0},
  };
  for (auto [text, value] : rows) EXPECT_EQ(HexStrToInt(text), value) << '"' << text << '"';
}

TEST(NumberHelpers, Formatting) {
  EXPECT_EQ(IntToStr(0, 1), "+0");
  EXPECT_EQ(IntToStr(-5, 1), "-5");
  EXPECT_EQ(IntToStr(-5, 0), "-5");
  EXPECT_EQ(IntToStr2(42, 7), "+42");
  EXPECT_EQ(IntToStr2(42, 0), "42");
  EXPECT_EQ(DoubleToStr(1.5), "1.500000000");
  EXPECT_EQ(DoubleToStr(-0.25), "-0.250000000");
  EXPECT_EQ(DoubleToStr(1e10), "10000000000.000000000");
  EXPECT_EQ(DoubleToStr(0.0), "0.000000000");
}

TEST(NumberHelpers, IntPow) {
  EXPECT_EQ(IntPow(2.0, 3), 8.0);
  EXPECT_EQ(IntPow(2.0, -2), 0.25);
  EXPECT_EQ(IntPow(0.0, 0), 1.0);
  EXPECT_EQ(IntPow(-2.0, 3), -8.0);
  EXPECT_EQ(IntPow(0.0, -1), HUGE_VAL);
  EXPECT_EQ(IntPow(10.0, -1), 0.1);
}

// The numbers read and written do not depend on the C library's locale.
TEST(NumberHelpers, GermanLocaleChangesNothing) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
    GTEST_SKIP() << "no German locale installed";
  const double read = StrToDouble("1.5");
  const CString written = DoubleToStr(1.5);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(read, 1.5);
  EXPECT_EQ(written, "1.500000000");
}

}  // namespace
