#pragma once
// Tests that run under a German desktop locale (decimal comma), as the Qt
// application leaves the process on such a desktop. scripts/setup.sh
// generates de_DE.UTF-8; where it is missing the tests are skipped, unless
// PELMORAN_REQUIRE_GERMAN_LOCALE is set, as the CI step that requires the
// locale does. Test names carry "German" so that step can pick them.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

class GermanLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
      if (std::getenv("PELMORAN_REQUIRE_GERMAN_LOCALE"))
        FAIL() << "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it";
      GTEST_SKIP() << "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};
