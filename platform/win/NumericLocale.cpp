#include "platform/win/NumericLocale.h"

#include <clocale>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return c;
}

}  // namespace

void PinNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

CNumericScope::CNumericScope() : previous_(uselocale(CLocale())) {}

CNumericScope::~CNumericScope() { uselocale(static_cast<locale_t>(previous_)); }

std::string FormatInCLocaleV(const char* format, va_list args) {
  CNumericScope c;
  va_list again;
  va_copy(again, args);
  char small[256];
  const int n = std::vsnprintf(small, sizeof small, format, args);
  if (n < 0) {
    va_end(again);
    return std::string();
  }
  if (n < static_cast<int>(sizeof small)) {
    va_end(again);
    return std::string(small, static_cast<std::size_t>(n));
  }
  std::vector<char> text(static_cast<std::size_t>(n) + 1);
  std::vsnprintf(text.data(), text.size(), format, again);
  va_end(again);
  return std::string(text.data(), static_cast<std::size_t>(n));
}

std::string FormatInCLocale(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatInCLocaleV(format, args);
  va_end(args);
  return text;
}
