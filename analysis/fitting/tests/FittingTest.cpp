// Fits against closed forms: exact data recovered by every algorithm, the
// least-squares line of noisy data, the argument refusals, Levenberg-
// Marquardt on a known model.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/core/CoreErrors.h"
#include "analysis/fitting/Fitting.h"

using namespace SgCore;

namespace {

// H with columns 1, x for the points x = 0..n-1 (halves).
std::vector<double> LineBasis(const std::vector<double>& x) {
  std::vector<double> h;
  for (double v : x) {
    h.push_back(1.0);
    h.push_back(v);
  }
  return h;
}

}  // namespace

TEST(GeneralLeastSquares, EveryAlgorithmRecoversExactData) {
  const std::vector<double> x = {0, 0.5, 1, 1.5, 2, 3};
  std::vector<double> y;
  for (double v : x) y.push_back(2 + 3 * v);
  const std::vector<double> h = LineBasis(x);
  for (int algorithm = 0; algorithm <= 5; ++algorithm) {
    std::vector<double> fit(x.size()), c(2), cov(4);
    double mse = -1;
    ASSERT_EQ(GeneralLeastSquaresCore(h.data(), 6, 2, y.data(), nullptr, algorithm, fit.data(),
                                      c.data(), cov.data(), &mse),
              0)
        << algorithm;
    EXPECT_NEAR(c[0], 2.0, 1e-12) << algorithm;
    EXPECT_NEAR(c[1], 3.0, 1e-12) << algorithm;
    EXPECT_NEAR(mse, 0.0, 1e-24) << algorithm;
    for (size_t i = 0; i < x.size(); ++i) EXPECT_NEAR(fit[i], y[i], 1e-12);
  }
}

TEST(GeneralLeastSquares, NoisyDataAgreesAcrossAlgorithmsAndWithTheLineFit) {
  // Inconsistent data: every algorithm must give the least-squares answer.
  const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6};
  const std::vector<double> y = {1.1, 2.9, 5.2, 6.8, 9.3, 10.9, 13.2};
  const std::vector<double> sigma = {1, 2, 1, 0.5, 1, 1, 2};
  const std::vector<double> h = LineBasis(x);
  std::vector<double> lineFit(7);
  double slope = 0, intercept = 0, lineMse = 0;
  ASSERT_EQ(LinearFitCore(x.data(), y.data(), 7, lineFit.data(), &slope, &intercept, &lineMse), 0);
  std::vector<double> weighted;
  for (int algorithm = 0; algorithm <= 5; ++algorithm) {
    std::vector<double> fit(7), c(2), cov(4);
    double mse = 0;
    ASSERT_EQ(GeneralLeastSquaresCore(h.data(), 7, 2, y.data(), nullptr, algorithm, fit.data(),
                                      c.data(), nullptr, &mse),
              0);
    EXPECT_NEAR(c[0], intercept, 1e-12) << algorithm;
    EXPECT_NEAR(c[1], slope, 1e-12) << algorithm;
    EXPECT_NEAR(mse, lineMse, 1e-12) << algorithm;
    ASSERT_EQ(GeneralLeastSquaresCore(h.data(), 7, 2, y.data(), sigma.data(), algorithm, fit.data(),
                                      c.data(), cov.data(), &mse),
              0);
    if (weighted.empty()) weighted = {c[0], c[1], cov[0], cov[1], cov[3]};
    EXPECT_NEAR(c[0], weighted[0], 1e-12) << algorithm;
    EXPECT_NEAR(c[1], weighted[1], 1e-12) << algorithm;
    EXPECT_NEAR(cov[0], weighted[2], 1e-12) << algorithm;
    EXPECT_NEAR(cov[1], weighted[3], 1e-12) << algorithm;
    EXPECT_NEAR(cov[3], weighted[4], 1e-12) << algorithm;
  }
  EXPECT_NEAR(slope, 2.0142857142857142, 1e-12);  // closed form of this data
}

TEST(GeneralLeastSquares, Refusals) {
  std::vector<double> h(91 * 91, 1.0), y(91, 1.0), fit(91, -5), c(91, -5);
  double mse = -5;
  struct Row {
    int n, a, algorithm, code;
  } rows[] = {{0, 1, 0, ErrSamplesGtZero}, {91, 91 + 1, 0, ErrSizeOrder}, {91, 91, 0, ErrOrder},
              {91, 0, 0, ErrOrder},        {3, 2, 6, ErrSelection},       {3, 2, -1, ErrSelection}};
  for (const Row& r : rows) {
    EXPECT_EQ(GeneralLeastSquaresCore(h.data(), r.n, r.a, y.data(), nullptr, r.algorithm,
                                      fit.data(), c.data(), nullptr, &mse),
              r.code);
  }
  EXPECT_EQ(fit[0], -5);
  EXPECT_EQ(c[0], -5);
  EXPECT_EQ(mse, -5);
  // Singular normal equations for LU and Cholesky.
  const double same[] = {1, 1, 1, 1, 1, 1};
  const double yy[] = {1, 2, 3};
  double f3[3], c2[2];
  EXPECT_EQ(GeneralLeastSquaresCore(same, 3, 2, yy, nullptr, LsLu, f3, c2, nullptr, &mse),
            ErrSingular);
  EXPECT_EQ(GeneralLeastSquaresCore(same, 3, 2, yy, nullptr, LsCholesky, f3, c2, nullptr, &mse),
            ErrSingular);
}

TEST(LinearAndExponentialFits, ClosedFormsAndRefusals) {
  const double x[] = {0, 1, 2};
  const double y[] = {-1, -2, -4};
  double fit[3], a = 0, b = 0, mse = -1;
  ASSERT_EQ(ExponentialFitCore(x, y, 3, fit, &a, &b, &mse), 0);
  EXPECT_NEAR(a, -1.0, 1e-12);
  EXPECT_NEAR(b, std::log(2.0), 1e-12);
  EXPECT_NEAR(mse, 0.0, 1e-24);
  EXPECT_EQ(y[0], -1);  // the data is only read
  const double mixed[] = {1, -1}, withZero[] = {1, 0, 2};
  EXPECT_EQ(ExponentialFitCore(x, mixed, 2, fit, &a, &b, &mse), ErrSecondArraySign);
  EXPECT_EQ(ExponentialFitCore(x, withZero, 3, fit, &a, &b, &mse), ErrSecondArraySign);
  EXPECT_EQ(ExponentialFitCore(x, y, 1, fit, &a, &b, &mse), ErrSamplesGeTwo);
  double slope = 0, intercept = 0;
  EXPECT_EQ(LinearFitCore(x, y, 1, fit, &slope, &intercept, &mse), ErrSamplesGeTwo);
  const double line[] = {5, 3, 1};
  ASSERT_EQ(LinearFitCore(x, line, 3, fit, &slope, &intercept, &mse), 0);
  EXPECT_DOUBLE_EQ(slope, -2);
  EXPECT_DOUBLE_EQ(intercept, 5);
}

TEST(PolynomialFit, InterpolatesAtFullOrderAndRefuses) {
  const double x[] = {-1, 0, 1, 2};
  const double y[] = {3, 1, -1, 9};
  double fit[4], c[4], mse = -1;
  ASSERT_EQ(PolynomialFitCore(x, y, 4, 3, fit, c, &mse), 0);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(fit[i], y[i], 1e-12);
  EXPECT_NEAR(mse, 0.0, 1e-24);
  // Through 0, the constant term is the value at 0 (0^0 = 1).
  EXPECT_NEAR(c[0], 1.0, 1e-12);
  EXPECT_EQ(PolynomialFitCore(x, y, 4, 4, fit, c, &mse), ErrSizeOrder);
  EXPECT_EQ(PolynomialFitCore(x, y, 4, -1, fit, c, &mse), ErrOrderGeZero);
  EXPECT_EQ(PolynomialFitCore(x, y, 0, 1, fit, c, &mse), ErrSamplesGtZero);
}

namespace {
double Decay(double x, const double* c, int) { return c[0] * std::exp(-c[1] * x) + c[2]; }
double IgnoresSecond(double x, const double* c, int) { return c[0] * x; }
double Exponential(double x, const double* c, int) { return c[0] * std::exp(c[1] * x); }
}  // namespace

TEST(NonLinearFit, RecoversAKnownModel) {
  std::vector<double> x, y;
  for (int i = 0; i < 30; ++i) {
    x.push_back(i * 0.2);
    y.push_back(Decay(i * 0.2, std::vector<double>{2.5, 0.8, -0.3}.data(), 3));
  }
  for (bool bounded : {true, false}) {
    std::vector<double> c = {1.0, 0.5, 0.0}, fit(30);
    double mse = -1;
    const int code = bounded ? NonLinearFitBoundedCore(x.data(), y.data(), fit.data(), 30, 200,
                                                       Decay, c.data(), 3, &mse)
                             : NonLinearFitUnboundedCore(x.data(), y.data(), fit.data(), 30, Decay,
                                                         c.data(), 3, &mse);
    ASSERT_EQ(code, 0) << bounded;
    EXPECT_NEAR(c[0], 2.5, 1e-4) << bounded;
    EXPECT_NEAR(c[1], 0.8, 1e-4) << bounded;
    EXPECT_NEAR(c[2], -0.3, 1e-4) << bounded;
    EXPECT_LT(mse, 1e-8);
  }
}

TEST(NonLinearFit, LimitsAndRefusals) {
  const double x[] = {0, 1, 2, 3}, y[] = {1, 3, 5, 7};
  double fit[4], mse = -1;
  double c[2] = {0.5, 0.5};
  EXPECT_EQ(NonLinearFitBoundedCore(x, y, fit, 4, 0, Exponential, c, 2, &mse), ErrMaxIterations);
  EXPECT_EQ(c[0], 0.5);
  EXPECT_DOUBLE_EQ(fit[1], Exponential(1, c, 2));
  double d[2] = {1, 1};
  EXPECT_EQ(NonLinearFitUnboundedCore(x, y, fit, 4, IgnoresSecond, d, 2, &mse), ErrSingular);
  EXPECT_EQ(NonLinearFitUnboundedCore(x, y, fit, 0, IgnoresSecond, d, 2, &mse), ErrSamplesGtZero);
  EXPECT_EQ(NonLinearFitBoundedCore(x, y, fit, 4, 5, IgnoresSecond, d, 0, &mse), ErrSamplesGtZero);
  EXPECT_EQ(NonLinearFitBoundedCore(x, y, fit, 1, 5, IgnoresSecond, d, 2, &mse), ErrSizeOrder);
}
