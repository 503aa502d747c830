// Interpolation against closed forms: polynomials reproduced exactly,
// rational functions reproduced, splines through lines and cubics.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "analysis/core/CoreErrors.h"
#include "analysis/interpolation/Interpolation.h"

using namespace SgCore;

TEST(PolynomialInterpolate, ReproducesPolynomials) {
  const double x[] = {0, 1, 2};
  const double y[] = {1, 3, 7};
  double v = 0, dy = 0;
  ASSERT_EQ(PolynomialInterpolateCore(x, y, 3, 1.5, &v, &dy), 0);
  EXPECT_DOUBLE_EQ(v, 4.75);  // x^2 + x + 1
  // A cubic through unordered points, at and between the points.
  const double xs[] = {3, -1, 0.5, 2, -2};
  std::vector<double> ys;
  auto cubic = [](double t) { return 2 * t * t * t - t + 4; };
  for (double t : xs) ys.push_back(cubic(t));
  for (double at : {0.25, -1.5, 3.0, 10.0}) {
    ASSERT_EQ(PolynomialInterpolateCore(xs, ys.data(), 5, at, &v, &dy), 0);
    EXPECT_NEAR(v, cubic(at), 1e-10 * std::max(1.0, std::fabs(cubic(at)))) << at;
  }
  double one = 0;
  ASSERT_EQ(PolynomialInterpolateCore(xs, ys.data(), 1, 7.0, &one, &dy), 0);
  EXPECT_EQ(one, ys[0]);
}

TEST(PolynomialInterpolate, Refusals) {
  const double x[] = {0, 1, 1};
  const double y[] = {1, 2, 3};
  double v = -7, dy = -7;
  EXPECT_EQ(PolynomialInterpolateCore(x, y, 3, 0.5, &v, &dy), ErrDistinctX);
  EXPECT_EQ(PolynomialInterpolateCore(x, y, 0, 0.5, &v, &dy), ErrSamplesGtZero);
  EXPECT_EQ(v, -7);
  EXPECT_EQ(dy, -7);
}

TEST(RationalInterpolate, ReproducesARationalFunction) {
  auto f = [](double t) { return (1 + 2 * t) / (3 + t); };
  const double xs[] = {0, 1, 2, 4, 5};
  std::vector<double> ys;
  for (double t : xs) ys.push_back(f(t));
  double v = 0, dy = 0;
  for (double at : {0.5, 3.0, 4.5}) {
    ASSERT_EQ(RationalInterpolateCore(xs, ys.data(), 5, at, &v, &dy), 0);
    EXPECT_NEAR(v, f(at), 1e-8) << at;
  }
}

TEST(RationalInterpolate, ExactAbscissaAndRefusals) {
  const double x[] = {1, 2, 2, 3};
  const double y[] = {5, 6, 7, 8};
  double v = 0, dy = 1;
  ASSERT_EQ(RationalInterpolateCore(x, y, 4, 2.0, &v, &dy), 0);
  EXPECT_EQ(v, 6);
  EXPECT_EQ(dy, 0);
  EXPECT_EQ(RationalInterpolateCore(x, y, 4, 2.5, &v, &dy), ErrDistinctX);
  EXPECT_EQ(RationalInterpolateCore(x, y, 0, 2.5, &v, &dy), ErrSamplesGtZero);
  // 1/x sampled symmetrically about 0 cannot be evaluated at 0.
  const double xp[] = {-1, 1};
  const double yp[] = {-1, 1};
  EXPECT_EQ(RationalInterpolateCore(xp, yp, 2, 0.0, &v, &dy), 0);
}

TEST(Spline, LineWithMatchingEndSlopesIsReproduced) {
  const double x[] = {0, 1, 2.5, 4, 7};
  double y[5], y2[5];
  for (int i = 0; i < 5; ++i) y[i] = 3 * x[i] - 2;
  ASSERT_EQ(SplineSecondDerivativesCore(x, y, 5, 3.0, 3.0, y2), 0);
  for (double d : y2) EXPECT_NEAR(d, 0.0, 1e-14);
  double v = 0;
  ASSERT_EQ(SplineInterpolateCore(x, y, y2, 5, 5.5, &v), 0);
  EXPECT_NEAR(v, 14.5, 1e-13);
  ASSERT_EQ(SplineInterpolateCore(x, y, y2, 5, -1.0, &v), 0);  // extrapolated
  EXPECT_NEAR(v, -5.0, 1e-13);
}

TEST(Spline, ClampedCubicIsReproducedAndEndsBehave) {
  // A clamped spline reproduces any cubic given its end slopes.
  auto f = [](double t) { return t * t * t - 2 * t * t + 0.5; };
  auto df = [](double t) { return 3 * t * t - 4 * t; };
  const double x[] = {-1, 0, 0.7, 1.5, 2, 3};
  double y[6], y2[6];
  for (int i = 0; i < 6; ++i) y[i] = f(x[i]);
  ASSERT_EQ(SplineSecondDerivativesCore(x, y, 6, df(-1), df(3), y2), 0);
  for (double at : {-0.5, 0.3, 1.0, 2.9}) {
    double v = 0;
    ASSERT_EQ(SplineInterpolateCore(x, y, y2, 6, at, &v), 0);
    EXPECT_NEAR(v, f(at), 1e-12) << at;
  }
  double v = 0;
  ASSERT_EQ(SplineInterpolateCore(x, y, y2, 6, x[0], &v), 0);
  EXPECT_EQ(v, y[0]);
  // Natural ends have zero second derivative; horizontal ends zero slope.
  ASSERT_EQ(SplineSecondDerivativesCore(x, y, 6, 1e30, 1e30, y2), 0);
  EXPECT_EQ(y2[0], 0.0);
  EXPECT_EQ(y2[5], 0.0);
  ASSERT_EQ(SplineSecondDerivativesCore(x, y, 6, 0.0, 0.0, y2), 0);
  double a = 0, b = 0;
  SplineInterpolateCore(x, y, y2, 6, x[0], &a);
  SplineInterpolateCore(x, y, y2, 6, x[0] + 1e-6, &b);
  EXPECT_NEAR((b - a) / 1e-6, 0.0, 1e-4);
}

TEST(Spline, DescendingPointsGiveTheSameNaturalSpline) {
  const double up[] = {0, 1, 3, 4, 6};
  const double yu[] = {1, -1, 2, 0, 5};
  double down[5], yd[5], y2u[5], y2d[5];
  for (int i = 0; i < 5; ++i) {
    down[i] = up[4 - i];
    yd[i] = yu[4 - i];
  }
  ASSERT_EQ(SplineSecondDerivativesCore(up, yu, 5, 1e30, 1e30, y2u), 0);
  ASSERT_EQ(SplineSecondDerivativesCore(down, yd, 5, 1e30, 1e30, y2d), 0);
  for (double at : {0.5, 2.0, 3.0, 5.9}) {
    double a = 0, b = 0;
    SplineInterpolateCore(up, yu, y2u, 5, at, &a);
    SplineInterpolateCore(down, yd, y2d, 5, at, &b);
    EXPECT_NEAR(a, b, 1e-12) << at;
  }
}

TEST(Spline, RefusalsLeaveOutputsAlone) {
  const double x[] = {0, 1, 1, 2};
  const double y[] = {0, 1, 2, 3};
  double y2[4] = {9, 9, 9, 9};
  EXPECT_EQ(SplineSecondDerivativesCore(x, y, 4, 0, 0, y2), ErrDistinctX);
  EXPECT_EQ(SplineSecondDerivativesCore(x, y, 0, 0, 0, y2), ErrSamplesGtZero);
  EXPECT_EQ(SplineSecondDerivativesCore(x, y, 1, 0, 0, y2), ErrDistinctX);
  const double twoEqual[] = {5, 5};
  EXPECT_EQ(SplineSecondDerivativesCore(twoEqual, y, 2, 0, 0, y2), ErrDistinctX);
  const double folded[] = {0, 2, 0};
  EXPECT_EQ(SplineSecondDerivativesCore(folded, y, 3, 0, 0, y2), ErrDistinctX);
  for (double d : y2) EXPECT_EQ(d, 9);
  double v = -3;
  EXPECT_EQ(SplineInterpolateCore(x, y, y2, 1, 0.5, &v), ErrDistinctX);
  EXPECT_EQ(SplineInterpolateCore(x, y, y2, 0, 0.5, &v), ErrSamplesGtZero);
  EXPECT_EQ(SplineInterpolateCore(twoEqual, y, y2, 2, 1.0, &v), ErrDistinctX);
  EXPECT_EQ(v, -3);
}

namespace {
// The plain bisection from the whole range, as the reference interval.
double BisectionValue(const std::vector<double>& x, const std::vector<double>& y,
                      const std::vector<double>& y2, double x0, bool* distinct) {
  const int64_t n = static_cast<int64_t>(x.size());
  int64_t lo = 0, hi = n - 1;
  while (hi - lo > 1) {
    const int64_t mid = (hi + lo) / 2;
    const bool up = x[n - 1] > x[0] ? x0 < x[mid] : !(x0 <= x[mid]);
    (up ? hi : lo) = mid;
  }
  const double h = x[hi] - x[lo];
  *distinct = h != 0.0;
  if (!*distinct) return 0;
  const double a = (x[hi] - x0) / h, b = (x0 - x[lo]) / h;
  return a * y[lo] + b * y[hi] +
         ((a * a * a - a) * y2[lo] + (b * b * b - b) * y2[hi]) * (h * h) / 6.0;
}
}  // namespace

TEST(Spline, IntervalSearchAgreesWithPlainBisection) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> step(0.0, 3.0), unit(0.0, 1.0);
  for (int trial = 0; trial < 40; ++trial) {
    const int n = 2 + trial * 7;
    std::vector<double> x(n), y(n), y2(n);
    double at = -5;
    for (int i = 0; i < n; ++i) {
      at += trial % 3 == 0 && unit(rng) < 0.2 ? 0.0 : step(rng);  // some repeated x
      x[i] = trial % 2 ? -at : at;
      y[i] = unit(rng);
      y2[i] = unit(rng) - 0.5;
    }
    std::vector<double> probes = {x.front(), x.back(), x.front() - 1, x.back() + 1,
                                  std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i < n; ++i) probes.push_back(x[i]);
    for (int i = 0; i < 200; ++i) probes.push_back(x.front() + (x.back() - x.front()) * unit(rng));
    for (double p : probes) {
      bool distinct = false;
      const double expected = BisectionValue(x, y, y2, p, &distinct);
      double v = 0;
      const int code = SplineInterpolateCore(x.data(), y.data(), y2.data(), n, p, &v);
      ASSERT_EQ(code, distinct ? 0 : ErrDistinctX) << trial << " at " << p;
      if (distinct && !std::isnan(expected)) {
        ASSERT_EQ(v, expected) << trial << " at " << p;
      }
    }
  }
}

// A fill walks the samples in order over knots of any spacing; the search
// starts from the last interval found, which must not leak into a call on
// the same array after its points changed.
TEST(Spline, InOrderFillOverUnevenKnotsAgreesWithPlainBisection) {
  const int n = 400;
  std::vector<double> x(n), y(n), y2(n);
  for (int i = 0; i < n; ++i) {
    x[i] = double(i) * i * i / 1000.0 + i;  // gaps from 1 to about 480
    y[i] = std::sin(i * 0.1);
    y2[i] = std::cos(i * 0.37);
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (double at = x.front() - 3; at <= x.back() + 3; at += 0.75) {
      bool distinct = false;
      const double expected = BisectionValue(x, y, y2, at, &distinct);
      double v = 0;
      ASSERT_EQ(SplineInterpolateCore(x.data(), y.data(), y2.data(), n, at, &v), 0);
      ASSERT_EQ(v, expected) << pass << " at " << at;
    }
    // The same array, its knots now spread evenly.
    for (int i = 0; i < n; ++i) x[i] = 100.0 * i;
  }
}
