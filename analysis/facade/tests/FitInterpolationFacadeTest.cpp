// Facade of FIR design, fits and interpolation: sizing, common lengths,
// facade-level refusals and the spline fill as the editor view runs it.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/facade/SgAnalysis.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "containers/CSgScalarVector.h"
#include "matrix/CSgScalarMatrix.h"

using facade_test::Call;
using facade_test::Of;
using facade_test::Values;
using facade_test::Vec;

namespace {
double Line(double x, const double* c, int) { return c[0] + c[1] * x; }
}  // namespace

TEST(FirFacade, SizesToTheTapsAndRefusesBadSelectorsFirst) {
  Vec taps = Of({7, 7});
  ASSERT_EQ(Call([&] { return SG::WindowFirLowPass(1000.0, 100.0, 31, taps, 3); }).returned, 0);
  EXPECT_EQ(taps.GetSize(), 31u);
  for (int bad : {0, 6}) {
    Vec kept = Of({7, 7});
    auto o = Call([&] { return SG::WindowFirLowPass(1000.0, 100.0, 31, kept, bad); });
    EXPECT_EQ(o.code, -20061);
    EXPECT_EQ(Values(kept), (std::vector<double>{7, 7}));
  }
  Vec kept = Of({7});
  EXPECT_EQ(Call([&] { return SG::KaiserFirLowPass(1000.0, 100.0, -4, kept, 3.0); }).code, -20021);
  EXPECT_EQ(Values(kept), (std::vector<double>{7}));
  double deviation = 0;
  auto o = Call([&] {
    return SG::EquirippleFir(Of({1, 0}), Of({1}), 1.0, Of({0, 0.1, 0.2, 0.5}), 31, kept, &deviation,
                             1, 2);
  });
  EXPECT_EQ(o.code, -20058);
  EXPECT_EQ(Values(kept), (std::vector<double>{7}));
  ASSERT_EQ(Call([&] {
              return SG::EquirippleFir(Of({1, 0}), Of({1, 1}), 1.0, Of({0, 0.1, 0.2, 0.5}), 31,
                                       taps, &deviation, 1, 2);
            }).returned,
            0);
  EXPECT_EQ(taps.GetSize(), 31u);
  ASSERT_EQ(Call([&] {
              return SG::EquirippleBandPass(1.0, 0.1, 0.15, 0.25, 0.3, 41, taps, &deviation);
            }).returned,
            0);
  ASSERT_EQ(Call([&] { return SG::IdealFir(1.0, 0.5, 0.0, 5, taps, 0); }).returned, 0);
  EXPECT_NEAR(taps[2], 1.0, 1e-15);
}

TEST(FitFacade, FitsOverTheCommonLength) {
  Vec x = Of({0, 1, 2, 3, 4, 100}), y = Of({1, 3, 5, 7, 9}), fitted;
  double slope = 0, intercept = 0, mse = -1;
  ASSERT_EQ(Call([&] { return SG::LinearFit(x, y, fitted, &slope, &intercept, &mse); }).returned,
            0);
  EXPECT_EQ(fitted.GetSize(), 5u);
  EXPECT_NEAR(slope, 2, 1e-12);
  EXPECT_NEAR(intercept, 1, 1e-12);
  Vec coefficients;
  ASSERT_EQ(Call([&] { return SG::PolynomialFit(x, y, fitted, coefficients, &mse, 2); }).returned,
            0);
  EXPECT_EQ(coefficients.GetSize(), 3u);
  EXPECT_NEAR(coefficients[1], 2, 1e-10);
  EXPECT_EQ(Call([&] { return SG::PolynomialFit(x, y, fitted, coefficients, &mse, -3); }).code,
            -20103);
  double amplitude = 0, damping = 0;
  EXPECT_EQ(Call([&] {
              return SG::ExponentialFit(x, Of({1, -1}), fitted, &amplitude, &damping, &mse);
            }).code,
            -20036);
  Vec start = Of({0.5, 0.5});
  ASSERT_EQ(Call([&] { return SG::NonlinearFit(x, y, Line, fitted, start, &mse, -1); }).returned,
            0);
  EXPECT_NEAR(start[1], 2, 1e-6);
  Vec limited = Of({0.5, 0.5});
  EXPECT_EQ(Call([&] { return SG::NonlinearFit(x, y, Line, fitted, limited, &mse, 0); }).code,
            -20062);
}

TEST(FitFacade, GeneralLeastSquaresThroughAMatrix) {
  const double basis[] = {1, 0, 1, 1, 1, 2, 1, 3};
  SG::CSgScalarMatrix<double> h(4, 2, basis), covariance;
  Vec y = Of({2, 5, 8, 11}), fitted, coefficients;
  double mse = -1;
  ASSERT_EQ(Call([&] {
              return SG::GeneralLeastSquaresFit(h, y, Vec(), fitted, coefficients, covariance, &mse,
                                                3);
            }).returned,
            0);
  EXPECT_NEAR(coefficients[0], 2, 1e-12);
  EXPECT_NEAR(coefficients[1], 3, 1e-12);
  EXPECT_EQ(covariance.GetRows(), 2u);
  // (H^T H)^-1 of this basis: [[0.7, -0.3], [-0.3, 0.2]].
  EXPECT_NEAR(covariance.GetData()[0], 0.7, 1e-12);
  EXPECT_NEAR(covariance.GetData()[3], 0.2, 1e-12);
  EXPECT_EQ(Call([&] {
              return SG::GeneralLeastSquaresFit(h, Of({1, 2}), Vec(), fitted, coefficients,
                                                covariance, &mse, 0);
            }).code,
            -20058);
  EXPECT_EQ(Call([&] {
              return SG::GeneralLeastSquaresFit(h, y, Of({1}), fitted, coefficients, covariance,
                                                &mse, 0);
            }).code,
            -20058);
}

TEST(InterpolationFacade, SplineFillAsTheViewRunsIt) {
  // Points placed at samples 0, 10, 25, 40; both end slopes 0.
  Vec x = Of({0, 10, 25, 40}), y = Of({0, 1, -1, 0.5}), second;
  ASSERT_EQ(Call([&] { return SG::SplineSecondDerivatives(x, y, 0.0, 0.0, second); }).returned, 0);
  ASSERT_EQ(second.GetSize(), 4u);
  std::vector<double> filled;
  for (int i = 0; i <= 40; ++i) {
    double v = 0;
    ASSERT_EQ(Call([&] { return SG::SplineInterpolate(x, y, second, i, &v); }).returned, 0);
    filled.push_back(v);
  }
  EXPECT_DOUBLE_EQ(filled[10], 1.0);
  EXPECT_DOUBLE_EQ(filled[25], -1.0);
  double nearStart = 0;  // horizontal start: the slope at 0 is 0
  ASSERT_EQ(Call([&] { return SG::SplineInterpolate(x, y, second, 1e-6, &nearStart); }).returned,
            0);
  EXPECT_NEAR(nearStart / 1e-6, 0.0, 1e-6);
  Vec empty;
  auto o = Call([&] { return SG::SplineSecondDerivatives(empty, y, 0.0, 0.0, second); });
  EXPECT_EQ(o.code, -20003);
  EXPECT_EQ(second.GetSize(), 0u);
  double v = 0;
  o = Call([&] { return SG::SplineInterpolate(Of({1, 1}), y, second, 1.0, &v); });
  EXPECT_EQ(o.code, -20003);  // second derivatives now empty: common length 0
  o = Call([&] { return SG::SplineInterpolate(Of({1, 1}), y, Of({0, 0}), 1.0, &v); });
  EXPECT_EQ(o.text, "Math Exception: x-values must be distinct.");
  double value = 0, error = 0;
  ASSERT_EQ(
      Call([&] {
        return SG::PolynomialInterpolate(Of({0, 1, 2}), Of({1, 3, 7, 99}), 1.5, &value, &error);
      }).returned,
      0);
  EXPECT_DOUBLE_EQ(value, 4.75);
  ASSERT_EQ(Call([&] {
              return SG::RationalInterpolate(Of({0, 1, 2}), Of({1, 3, 7}), 1.0, &value, &error);
            }).returned,
            0);
  EXPECT_EQ(value, 3);
}

TEST(InterpolationFacade, SplineValueIsTheSameWhateverTheInputVectorTypes) {
  // Double vectors are lent to the core directly; other element types go
  // through converted copies the proxies own and free (leaks and double
  // frees show under the sanitizers). The values agree to the bit.
  const std::vector<double> at = {0, 7, 19, 31, 40};
  const std::vector<double> heights = {0, 2, -1, 1.5, 0.25};
  Vec x = Of(at), y = Of(heights), second;
  ASSERT_EQ(Call([&] { return SG::SplineSecondDerivatives(x, y, 0.0, 0.0, second); }).returned, 0);
  SG::CSgScalarVector<int> xi(unsigned(at.size()));
  SG::CSgScalarVector<float> yf(unsigned(heights.size())), sf(second.GetSize());
  for (unsigned i = 0; i < at.size(); ++i) {
    xi[i] = int(at[i]);
    yf[i] = float(heights[i]);
    sf[i] = float(second[i]);
  }
  const Vec yRounded = Of({yf[0], yf[1], yf[2], yf[3], yf[4]});
  const Vec sRounded = Of({sf[0], sf[1], sf[2], sf[3], sf[4]});
  for (double p : {-3.0, 0.0, 5.5, 19.0, 33.25, 40.0, 44.0}) {
    double expected = 0, mixed = 0, converted = 0, rounded = 0;
    ASSERT_EQ(SG::SplineInterpolate(x, y, second, p, &expected), 0);
    ASSERT_EQ(SG::SplineInterpolate(xi, y, second, p, &mixed), 0);
    EXPECT_EQ(mixed, expected) << p;
    ASSERT_EQ(SG::SplineInterpolate(xi, yf, sf, p, &converted), 0);
    ASSERT_EQ(SG::SplineInterpolate(x, yRounded, sRounded, p, &rounded), 0);
    EXPECT_EQ(converted, rounded) << p;
  }
  EXPECT_EQ(xi[2], 19);  // inputs are left as they were
  EXPECT_EQ(yf[1], 2.0f);
}
