#pragma once
// Shared by the complex and matrix tests: the ten element types, a VARIANT
// of a given type holding raw bits, a matrix's items and a complex number.

#include "containers/CSgVariant.h"
#include "matrix/CSgComplexT.h"
#include "matrix/CSgMatrixT.h"

#include <gtest/gtest.h>

#include <vector>

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

template <class T>
std::vector<T> Items(const CSgMatrixT<T>& m) {
  return std::vector<T>(m.GetData(), m.GetData() + m.GetCount());
}

template <class T>
CSgComplexT<T> Z(T re, T im) {
  CSgComplexT<T> z;
  z.Set(re, im);
  return z;
}

}  // namespace SG::test
