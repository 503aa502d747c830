#pragma once
// Tests that run under a German desktop locale (decimal comma), as the Qt
// application leaves the process on such a desktop. scripts/setup.sh
// generates de_DE.UTF-8; where it is missing the tests are skipped, unless
// PELMORAN_REQUIRE_GERMAN_LOCALE is set, as the CI step that requires the
// locale does. Test names carry "German" so that step can pick them.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

class GermanLocale {
 public:
  // Switches the process to de_DE.UTF-8; false when that locale is missing.
  bool Enter() {
    previous_ = std::setlocale(LC_ALL, nullptr);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  void Leave() {
    if (!previous_.empty()) std::setlocale(LC_ALL, previous_.c_str());
  }
  static bool Required() { return std::getenv("PELMORAN_REQUIRE_GERMAN_LOCALE") != nullptr; }

 private:
  std::string previous_;
};

// For a fixture's SetUp: enters the locale, or skips (fails where required).
#define PELMORAN_ENTER_GERMAN_LOCALE(locale)                                              \
  do {                                                                                    \
    if (!(locale).Enter()) {                                                              \
      if (GermanLocale::Required())                                                       \
        FAIL() << "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it";     \
      GTEST_SKIP() << "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it"; \
    }                                                                                     \
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");                                  \
  } while (false)

class GermanLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override { PELMORAN_ENTER_GERMAN_LOCALE(german_); }
  void TearDown() override { german_.Leave(); }

 private:
  GermanLocale german_;
};
