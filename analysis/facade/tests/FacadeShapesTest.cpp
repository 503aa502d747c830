#include "analysis/facade/SgAnalysis.h"
#include "analysis/facade/tests/FacadeTestUtil.h"
#include "analysis/fft/Fft.h"
#include "analysis/fir/FirDesign.h"
#include "analysis/generators/Generators.h"
#include "analysis/windows/Windows.h"
#include "containers/CSgScalarVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using facade_test::Call;
using facade_test::Of;
using facade_test::Values;
using facade_test::Vec;

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

// Every facade function of the window, generator, transform and FIR tables
// reaches its own core with its arguments in the core's order: the vector the
// facade fills equals the core's output for the same arguments, bit for bit.
namespace {
struct Route {
  const char* name;
  std::function<int(Vec&)> facade;
  std::function<int(std::vector<double>&)> core;
};

std::vector<double> Wiggle(int n) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = 1.0 + 0.25 * std::sin(0.7 * i) + 0.01 * i;
  return v;
}

void ExpectRoutes(const std::vector<Route>& routes, const std::vector<double>& start) {
  for (const Route& r : routes) {
    SCOPED_TRACE(r.name);
    Vec v = Of(start);
    std::vector<double> want = start;
    const int coreCode = r.core(want);
    ASSERT_EQ(coreCode, 0);
    ASSERT_EQ(Call([&] { return r.facade(v); }).returned, 0);
    EXPECT_EQ(Values(v), want);
  }
}
}  // namespace

TEST(FacadeRouting, WindowsAndInPlaceTransforms) {
  using namespace SgCore;
  const int n = 64;
  auto core = [](int (*f)(double*, int)) {
    return [f](std::vector<double>& x) { return f(x.data(), int(x.size())); };
  };
  const double flat[] = {0.3, 0.5, 0.2};
  const std::vector<Route> routes = {
      {"triangle", [](Vec& v) { return SG::TriangleWindow(v); }, core(TriangleWindowCore)},
      {"hanning", [](Vec& v) { return SG::HanningWindow(v); }, core(HanningWindowCore)},
      {"hamming", [](Vec& v) { return SG::HammingWindow(v); }, core(HammingWindowCore)},
      {"blackman", [](Vec& v) { return SG::BlackmanWindow(v); }, core(BlackmanWindowCore)},
      {"kaiser", [](Vec& v) { return SG::KaiserWindow(v, 4.86); },
       [](std::vector<double>& x) { return KaiserWindowCore(x.data(), int(x.size()), 4.86); }},
      {"blackman-harris", [](Vec& v) { return SG::BlackmanHarrisWindow(v); },
       core(BlackmanHarrisWindowCore)},
      {"exact blackman", [](Vec& v) { return SG::ExactBlackmanWindow(v); },
       core(ExactBlackmanWindowCore)},
      {"cosine taper", [](Vec& v) { return SG::CosineTaperWindow(v); },
       core(CosineTaperWindowCore)},
      {"general cosine",
       [&](Vec& v) {
         return SG::GeneralCosineWindow(v, Of({0.3, 0.5, 0.2}));
       },
       [&](std::vector<double>& x) {
         return GeneralCosineWindowCore(x.data(), int(x.size()), flat, 3);
       }},
      {"exponential", [](Vec& v) { return SG::ExponentialWindow(v, 0.2); },
       [](std::vector<double>& x) { return ExponentialWindowCore(x.data(), int(x.size()), 0.2); }},
      {"flat top", [](Vec& v) { return SG::FlatTopWindow(v); }, core(FlatTopWindowCore)},
      {"force", [](Vec& v) { return SG::ForceWindow(v, 37.5); },
       [](std::vector<double>& x) { return ForceWindowCore(x.data(), int(x.size()), 37.5); }},
      {"power spectrum", [](Vec& v) { return SG::PowerSpectrum(v); }, core(PowerSpectrumCore)},
      {"hartley", [](Vec& v) { return SG::HartleyTransform(v); }, core(HartleyTransformCore)},
      {"inverse hartley", [](Vec& v) { return SG::InverseHartleyTransform(v); },
       core(InverseHartleyTransformCore)},
      {"hilbert", [](Vec& v) { return SG::HilbertTransform(v); }, core(HilbertTransformCore)},
      {"inverse hilbert", [](Vec& v) { return SG::InverseHilbertTransform(v); },
       core(InverseHilbertTransformCore)},
  };
  ExpectRoutes(routes, Wiggle(n));
}

TEST(FacadeRouting, SizedAndFillGenerators) {
  using namespace SgCore;
  const int n = 40;
  // Each generator through its sized form on a vector of another length; the
  // fill form on a vector of n must give the same samples.
  struct Gen {
    const char* name;
    std::function<int(Vec&, int)> sized;
    std::function<int(Vec&)> fill;
    std::function<int(int, double*)> core;
  };
  const auto table = Of({0.0, 1.0, 0.5, -1.0});
  const double tab[] = {0.0, 1.0, 0.5, -1.0};
  // Phases start at 30 degrees for every form; the forms write them back.
  double p1 = 30, p2 = 30, p3 = 30;
  auto reset = [&] { p1 = p2 = p3 = 30; };
  const std::vector<Gen> gens = {
      {"impulse", [](Vec& v, int k) { return SG::ImpulsePattern(v, k, 2.5, 7); },
       [](Vec& v) { return SG::ImpulsePattern(v, 2.5, 7); },
       [](int k, double* o) { return ImpulsePatternCore(k, 2.5, 7, o); }},
      {"pulse", [](Vec& v, int k) { return SG::PulsePattern(v, k, 1.5, 3, 11); },
       [](Vec& v) { return SG::PulsePattern(v, 1.5, 3, 11); },
       [](int k, double* o) { return PulsePatternCore(k, 1.5, 3, 11, o); }},
      {"ramp", [](Vec& v, int k) { return SG::RampPattern(v, k, -2, 5); },
       [](Vec& v) { return SG::RampPattern(v, -2, 5); },
       [](int k, double* o) { return RampPatternCore(k, -2, 5, o); }},
      {"triangle pattern", [](Vec& v, int k) { return SG::TrianglePattern(v, k, 3); },
       [](Vec& v) { return SG::TrianglePattern(v, 3); },
       [](int k, double* o) { return TrianglePatternCore(k, 3, o); }},
      {"triangle wave", [&](Vec& v, int k) { return SG::TriangleWave(v, k, &p1, 2, 0.03); },
       [&](Vec& v) { return SG::TriangleWave(v, &p2, 2, 0.03); },
       [&](int k, double* o) { return TriangleWaveCore(k, 2, 0.03, &p3, o); }},
      {"sine pattern", [](Vec& v, int k) { return SG::SinePattern(v, k, 1.25); },
       [](Vec& v) { return SG::SinePattern(v, 1.25); },
       [](int k, double* o) { return SinePatternCore(k, 1.25, 0.0, 1.0, o); }},
      {"sine wave", [&](Vec& v, int k) { return SG::SineWave(v, k, &p1, 2, 0.03); },
       [&](Vec& v) { return SG::SineWave(v, &p2, 2, 0.03); },
       [&](int k, double* o) { return SineWaveCore(k, 2, 0.03, &p3, o); }},
      {"uniform random", [](Vec& v, int k) { return SG::UniformRandom(v, k, 77); },
       [](Vec& v) { return SG::UniformRandom(v, 77); },
       [](int k, double* o) { return UniformRandomCore(k, 77, o); }},
      {"uniform white noise", [](Vec& v, int k) { return SG::UniformWhiteNoise(v, k, 0.5, 78); },
       [](Vec& v) { return SG::UniformWhiteNoise(v, 0.5, 78); },
       [](int k, double* o) { return UniformWhiteNoiseCore(k, 0.5, 78, o); }},
      {"gaussian noise", [](Vec& v, int k) { return SG::GaussianNoise(v, k, 0.5, 79); },
       [](Vec& v) { return SG::GaussianNoise(v, 0.5, 79); },
       [](int k, double* o) { return GaussianNoiseCore(k, 0.5, 79, o); }},
      {"arbitrary wave",
       [&](Vec& v, int k) { return SG::ArbitraryWave(v, k, table, &p1, 2, 0.07, 1); },
       [&](Vec& v) { return SG::ArbitraryWave(v, table, &p2, 2, 0.07, 1); },
       [&](int k, double* o) { return ArbitraryWaveCore(k, 2, 0.07, &p3, tab, 4, 1, o); }},
      {"chirp", [](Vec& v, int k) { return SG::ChirpPattern(v, k, 1.5, 0.01, 0.2); },
       [](Vec& v) { return SG::ChirpPattern(v, 1.5, 0.01, 0.2); },
       [](int k, double* o) { return ChirpPatternCore(k, 1.5, 0.01, 0.2, o); }},
      {"sawtooth", [&](Vec& v, int k) { return SG::SawtoothWave(v, k, &p1, 2, 0.03); },
       [&](Vec& v) { return SG::SawtoothWave(v, &p2, 2, 0.03); },
       [&](int k, double* o) { return SawtoothWaveCore(k, 2, 0.03, &p3, o); }},
      {"sinc", [](Vec& v, int k) { return SG::SincPattern(v, k, 2, 1.5, 0.25); },
       [](Vec& v) { return SG::SincPattern(v, 2, 1.5, 0.25); },
       [](int k, double* o) { return SincPatternCore(k, 2, 1.5, 0.25, o); }},
      {"square", [&](Vec& v, int k) { return SG::SquareWave(v, k, &p1, 2, 0.03, 30); },
       [&](Vec& v) { return SG::SquareWave(v, &p2, 2, 0.03, 30); },
       [&](int k, double* o) { return SquareWaveCore(k, 2, 0.03, &p3, 30, o); }},
  };
  for (const Gen& g : gens) {
    SCOPED_TRACE(g.name);
    reset();
    std::vector<double> want(n);
    ASSERT_EQ(g.core(n, want.data()), 0);
    Vec sized = Of({9, 9, 9});
    ASSERT_EQ(Call([&] { return g.sized(sized, n); }).returned, 0);
    EXPECT_EQ(Values(sized), want);
    Vec filled(n, 9.0);
    ASSERT_EQ(Call([&] { return g.fill(filled); }).returned, 0);
    EXPECT_EQ(Values(filled), want);
    EXPECT_EQ(p1, p3);
    EXPECT_EQ(p2, p3);
  }
}

TEST(FacadeRouting, FirDesignsAreSizedToTheTaps) {
  using namespace SgCore;
  const int taps = 31;
  double devFacade = -1, devCore = -2;
  const std::vector<Route> routes = {
      {"window low-pass", [](Vec& v) { return SG::WindowFirLowPass(1000, 120, taps, v, 3); },
       [](std::vector<double>& o) { return WindowedFirLowPassCore(1000, 120, taps, o.data(), 3); }},
      {"window high-pass", [](Vec& v) { return SG::WindowFirHighPass(1000, 120, taps, v, 5); },
       [](std::vector<double>& o) {
         return WindowedFirHighPassCore(1000, 120, taps, o.data(), 5);
       }},
      {"window band-pass", [](Vec& v) { return SG::WindowFirBandPass(1000, 80, 240, taps, v, 2); },
       [](std::vector<double>& o) {
         return WindowedFirBandPassCore(1000, 80, 240, taps, o.data(), 2);
       }},
      {"window band-stop", [](Vec& v) { return SG::WindowFirBandStop(1000, 80, 240, taps, v, 4); },
       [](std::vector<double>& o) {
         return WindowedFirBandStopCore(1000, 80, 240, taps, o.data(), 4);
       }},
      {"kaiser low-pass", [](Vec& v) { return SG::KaiserFirLowPass(1000, 120, taps, v, 6.5); },
       [](std::vector<double>& o) { return KaiserFirLowPassCore(1000, 120, taps, o.data(), 6.5); }},
      {"kaiser high-pass", [](Vec& v) { return SG::KaiserFirHighPass(1000, 120, taps, v, 6.5); },
       [](std::vector<double>& o) {
         return KaiserFirHighPassCore(1000, 120, taps, o.data(), 6.5);
       }},
      {"kaiser band-pass",
       [](Vec& v) { return SG::KaiserFirBandPass(1000, 80, 240, taps, v, 6.5); },
       [](std::vector<double>& o) {
         return KaiserFirBandPassCore(1000, 80, 240, taps, o.data(), 6.5);
       }},
      {"kaiser band-stop",
       [](Vec& v) { return SG::KaiserFirBandStop(1000, 80, 240, taps, v, 6.5); },
       [](std::vector<double>& o) {
         return KaiserFirBandStopCore(1000, 80, 240, taps, o.data(), 6.5);
       }},
      {"equiripple low-pass",
       [&](Vec& v) { return SG::EquirippleLowPass(1000, 100, 180, taps, v, &devFacade); },
       [&](std::vector<double>& o) {
         return EquirippleLowPassCore(1000, 100, 180, taps, o.data(), &devCore);
       }},
      {"equiripple high-pass",
       [&](Vec& v) { return SG::EquirippleHighPass(1000, 100, 180, taps, v, &devFacade); },
       [&](std::vector<double>& o) {
         return EquirippleHighPassCore(1000, 100, 180, taps, o.data(), &devCore);
       }},
      {"equiripple band-pass",
       [&](Vec& v) { return SG::EquirippleBandPass(1000, 60, 130, 260, 330, taps, v, &devFacade); },
       [&](std::vector<double>& o) {
         return EquirippleBandPassCore(1000, 60, 130, 260, 330, taps, o.data(), &devCore);
       }},
      {"equiripple band-stop",
       [&](Vec& v) { return SG::EquirippleBandStop(1000, 60, 130, 260, 330, taps, v, &devFacade); },
       [&](std::vector<double>& o) {
         return EquirippleBandStopCore(1000, 60, 130, 260, 330, taps, o.data(), &devCore);
       }},
      {"ideal band-stop", [](Vec& v) { return SG::IdealFir(1000, 80, 240, taps, v, 3); },
       [](std::vector<double>& o) { return FirIdealResponse(3, 1000, 80, 240, taps, o.data()); }},
  };
  // The coefficient vector starts at another length: the facade sizes it.
  for (const Route& r : routes) {
    SCOPED_TRACE(r.name);
    std::vector<double> want(taps);
    ASSERT_EQ(r.core(want), 0);
    Vec v = Of({7, 7});
    ASSERT_EQ(Call([&] { return r.facade(v); }).returned, 0);
    EXPECT_EQ(Values(v), want);
    if (std::string(r.name).rfind("equiripple", 0) == 0) {
      EXPECT_EQ(devFacade, devCore);
    }
  }
}
