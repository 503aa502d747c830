// Facade of the recursive filters: the two forms agree, sizing and proxies
// behave, refused calls throw with the library's text and keep the data.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/facade/SgAnalysis.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "containers/CSgScalarVector.h"

using facade_test::Call;
using facade_test::Of;
using facade_test::Values;
using facade_test::Vec;

namespace {
std::vector<double> Ramp(int n) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = std::sin(0.3 * i) + 0.01 * i;
  return v;
}
}  // namespace

TEST(FilterFacade, InPlaceAndSeparateOutputAgree) {
  const std::vector<double> samples = Ramp(200);
  Vec inPlace = Of(samples), input = Of(samples), output = Of({1, 2, 3});
  ASSERT_EQ(Call([&] {
              return SG::EllipticBandPass(inPlace, 1000.0, 50.0, 150.0, 0.1, 40.0, 5);
            }).returned,
            0);
  ASSERT_EQ(Call([&] {
              return SG::EllipticBandPass(input, output, 1000.0, 50.0, 150.0, 0.1, 40.0, 5);
            }).returned,
            0);
  EXPECT_EQ(Values(output), Values(inPlace));
  EXPECT_EQ(Values(input), samples);
  // The view's smoothing call.
  Vec smooth = Of(samples);
  ASSERT_EQ(Call([&] { return SG::ButterworthLowPass(smooth, 1000.0, 10.0, 5); }).returned, 0);
  EXPECT_NE(Values(smooth), samples);
}

TEST(FilterFacade, SameVectorAsInputAndOutputFiltersZeros) {
  Vec v = Of(Ramp(50));
  ASSERT_EQ(Call([&] { return SG::ChebyshevHighPass(v, v, 1000.0, 100.0, 0.1, 4); }).returned, 0);
  EXPECT_EQ(Values(v), std::vector<double>(50, 0.0));
}

TEST(FilterFacade, FloatInputIsConvertedAndLeftAlone) {
  SG::CSgScalarVector<float> input(4u, 1.5f);
  Vec output, reference = Of({1.5, 1.5, 1.5, 1.5});
  ASSERT_EQ(Call([&] { return SG::ButterworthHighPass(input, output, 1000.0, 100.0, 3); }).returned,
            0);
  ASSERT_EQ(Call([&] { return SG::ButterworthHighPass(reference, 1000.0, 100.0, 3); }).returned, 0);
  EXPECT_EQ(Values(output), Values(reference));
  EXPECT_EQ(input[0], 1.5f);
}

TEST(FilterFacade, RefusalsThrowWithTheirTextAndKeepTheData) {
  Vec v = Of({1, 2, 3});
  auto o = Call([&] { return SG::EllipticLowPass(v, 1000.0, 100.0, 3.0, 3.0, 4); });
  EXPECT_TRUE(o.threwMath);
  EXPECT_EQ(o.code, -20028);
  EXPECT_EQ(Values(v), (std::vector<double>{1, 2, 3}));
  Vec empty;
  o = Call([&] { return SG::ButterworthBandStop(empty, 1000.0, 10.0, 20.0, 2); });
  EXPECT_EQ(o.code, -20003);
  EXPECT_EQ(o.text, "Math Exception: Number of samples must be greater than zero.");
  // The separate-output form sizes its output before the core refuses.
  Vec out = Of({9});
  o = Call([&] { return SG::ButterworthLowPass(v, out, 1000.0, 600.0, 2); });
  EXPECT_EQ(o.code, -20020);
  EXPECT_EQ(Values(out), (std::vector<double>{0, 0, 0}));
}
