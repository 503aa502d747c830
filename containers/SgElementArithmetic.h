#pragma once
// Element arithmetic of the scalar containers. Integers wrap around in their
// own width (computed in an unsigned type wide enough that no intermediate
// step overflows a signed int). Integer division has two cases with no
// mathematical result; they are defined here rather than left to crash:
//   x / 0           gives 0;
//   minimum / -1    gives minimum (the wrapped quotient, as for negation).
// float and double follow IEEE rules (x / 0 is an infinity or NaN).

#include "containers/SgInteger32.h"

#include <limits>
#include <type_traits>

namespace SG::Arith {

template <class T>
using Wide = std::conditional_t<(sizeof(T) < sizeof(unsigned)), unsigned,
                                std::make_unsigned_t<ElementRep<T>>>;

template <class T>
constexpr T Add(T a, T b) {
  if constexpr (IsIntegralElement<T>)
    return static_cast<T>(Wide<T>(a) + Wide<T>(b));
  else
    return a + b;
}

template <class T>
constexpr T Sub(T a, T b) {
  if constexpr (IsIntegralElement<T>)
    return static_cast<T>(Wide<T>(a) - Wide<T>(b));
  else
    return a - b;
}

template <class T>
constexpr T Mul(T a, T b) {
  if constexpr (IsIntegralElement<T>)
    return static_cast<T>(Wide<T>(a) * Wide<T>(b));
  else
    return a * b;
}

template <class T>
constexpr T Div(T a, T b) {
  if constexpr (IsIntegralElement<T>) {
    if (b == 0) return T(0);
    if constexpr (IsSignedElement<T>) {
      if (a == std::numeric_limits<T>::min() && b == T(-1)) return a;
    }
    return static_cast<T>(ElementRep<T>(a) / ElementRep<T>(b));
  } else {
    return a / b;
  }
}

template <class T>
constexpr T Neg(T a) {
  if constexpr (IsIntegralElement<T>)
    return static_cast<T>(Wide<T>(0) - Wide<T>(a));
  else
    return -a;
}

// Absolute value in place semantics: "below zero" becomes its negation, so
// -0.0, NaN and the most negative integer stay as they are.
template <class T>
constexpr T Abs(T a) {
  if constexpr (IsUnsignedElement<T>)
    return a;
  else
    return a < T(0) ? Neg(a) : a;
}

}  // namespace SG::Arith
