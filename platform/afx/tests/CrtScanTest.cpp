#include "platform/afx/CrtScan.h"
#include "platform/win/WinTypes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CrtScan, UsesThePlatformsLengths) {
  EXPECT_EQ(CrtScanFormat("%ld %lu %I64d %hi %lf %Lf %[^,] %S"), "%d %u %lld %hi %lf %lf %[^,] %s");

  LONG l = 0;
  DWORD u = 0;
  long long big = 0;
  short s = 0;
  double d = 0;
  float f = 0;
  int consumed = 0;
  ASSERT_EQ(CrtSscanf("-7 4000000000 -9000000000 12 2.5 1.25x", "%ld %lu %I64d %hi %lf %f%n", &l,
                      &u, &big, &s, &d, &f, &consumed),
            6);
  EXPECT_EQ(l, -7);
  EXPECT_EQ(u, 4000000000u);
  EXPECT_EQ(big, -9000000000LL);
  EXPECT_EQ(s, 12);
  EXPECT_EQ(d, 2.5);
  EXPECT_EQ(f, 1.25f);
  EXPECT_EQ(consumed, 37);
}

struct ScanRow {
  const char* name;
  const char* text;
  int result;    // what the scan returns
  double value;  // the double read, when result is 1
  int consumed;  // %n after it, when result is 1
};

TEST(CrtScan, FloatingNumbersHaveTheRuntimesForm) {
  const ScanRow rows[] = {
      {"plain", "  -1.5e3 rest", 1, -1500.0, 8},
      {"point first", ".25", 1, 0.25, 3},
      {"upper exponent", "1E2", 1, 100.0, 3},
      {"exponent without digits", "1e+x", 1, 1.0, 1},
      {"hex stops at x", "0x10", 1, 0.0, 1},
      {"inf is no number", "inf", 0, 0.0, 0},
      {"nan is no number", "nan", 0, 0.0, 0},
      {"sign alone", "-", 0, 0.0, 0},
      {"empty", "", EOF, 0.0, 0},
      {"spaces only", "   ", EOF, 0.0, 0},
  };
  for (const auto& row : rows) {
    double value = -99.0;
    int consumed = -1;
    EXPECT_EQ(CrtSscanf(row.text, "%lf%n", &value, &consumed), row.result) << row.name;
    if (row.result == 1) {
      EXPECT_EQ(value, row.value) << row.name;
      EXPECT_EQ(consumed, row.consumed) << row.name;
    } else {
      EXPECT_EQ(value, -99.0) << row.name;  // left as it was
    }
  }
  float width = 0;
  EXPECT_EQ(CrtSscanf("12345", "%3f", &width), 1);
  EXPECT_EQ(width, 123.0f);
}

TEST(CrtScan, OtherConversionsAndLiterals) {
  char c = 0;
  char word[16] = {};
  char field[16] = {};
  int a = 0, b = 0;
  EXPECT_EQ(CrtSscanf(" x", "%c", &c), 1);
  EXPECT_EQ(c, ' ');  // %c takes white space
  EXPECT_EQ(CrtSscanf("ab,cd 7", "%[^,],%s %d", field, word, &a), 3);
  EXPECT_STREQ(field, "ab");
  EXPECT_STREQ(word, "cd");
  EXPECT_EQ(a, 7);
  EXPECT_EQ(CrtSscanf("1/2", "%d/%d", &a, &b), 2);
  EXPECT_EQ(CrtSscanf("1-2", "%d/%d", &a, &b), 1);
  EXPECT_EQ(CrtSscanf("5 6", "%*d %d", &a), 1);
  EXPECT_EQ(a, 6);
  EXPECT_EQ(CrtSscanf("0x1f 010", "%i %i", &a, &b), 2);
  EXPECT_EQ(a, 31);
  EXPECT_EQ(b, 8);
  EXPECT_EQ(CrtSscanf("100%", "%d%%", &a), 1);
}

TEST(CrtScan, ReadsFromStreams) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  std::fputs("3.5 0x2 end", stream);
  std::rewind(stream);
  double d = 0, hex = -1;
  char rest[8] = {};
  EXPECT_EQ(CrtFscanf(stream, "%lf %lf", &d, &hex), 2);
  EXPECT_EQ(d, 3.5);
  EXPECT_EQ(hex, 0.0);
  EXPECT_EQ(CrtFscanf(stream, "x2 %s", rest), 1);
  EXPECT_STREQ(rest, "end");
  EXPECT_EQ(CrtFscanf(stream, "%lf", &d), EOF);
  std::fclose(stream);
}

struct AtofRow {
  const char* text;
  double value;
  int used;
};

TEST(CrtScan, AtofFollowsTheRuntime) {
  const AtofRow rows[] = {
      {"1.5e3", 1500.0, 5}, {"  -2.5abc", -2.5, 6}, {"1e+", 1.0, 1}, {"0x1A", 0.0, 1},
      {"inf", 0.0, 0},      {"nan", 0.0, 0},        {".5", 0.5, 2},  {"-.e1", 0.0, 0},
      {"+7", 7.0, 2},       {"", 0.0, 0},
  };
  for (const auto& row : rows) {
    char* end = nullptr;
    EXPECT_EQ(CrtStrtod(row.text, &end), row.value) << row.text;
    EXPECT_EQ(end - row.text, row.used) << row.text;
    EXPECT_EQ(CrtAtof(row.text), row.value) << row.text;
  }
  EXPECT_TRUE(std::isinf(CrtAtof("1e999")));
}

}  // namespace
