// The numerical methods of the numeric macros: a five-point central
// difference, the trapezoid rule on a fixed grid and Newton's method with a
// second-order term.

#include <cmath>
#include <limits>

#include "parser/ExprParserDefFuncs/NumericMacros.h"
#include "parser/ParserFacade/ExprParser.h"

namespace exprparser {
namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInverse12h = 833.3333333333334;  // 1 / (12 * 0.0001)
}  // namespace

double NumericMacro::valueAt(double v) {
  value_ = v;
  return parser_->evaluateProgram();
}

// The five-point central difference of g at v, evaluated in the order
// v + 2h, v + h, v - h, v - 2h with h = 0.0001.
template <class G>
double centralDifference(G&& g, double v) {
  const double g1 = g(v + 0.0002);
  const double g2 = g(v + 0.0001);
  const double g3 = g(v - 0.0001);
  const double g4 = g(v - 0.0002);
  return (g4 + (8 * g2 - g1 - 8 * g3)) * kInverse12h;
}

double NumericMacro::derivativeAt(double v) {
  return centralDifference([this](double u) { return valueAt(u); }, v);
}

double NumericMacro::secondDerivativeAt(double v) {
  return centralDifference([this](double u) { return derivativeAt(u); }, v);
}

double DerivateMacro::compute(unsigned, const double* a) {
  if (!compiled()) return kNaN;
  return derivativeAt(a[0]);
}

// The grid lo, lo + h, ... up to the last point not beyond hi; a remaining
// piece shorter than h is left out. Bounds or steps that would never reach
// the end (infinite, too fine, or too small to advance) give NaN.
double TrapezoidMacro::compute(unsigned, const double* a) {
  if (!compiled()) return kNaN;
  const double h = std::fabs(a[2]);
  if (h == 0) return 0;
  double lo = a[0], hi = a[1];
  if (lo > hi) std::swap(lo, hi);
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(h)) return kNaN;
  if (!((hi - lo) / h <= kMaxGridPoints)) return kNaN;
  double previous = valueAt(lo);
  double x = lo + h;
  double sum = 0;
  while (x <= hi) {
    const double f = valueAt(x);
    sum += (h * 0.5) * (previous + f);
    previous = f;
    const double next = x + h;
    if (next == x) return kNaN;
    x = next;
  }
  return sum;
}

// Newton steps v - g/d - s*g^2/(2*d^3); where the slope is too flat, v moves
// on by 1. A search that ends without meeting the tolerance gives NaN.
double SolveMacro::compute(unsigned, const double* a) {
  if (!compiled()) return kNaN;
  const double result = a[0], tol = a[2];
  double limit = std::trunc(a[3]);
  if (!(limit > 0)) return kNaN;
  if (limit > kMaxIterations) limit = kMaxIterations;
  const int n = int(limit);
  double v = a[1];
  double vNew = 0;
  double err = tol + 1;
  bool corrected = false;
  for (int i = 0; i < n && err > tol; ++i) {
    const double g = valueAt(v) - result;
    const double d = derivativeAt(v);
    if (std::fabs(d) > 0.0001) {
      const double s = secondDerivativeAt(v);
      const double q = g * (1 / d);
      vNew = (v - q) - (1 / d) * (q * q) * s * 0.5;
      err = std::fabs(vNew - v);
      v = vNew;
      corrected = true;
    } else {
      v = v + 1;
    }
  }
  return corrected && err <= tol ? vNew : kNaN;
}

}  // namespace exprparser
