#pragma once
// One conversion rule between element types, used by every copy between
// containers, VARIANT arrays and data proxies: integers keep their low bits,
// floating values truncate toward zero through a 64-bit integer. A floating
// value that is NaN or outside the 64-bit range has no such integer; it gives 0
// rather than the undefined behaviour of a plain cast.

#include "containers/SgInteger32.h"

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace SG {

template <class To, class From>
constexpr To ConvertElement(From value) {
  if constexpr (IsIntegralElement<To> && std::is_floating_point_v<From>) {
    const double d = static_cast<double>(value);
    // 2^63 is exact in double; the range test also rejects NaN.
    if (!(d > -9223372036854775808.0 && d < 9223372036854775808.0)) return To(0);
    return static_cast<To>(static_cast<std::int64_t>(d));
  } else {
    return static_cast<To>(value);
  }
}

// Converts n elements one by one.
template <class To, class From>
void ConvertElements(To* target, const From* source, unsigned int n) {
  for (unsigned int i = 0; i < n; ++i) target[i] = ConvertElement<To>(source[i]);
}

}  // namespace SG
