#include "analysis/facade/SgAnalysis.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "containers/CSgScalarVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using facade_test::Call;
using Vec = SG::CSgScalarVector<double>;

namespace {
Vec Of(std::vector<double> values) { return Vec(unsigned(values.size()), values.data()); }
std::vector<double> Values(const Vec& v) { return {v.GetData(), v.GetData() + v.GetSize()}; }
}  // namespace

TEST(FacadeShapes, PairTransformCutsToTheShorterVector) {
  Vec re = Of({1, 1, 1, 1, 1, 9, 9, 9}), im = Of({0, 0, 0, 0, 0});
  ASSERT_EQ(Call([&] { return SG::ComplexFft(re, im); }).returned, 0);
  ASSERT_EQ(re.GetSize(), 5u);
  ASSERT_EQ(im.GetSize(), 5u);
  EXPECT_NEAR(re[0], 5.0, 1e-14);
  for (unsigned k = 1; k < 5; ++k) EXPECT_NEAR(std::hypot(re[k], im[k]), 0.0, 1e-14);
  ASSERT_EQ(Call([&] { return SG::InverseComplexFft(re, im); }).returned, 0);
  EXPECT_NEAR(re[4], 1.0, 1e-15);
}

TEST(FacadeShapes, RealFftWithAnEmptyOutputKeepsItsInput) {
  Vec x = Of({1, 2, 3, 4}), im;
  ASSERT_EQ(Call([&] { return SG::RealFft(x, im); }).returned, 0);
  EXPECT_EQ(Values(x), (std::vector<double>{10, -2, -2, -2}));
  EXPECT_EQ(Values(im), (std::vector<double>{0, 2, 0, -2}));
  ASSERT_EQ(Call([&] { return SG::InverseRealFft(x, im); }).returned, 0);
  EXPECT_EQ(Values(x), (std::vector<double>{1, 2, 3, 4}));
}

TEST(FacadeShapes, SizedGenerators) {
  Vec v = Of({5, 5, 5});
  double phase = 0;
  // n = 0 empties the vector, then the core refuses it.
  auto o = Call([&] { return SG::SineWave(v, 0, &phase, 1, 0.1); });
  EXPECT_EQ(o.code, -20003);
  EXPECT_EQ(v.GetSize(), 0u);
  // n = 1 for a ramp: sized to one zero, then -20006.
  o = Call([&] { return SG::RampPattern(v, 1, 0, 1); });
  EXPECT_EQ(o.code, -20006);
  EXPECT_EQ(Values(v), (std::vector<double>{0}));
  // A negative count is refused before the vector is touched.
  v = Of({5, 5, 5});
  for (auto call : std::vector<std::function<int()>>{
           [&] { return SG::SineWave(v, -4, &phase, 1, 0.1); },
           [&] { return SG::RampPattern(v, -1, 0, 1); },
           [&] { return SG::GaussianNoise(v, -2147483647 - 1, 1, 1); },
           [&] { return SG::ArbitraryWave(v, -3, Of({1}), &phase, 1, 0.1, 0); }}) {
    o = Call(call);
    EXPECT_TRUE(o.threwMath);
    EXPECT_EQ(Values(v), (std::vector<double>{5, 5, 5}));
  }
  ASSERT_EQ(Call([&] { return SG::SineWave(v, 4, &phase, 2, 0.25); }).returned, 0);
  EXPECT_NEAR(v[1], 2.0, 1e-15);
  // Fill form: the vector keeps its count.
  ASSERT_EQ(Call([&] { return SG::PulsePattern(v, 3.0, 1, 2); }).returned, 0);
  EXPECT_EQ(Values(v), (std::vector<double>{0, 3, 3, 0}));
}

TEST(FacadeShapes, WindowsAndSpectraInPlace) {
  Vec v = Of({1, 1, 1, 1});
  ASSERT_EQ(Call([&] { return SG::HanningWindow(v); }).returned, 0);
  EXPECT_NEAR(v[1], 0.5, 1e-15);
  Vec empty;
  EXPECT_EQ(Call([&] { return SG::CosineTaperWindow(empty); }).code, -20003);
  Vec twelve(12, 1.0);
  EXPECT_EQ(Call([&] { return SG::HartleyTransform(twelve); }).code, -20009);
  EXPECT_EQ(twelve[0], 1.0);
  Vec e = Of({1, 1, 1});
  EXPECT_EQ(Call([&] { return SG::ExponentialWindow(e, 0.0); }).text, "Unknown math error.");
}

TEST(FacadeShapes, FloatInputsAreConvertedAndLeftUnchanged) {
  SG::CSgScalarVector<float> x(4, 1.0f), y(4, 2.0f), one(1, 1.0f);
  Vec re, im;
  ASSERT_EQ(Call([&] { return SG::CrossPowerSpectrum(x, y, re, im); }).returned, 0);
  EXPECT_EQ(re.GetSize(), 4u);
  EXPECT_NEAR(re[0], 2.0, 1e-15);  // conj(4) * 8 / 16
  EXPECT_EQ(x[0], 1.0f);
  EXPECT_EQ(Call([&] { return SG::CrossPowerSpectrum(one, y, re, im); }).code, -20006);

  Vec w = Of({2, 2, 2});
  SG::CSgScalarVector<float> a(1, 0.5f);
  ASSERT_EQ(Call([&] { return SG::GeneralCosineWindow(w, a); }).returned, 0);
  EXPECT_EQ(Values(w), (std::vector<double>{1, 1, 1}));
}
