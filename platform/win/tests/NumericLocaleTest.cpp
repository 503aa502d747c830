#include "platform/win/NumericLocale.h"

#include "platform/afx/CrtScan.h"
#include "platform/win/CrtFormat.h"
#include "platform/win/tests/GermanLocale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Printed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace

using GermanNumericLocale = GermanLocaleTest;

// The start-up helper takes numbers back to the point and leaves the rest of
// the desktop's choice (here the text encoding) alone.
TEST_F(GermanNumericLocale, PinningKeepsOnlyNumbersInTheCLocale) {
  EXPECT_EQ(Printed(0.5), "0,5");
  EXPECT_EQ(std::strtod("0.5", nullptr), 0.0);
  PinNumericLocale();
  EXPECT_EQ(Printed(0.5), "0.5");
  EXPECT_EQ(std::strtod("5.00E-01", nullptr), 0.5);
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "de_DE.UTF-8");
}

TEST_F(GermanNumericLocale, ScopesAndPlatformConversionsIgnoreTheDesktop) {
  {
    CNumericScope c;
    EXPECT_EQ(Printed(2.5), "2.5");
  }
  EXPECT_EQ(Printed(2.5), "2,5");  // the thread's locale is back after the scope
  EXPECT_EQ(FormatInCLocale("%.2E|%g|%d", 2500.0, 0.125, 7), "2.50E+03|0.125|7");
  EXPECT_EQ(CrtFormat("%0.9f", -0.05), "-0.050000000");
  EXPECT_EQ(CrtStrtod("5.00E-01V", nullptr), 0.5);
  double d = 0;
  ASSERT_EQ(CrtSscanf("1.25", "%lf", &d), 1);
  EXPECT_EQ(d, 1.25);
}

TEST(NumericLocale, LongTextIsWhole) {
  std::string text = FormatInCLocale("%s-%0.3f", std::string(300, 'x').c_str(), 1.5);
  EXPECT_EQ(text.size(), 306u);
  EXPECT_EQ(text.substr(300), "-1.500");
}
