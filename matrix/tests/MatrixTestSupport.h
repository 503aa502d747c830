#pragma once
// Shared by the complex and matrix tests: the ten element types and a
// VARIANT of a given type holding raw bits.

#include "containers/CSgVariant.h"

#include <gtest/gtest.h>

namespace SG::test {

// The long rows hold Long32 and ULong32, distinct from int and unsigned int.
using ElementTypes = ::testing::Types<char, unsigned char, short, unsigned short, Long32, ULong32,
                                      int, unsigned int, float, double>;

inline CSgVariant ScalarVariant(VARTYPE vt, LONGLONG bits) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  v.llVal = bits;
  return CSgVariant(v);
}

}  // namespace SG::test
