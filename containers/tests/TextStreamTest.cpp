#include "containers/CSgTextStream.h"

#include <gtest/gtest.h>

namespace {

using SG::CSgTextStream;

TEST(TextStream, IntExtractionMovesPositionAndStopsAfterFailure) {
  CSgTextStream s(CString("  42 x"));
  int value = -1;
  s >> value;
  EXPECT_EQ(value, 42);
  EXPECT_EQ(s.GetPosition(), 4);
  s >> value;  // "x" is no number: position to the end, value kept
  EXPECT_EQ(value, 42);
  EXPECT_EQ(s.GetPosition(), 6);
  s >> value;
  EXPECT_EQ(s.GetPosition(), 6);
  EXPECT_TRUE(s.IsAtEnd());
}

// A read loop ends where extraction ends: at the first zero byte, also
// when the text goes on behind it.
TEST(TextStream, ReadLoopEndsAtAZeroByte) {
  for (const bool tokens : {false, true}) {
    CSgTextStream s(CString(std::string_view("1 2\0 3", 6)));
    int values = 0;
    for (int guard = 0; !s.IsAtEnd() && guard < 10; ++guard) {
      if (tokens) {
        CString token;
        s.ReadToken(token);
      } else {
        int value = 0;
        s >> value;
      }
      ++values;
    }
    EXPECT_TRUE(s.IsAtEnd());
    EXPECT_EQ(values, 2);
  }
}

TEST(TextStream, ExtractsEachType) {
  CSgTextStream s(CString("-1.5e3 a7 65535 -3 4000000000 2.5"));
  double d = 0;
  char space = 'z', letter = 'z';
  int seven = 0;
  unsigned short u16 = 0;
  short s16 = 0;
  unsigned int u32 = 0;
  float f = 0;
  s >> d >> space >> letter >> seven >> u16 >> s16 >> u32 >> f;
  EXPECT_EQ(d, -1500.0);
  EXPECT_EQ(space, ' ');  // "%c" takes whitespace too
  EXPECT_EQ(letter, 'a');
  EXPECT_EQ(seven, 7);
  EXPECT_EQ(u16, 65535);
  EXPECT_EQ(s16, -3);
  EXPECT_EQ(u32, 4000000000u);
  EXPECT_EQ(f, 2.5f);
}

TEST(TextStream, InsertionFormatsPerType) {
  CSgTextStream s;
  s << -7 << CString("/") << 0.25;
  EXPECT_STREQ(s.GetText(), "-7/0.25");

  CSgTextStream t;
  t << static_cast<unsigned char>(65) << static_cast<short>(-2) << CString(" ")
    << static_cast<unsigned short>(65535) << CString(" ") << 4294967295u << CString(" ")
    << 1.0f / 3;
  EXPECT_STREQ(t.GetText(), "A-2 65535 4294967295 0.333333");

  CSgTextStream big;
  big << 1e10 << CString(" ") << static_cast<LONGLONG>(-9000000000LL);
  EXPECT_STREQ(big.GetText(), "1e+010 -9000000000");  // the platform's three-digit exponent
}

TEST(TextStream, EndLineAppendsLineFeed) {
  CSgTextStream s;
  s << CString("a") << SG::EndLine;
  EXPECT_STREQ(s.GetText(), "a\n");
}

TEST(TextStream, ReadTokenSkipsSpaceAndKeepsTokenAtEnd) {
  CSgTextStream s(CString("  ab  cd"));
  CString token("unchanged");
  s.ReadToken(token);
  EXPECT_STREQ(token, "ab");
  EXPECT_EQ(s.GetPosition(), 4);
  s.ReadToken(token);
  EXPECT_STREQ(token, "cd");
  EXPECT_EQ(s.GetPosition(), 8);
  s.ReadToken(token);
  EXPECT_STREQ(token, "cd");
}

TEST(TextStream, ReadTokenKeepsMultiByteCharactersWhole) {
  CSgTextStream s(CString("\xC3\xA9t\xC3\xA9 x"));
  CString token;
  s.ReadToken(token);
  EXPECT_STREQ(token, "\xC3\xA9t\xC3\xA9");
}

TEST(TextStream, TrimmedComparisons) {
  EXPECT_EQ(CSgTextStream(CString(" x ")).CompareTrimmed(CString("x")), 0);
  EXPECT_EQ(CSgTextStream(CString("ABC")).CompareTrimmedNoCase(CString(" abc")), 0);
  EXPECT_NE(CSgTextStream(CString("ABC")).CompareTrimmed(CString("abc")), 0);
}

TEST(TextStream, WhitespaceHelpers) {
  EXPECT_FALSE(SG::HasNonSpace(CString(" \t ")));
  EXPECT_FALSE(SG::HasNonSpace(CString()));
  EXPECT_TRUE(SG::HasNonSpace(CString(" a")));
  CString text(" ab c");
  EXPECT_EQ(SG::FindFirstNonSpace(text) - static_cast<const char*>(text), 1);
  EXPECT_EQ(SG::FindFirstSpace(CString("abc")), nullptr);
  CString padded("  z  ");
  EXPECT_STREQ(SG::TrimBoth(padded), "z");
}

TEST(TextStream, WideConstructorsConvertToUtf8) {
  EXPECT_STREQ(CSgTextStream(u"\u00e9a").GetText(),
               "\xC3\xA9"
               "a");
  EXPECT_STREQ(CSgTextStream(L"xyz", 2).GetText(), "xy");
  EXPECT_STREQ(CSgTextStream('-', 3).GetText(), "---");
  EXPECT_STREQ(CSgTextStream("abc", 2).GetText(), "ab");
  EXPECT_STREQ(CSgTextStream("ab", 10).GetText(), "ab");  // never read past the end
  EXPECT_STREQ(CSgTextStream(u"ab", 10).GetText(), "ab");
}

}  // namespace
