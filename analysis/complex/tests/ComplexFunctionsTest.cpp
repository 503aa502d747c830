#include "analysis/complex/ComplexFunctions.h"
#include "analysis/core/CoreErrors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace SgCore;

namespace {
using Fn = std::function<int(double, double, double*, double*)>;
Fn Power(double p) {
  return
      [p](double re, double im, double* r, double* i) { return ComplexPowerCore(re, im, p, r, i); };
}
}  // namespace

TEST(ComplexFunctions, Values) {
  struct Row {
    const char* name;
    Fn fn;
    double re, im, wantRe, wantIm;
  };
  const std::vector<Row> rows = {
      {"ln(-1)", ComplexLnCore, -1, 0, 0, M_PI},
      {"log10(10)", ComplexLog10Core, 10, 0, 1, 0},
      {"(0,0)^2", Power(2), 0, 0, 0, 0},
      {"(0,2)^2", Power(2), 0, 2, -4, 0},
      {"sqrt(-4)", ComplexSqrtCore, -4, 0, 0, 2},
      {"sqrt(0)", ComplexSqrtCore, 0, 0, 0, 0},
      {"exp(i pi)", ComplexExpCore, 0, M_PI, -1, 0},
      {"1/(0,2)", ComplexReciprocalCore, 0, 2, 0, -0.5},
      {"1/(3,4)", ComplexReciprocalCore, 3, 4, 0.12, -0.16},
      // Magnitudes whose square overflows or underflows a double.
      {"ln(1e200)", ComplexLnCore, 1e200, 1e200, std::log(1e200) + 0.5 * std::log(2.0), M_PI / 4},
      {"ln(1e-200 i)", ComplexLnCore, 0, 1e-200, std::log(1e-200), M_PI / 2},
      {"sqrt(1e300)", ComplexSqrtCore, 1e300, 0, 1e150, 0},
      {"sqrt(4e-300)", ComplexSqrtCore, 4e-300, 0, 2e-150, 0},
      {"(1e200)^0.5", Power(0.5), 1e200, 0, 1e100, 0},
      {"(1e-200)^-0.5", Power(-0.5), 1e-200, 0, 1e100, 0},
      {"1/1e-200", ComplexReciprocalCore, 1e-200, 0, 1e200, 0},
      {"1/(1e200,1e200)", ComplexReciprocalCore, 1e200, 1e200, 0.5e-200, -0.5e-200},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    double re = 99, im = 99;
    ASSERT_EQ(row.fn(row.re, row.im, &re, &im), 0);
    const double scale = std::max(std::hypot(row.wantRe, row.wantIm), 1e-300);
    EXPECT_NEAR(re / scale, row.wantRe / scale, 1e-14);
    EXPECT_NEAR(im / scale, row.wantIm / scale, 1e-14);
  }
  double re = 0, im = 0;
  ComplexReciprocalCore(3, 0, &re, &im);
  EXPECT_TRUE(std::signbit(im));  // the quotient is negated: -0
}

TEST(ComplexFunctions, DivisionsByZeroWriteNothing) {
  struct Row {
    const char* name;
    Fn fn;
    double re, im;
  };
  const std::vector<Row> rows = {
      {"ln 0", ComplexLnCore, 0, 0},
      {"log10 0", ComplexLog10Core, 0, 0},
      {"ln NaN", ComplexLnCore, NAN, 1},
      {"0^0", Power(0), 0, 0},
      {"0^NaN", Power(NAN), 0, 0},
      {"0^-1", Power(-1), 0, 0},
      {"0^-2.5", Power(-2.5), 0, 0},
      {"1/0", ComplexReciprocalCore, 0, 0},
      {"1/NaN", ComplexReciprocalCore, NAN, NAN},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    double re = 7, im = 8;
    EXPECT_EQ(row.fn(row.re, row.im, &re, &im), ErrDivideByZero);
    EXPECT_EQ(re, 7);
    EXPECT_EQ(im, 8);
  }
}
