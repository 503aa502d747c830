#include "platform/win/NumberForm.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

double NumberFormValue(const std::string& number) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(number.c_str(), nullptr, c);
}
