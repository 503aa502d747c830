#pragma once
// Shared by the complex and matrix tests: the ten element types and a
// VARIANT of a given type holding raw bits.

#include "containers/CSgVariant.h"

#include <gtest/gtest.h>

namespace SG::test {

// The library's long types are LONG and ULONG (32 bits).
using ElementTypes =
    ::testing::Types<char, unsigned char, short, unsigned short, LONG, ULONG, int, unsigned int, float, double>;

inline CSgVariant ScalarVariant(VARTYPE vt, LONGLONG bits) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  v.llVal = bits;
  return CSgVariant(v);
}

}  // namespace SG::test
