// The complex value's transcendental functions, their errors and the
// magnitude.
#include "matrix/CSgComplexT.h"
#include "containers/CSgExceptionT.h"
#include "matrix/tests/MatrixTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

using namespace SG;

using test::Z;

using DZ = CSgComplexT<double>;
using Op = std::function<DZ(const DZ&)>;

TEST(ComplexMath, DoubleValues) {
  const struct {
    const char* name;
    Op op;
    double re, im, wantRe, wantIm;
  } rows[] = {
      {"ln(-1)", &DZ::Log, -1, 0, 0, M_PI},
      {"ln(i)", &DZ::Log, 0, 1, 0, M_PI / 2},
      {"log10(100)", &DZ::Log10, 100, 0, 2, 0},
      {"log10(-1)", &DZ::Log10, -1, 0, 0, M_PI * std::log10(std::exp(1.0))},
      {"(1+i)^2", [](const DZ& z) { return z.Power(2); }, 1, 1, 0, 2},
      {"(0,0)^2", [](const DZ& z) { return z.Power(2); }, 0, 0, 0, 0},
      {"4^0.5", [](const DZ& z) { return z.Power(0.5); }, 4, 0, 2, 0},
      {"exp(i pi)", &DZ::Exp, 0, M_PI, -1, 0},
      {"exp(1)", &DZ::Exp, 1, 0, std::exp(1.0), 0},
      {"sqrt(-4)", &DZ::Sqrt, -4, 0, 0, 2},
      {"sqrt(0)", &DZ::Sqrt, 0, 0, 0, 0},
      {"1/(0,2)", &DZ::Reciprocal, 0, 2, 0, -0.5},
      {"1/(3,4)", &DZ::Reciprocal, 3, 4, 0.12, -0.16},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const DZ z = Z(row.re, row.im);
    const DZ r = row.op(z);
    EXPECT_NEAR(r.m_real, row.wantRe, 1e-12);
    EXPECT_NEAR(r.m_imag, row.wantIm, 1e-12);
    EXPECT_EQ(z.m_real, row.re);  // the value itself is unchanged
    EXPECT_EQ(z.m_imag, row.im);
  }
  const DZ half = Z(2.0, 0.0).Reciprocal();
  EXPECT_EQ(half.m_real, 0.5);
  EXPECT_EQ(half.m_imag, 0.0);
  EXPECT_TRUE(std::signbit(half.m_imag));
}

TEST(ComplexMath, ResultsConvertToTheElementType) {
  const CSgComplexT<char> root = Z<char>(-4, 0).Sqrt();  // real part a tiny positive number
  EXPECT_EQ(root.m_real, 0);
  EXPECT_EQ(root.m_imag, 2);
  const CSgComplexT<int> reciprocal = Z<int>(2, 0).Reciprocal();
  EXPECT_EQ(reciprocal.m_real, 0);
  EXPECT_EQ(reciprocal.m_imag, 0);
  const CSgComplexT<int> cube = Z<int>(-2, 0).Power(3);
  EXPECT_EQ(cube.m_real, -8);
  EXPECT_EQ(cube.m_imag, 0);  // -2.9e-15 truncates to 0
  const CSgComplexT<unsigned char> wrapped = Z<unsigned char>(2, 0).Power(9);
  EXPECT_EQ(wrapped.m_real, 0);  // 512 keeps its low 8 bits
  const CSgComplexT<float> e = Z<float>(1, 0).Exp();
  EXPECT_EQ(e.m_real, static_cast<float>(std::exp(1.0)));
}

// Each error: CSgMathException -20060 "Divide by zero.", the value unchanged.
TEST(ComplexMath, DivideByZeroErrors) {
  const struct {
    const char* name;
    std::function<void(const CSgComplexT<int>&)> op;
  } rows[] = {
      {"Log", [](const CSgComplexT<int>& z) { z.Log(); }},
      {"Log10", [](const CSgComplexT<int>& z) { z.Log10(); }},
      {"Power(0)", [](const CSgComplexT<int>& z) { z.Power(0); }},
      {"Reciprocal", [](const CSgComplexT<int>& z) { z.Reciprocal(); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CSgComplexT<int> zero;
    try {
      row.op(zero);
      ADD_FAILURE() << "no exception";
    } catch (CSgMathException* e) {
      EXPECT_EQ(e->GetErrorCode(), -20060);
      EXPECT_STREQ(e->GetErrorString(), "Math Exception: Divide by zero.");
      e->Delete();
    }
    EXPECT_EQ(zero.m_real, 0);
  }
  // A part that is not a number counts as zero in these tests.
  EXPECT_THROW(
      {
        try {
          Z(std::numeric_limits<double>::quiet_NaN(), 0.0).Log();
        } catch (CSgMathException* e) {
          e->Delete();
          throw 1;
        }
      },
      int);
}

TEST(ComplexMath, Magnitude) {
  EXPECT_EQ(Z<int>(3, 4).Magnitude(), 5);
  EXPECT_EQ(Z<int>(1, 1).Magnitude(), 1);
  EXPECT_EQ(Z<char>(-3, -4).Magnitude(), 5);
  EXPECT_FLOAT_EQ(Z<float>(1, 1).Magnitude(), 1.4142135f);
  EXPECT_DOUBLE_EQ(Z<double>(3e200, 4e200).Magnitude(), 5e200);  // no overflow of the squares
  // Sums of squares beyond 32 bits: exact, not wrapped.
  EXPECT_EQ(Z<int>(46341, 46341).Magnitude(), 65536);
  EXPECT_EQ(Z<int>(-2147483647, 0).Magnitude(), 2147483647);
  EXPECT_EQ(Z<unsigned int>(4294967295u, 0).Magnitude(), 4294967295u);
  EXPECT_EQ(Z<unsigned int>(3000000000u, 1).Magnitude(), 3000000000u);
  EXPECT_EQ(Z<ULONG>(65536, 65536).Magnitude(), 92681u);
  // A root beyond T keeps T's low bits.
  EXPECT_EQ(Z<char>(-128, -128).Magnitude(), static_cast<char>(181));
}

}  // namespace
