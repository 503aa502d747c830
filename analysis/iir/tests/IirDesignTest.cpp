// Recursive filter designs against scipy.signal's second-order sections
// (stored in IirFixtures.h) by impulse response, and the properties every
// filter keeps: linearity, in-place equals out-of-place, zero initial state,
// pass-band level, stability of narrow and low bands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <string>
#include <vector>

#include "analysis/iir/IirCascade.h"
#include "analysis/iir/IirDesign.h"
#include "analysis/iir/IirFilters.h"
#include "analysis/iir/tests/IirFixtures.h"

using namespace SgCore;
using iir_fixtures::Reference;

namespace {

iir::Request ToRequest(const Reference& r) {
  auto family = iir::Family::Butterworth;
  if (!std::strcmp(r.family, "Chebyshev")) family = iir::Family::Chebyshev;
  if (!std::strcmp(r.family, "InverseChebyshev")) family = iir::Family::InverseChebyshev;
  if (!std::strcmp(r.family, "Elliptic")) family = iir::Family::Elliptic;
  auto kind = iir::Kind::LowPass;
  if (!std::strcmp(r.kind, "HighPass")) kind = iir::Kind::HighPass;
  if (!std::strcmp(r.kind, "BandPass")) kind = iir::Kind::BandPass;
  if (!std::strcmp(r.kind, "BandStop")) kind = iir::Kind::BandStop;
  return {family, kind, r.fs, r.f1, r.f2, r.ripple, r.attenuation, r.order};
}

// The public routine of a request's family and kind.
int RunPublic(const iir::Request& q, const double* x, int n, double* y) {
  using F = iir::Family;
  using K = iir::Kind;
  const bool band = q.kind == K::BandPass || q.kind == K::BandStop;
  switch (q.family) {
    case F::Butterworth:
      if (!band)
        return (q.kind == K::LowPass ? ButterworthLowPassCore : ButterworthHighPassCore)(
            x, n, q.fs, q.f1, q.order, y);
      return (q.kind == K::BandPass ? ButterworthBandPassCore : ButterworthBandStopCore)(
          x, n, q.fs, q.f1, q.f2, q.order, y);
    case F::Chebyshev:
      if (!band)
        return (q.kind == K::LowPass ? ChebyshevLowPassCore : ChebyshevHighPassCore)(
            x, n, q.fs, q.f1, q.ripple, q.order, y);
      return (q.kind == K::BandPass ? ChebyshevBandPassCore : ChebyshevBandStopCore)(
          x, n, q.fs, q.f1, q.f2, q.ripple, q.order, y);
    case F::InverseChebyshev:
      if (!band)
        return (q.kind == K::LowPass ? InverseChebyshevLowPassCore : InverseChebyshevHighPassCore)(
            x, n, q.fs, q.f1, q.attenuation, q.order, y);
      return (q.kind == K::BandPass ? InverseChebyshevBandPassCore : InverseChebyshevBandStopCore)(
          x, n, q.fs, q.f1, q.f2, q.attenuation, q.order, y);
    case F::Elliptic:
      if (!band)
        return (q.kind == K::LowPass ? EllipticLowPassCore : EllipticHighPassCore)(
            x, n, q.fs, q.f1, q.ripple, q.attenuation, q.order, y);
      return (q.kind == K::BandPass ? EllipticBandPassCore : EllipticBandStopCore)(
          x, n, q.fs, q.f1, q.f2, q.ripple, q.attenuation, q.order, y);
  }
  return -1;
}

// Plain cascade of reference sections, one section over the whole sequence
// at a time, as written in the stored rows.
std::vector<double> ReferenceResponse(const std::vector<double>& sos, std::vector<double> x) {
  for (size_t s = 0; s + 6 <= sos.size(); s += 6) {
    const double* c = &sos[s];
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& v : x) {
      const double y = (c[0] * v + c[1] * x1 + c[2] * x2 - c[4] * y1 - c[5] * y2) / c[3];
      x2 = x1;
      x1 = v;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
  return x;
}

std::vector<double> Impulse(size_t n) {
  std::vector<double> x(n, 0.0);
  x[0] = 1.0;
  return x;
}

std::vector<double> Noise(size_t n, unsigned seed) {
  std::vector<double> x(n);
  for (double& v : x) {
    seed = seed * 1664525u + 1013904223u;
    v = static_cast<double>(seed >> 8) / (1 << 24) - 0.5;
  }
  return x;
}

}  // namespace

TEST(IirDesign, ImpulseResponsesMatchScipySections) {
  for (const Reference& ref : iir_fixtures::References()) {
    const size_t n = 4096;
    const std::vector<double> expected = ReferenceResponse(ref.sos, Impulse(n));
    std::vector<double> got(n);
    ASSERT_EQ(RunPublic(ToRequest(ref), Impulse(n).data(), static_cast<int>(n), got.data()), 0)
        << ref.name;
    double peak = 0, worst = 0;
    for (size_t i = 0; i < n; ++i) {
      peak = std::max(peak, std::fabs(expected[i]));
      worst = std::max(worst, std::fabs(expected[i] - got[i]));
    }
    // Poles within 1e-5 of the unit circle amplify coefficient rounding.
    const bool nearCircle = std::string(ref.name).find("_narrow") != std::string::npos ||
                            std::string(ref.name).find("_low") != std::string::npos;
    EXPECT_LT(worst / peak, nearCircle ? 1e-6 : 1e-9) << ref.name;
  }
}

TEST(IirDesign, EverySectionIsStableIncludingNarrowLowBands) {
  for (const Reference& ref : iir_fixtures::References()) {
    const iir::Design design(ToRequest(ref));
    int64_t sections = 0;
    for (int64_t i = 0; i < design.FactorCount(); ++i) {
      iir::Section s[2];
      const int n = design.FactorSections(i, s);
      sections += n;
      for (int j = 0; j < n; ++j) {
        // Stability triangle of a second-order denominator.
        EXPECT_LT(s[j].a2, 1.0) << ref.name;
        EXPECT_LT(std::fabs(s[j].a1), 1.0 + s[j].a2) << ref.name;
      }
    }
    EXPECT_EQ(sections * 6, static_cast<int64_t>(ref.sos.size())) << ref.name;
  }
}

TEST(IirDesign, NarrowLowBandDecaysOverALongRecord) {
  // Two hertz wide at ten hertz, sampled at one megahertz: the response
  // must ring down (time constant about 5e5 samples), not grow.
  const int n = 1 << 21;
  std::vector<double> y(n);
  ASSERT_EQ(ButterworthBandPassCore(Impulse(n).data(), n, 1e6, 10.0, 12.0, 5, y.data()), 0);
  double early = 0, late = 0;
  for (int i = 0; i < n / 4; ++i) early = std::max(early, std::fabs(y[i]));
  for (int i = n - n / 8; i < n; ++i) late = std::max(late, std::fabs(y[i]));
  EXPECT_TRUE(std::isfinite(early));
  EXPECT_LT(late, early * 0.1);
}

TEST(IirDesign, FilteringIsLinearAndInPlaceMatchesSeparateOutput) {
  for (const Reference& ref : iir_fixtures::References()) {
    const iir::Request q = ToRequest(ref);
    const int n = 3000;
    const std::vector<double> a = Noise(n, 1), b = Noise(n, 2);
    std::vector<double> mix(n), ya(n), yb(n), ymix(n);
    for (int i = 0; i < n; ++i) mix[i] = 2.5 * a[i] - 0.75 * b[i];
    const std::vector<double> aCopy = a;
    ASSERT_EQ(RunPublic(q, a.data(), n, ya.data()), 0);
    EXPECT_EQ(a, aCopy) << ref.name << ": input changed";
    RunPublic(q, b.data(), n, yb.data());
    RunPublic(q, mix.data(), n, ymix.data());
    double scale = 0, worst = 0;
    for (int i = 0; i < n; ++i) {
      scale = std::max(scale, std::fabs(ymix[i]));
      worst = std::max(worst, std::fabs(ymix[i] - (2.5 * ya[i] - 0.75 * yb[i])));
    }
    EXPECT_LT(worst, 1e-9 * std::max(scale, 1.0)) << ref.name;
    std::vector<double> inPlace = a;
    RunPublic(q, inPlace.data(), n, inPlace.data());
    EXPECT_EQ(inPlace, ya) << ref.name;
  }
}

TEST(IirDesign, FirstOutputIsInputTimesProductOfLeadingCoefficients) {
  for (const Reference& ref : iir_fixtures::References()) {
    const iir::Design design(ToRequest(ref));
    double product = 1.0;
    for (int64_t i = 0; i < design.FactorCount(); ++i) {
      iir::Section s[2];
      const int n = design.FactorSections(i, s);
      for (int j = 0; j < n; ++j) product *= s[j].b0;
    }
    double x[3] = {3.0, 0, 0}, y[3];
    RunPublic(ToRequest(ref), x, 3, y);
    EXPECT_DOUBLE_EQ(y[0], 3.0 * product) << ref.name;
  }
}

TEST(IirDesign, LowPassSettlesToThePassBandLevel) {
  struct Row {
    const char* name;
    int (*run)(const double*, int, double*);
    double level;
  };
  const double even = std::pow(10.0, -0.5 / 20.0);
  const Row rows[] = {
      {"Butterworth 1",
       [](const double* x, int n, double* y) {
         return ButterworthLowPassCore(x, n, 1000, 50, 1, y);
       },
       1.0},
      {"Butterworth 6",
       [](const double* x, int n, double* y) {
         return ButterworthLowPassCore(x, n, 1000, 50, 6, y);
       },
       1.0},
      {"Chebyshev 4",
       [](const double* x, int n, double* y) {
         return ChebyshevLowPassCore(x, n, 1000, 50, 0.5, 4, y);
       },
       even},
      {"Chebyshev 5",
       [](const double* x, int n, double* y) {
         return ChebyshevLowPassCore(x, n, 1000, 50, 0.5, 5, y);
       },
       1.0},
      {"Elliptic 4",
       [](const double* x, int n, double* y) {
         return EllipticLowPassCore(x, n, 1000, 50, 0.5, 40, 4, y);
       },
       even},
      {"Elliptic 3",
       [](const double* x, int n, double* y) {
         return EllipticLowPassCore(x, n, 1000, 50, 0.5, 40, 3, y);
       },
       1.0},
      {"Inverse Chebyshev 4",
       [](const double* x, int n, double* y) {
         return InverseChebyshevLowPassCore(x, n, 1000, 50, 40, 4, y);
       },
       1.0},
  };
  for (const Row& r : rows) {
    std::vector<double> x(4000, 2.0), y(4000);
    ASSERT_EQ(r.run(x.data(), 4000, y.data()), 0) << r.name;
    EXPECT_NEAR(y.back(), 2.0 * r.level, 1e-9) << r.name;
  }
}

TEST(IirDesign, FirstOrderChebyshevBandEqualsButterworthBand) {
  const std::vector<double> x = Noise(500, 7);
  for (double ripple : {0.1, 3.0}) {
    std::vector<double> cheb(500), butter(500);
    ChebyshevBandPassCore(x.data(), 500, 1000, 100, 200, ripple, 1, cheb.data());
    ButterworthBandPassCore(x.data(), 500, 1000, 100, 200, 1, butter.data());
    EXPECT_EQ(cheb, butter) << ripple;
    ChebyshevBandStopCore(x.data(), 500, 1000, 100, 200, ripple, 1, cheb.data());
    ButterworthBandStopCore(x.data(), 500, 1000, 100, 200, 1, butter.data());
    EXPECT_EQ(cheb, butter) << ripple;
  }
}

TEST(IirDesign, HighOrdersRunInSeveralPassesLikeOne) {
  // Order 24 band-pass: 24 sections, more than one pass holds.
  const std::vector<double> x = Noise(2000, 3);
  std::vector<double> fused(2000);
  ASSERT_EQ(ButterworthBandPassCore(x.data(), 2000, 1000, 100, 300, 12, fused.data()), 0);
  const iir::Design design(
      {iir::Family::Butterworth, iir::Kind::BandPass, 1000, 100, 300, 0, 0, 12});
  std::vector<double> single = x;
  for (int64_t i = 0; i < design.FactorCount(); ++i) {
    iir::Section s[2];
    const int n = design.FactorSections(i, s);
    for (int j = 0; j < n; ++j) iir::RunSections(single.data(), single.data(), 2000, &s[j], 1);
  }
  EXPECT_EQ(fused, single);
}

// An attenuation barely above the ripple at a high order puts the selectivity
// modulus within rounding of 1; its complement must survive, or the poles
// land on or outside the unit circle. The design then still keeps its ripple
// in the pass band and its attenuation beyond the edge. (Sharper still, the
// exact poles lie within rounding of the circle: not representable.)
TEST(IirDesign, SharpEllipticDesignsStayStableAndMeetTheirBands) {
  struct Row {
    iir::Kind kind;
    int order;
    double fc, ripple, attenuation;
  };
  const Row rows[] = {
      {iir::Kind::LowPass, 9, 427.864, 7.94854, 8.5351},
      {iir::Kind::LowPass, 13, 104.706, 0.663322, 1.24947},
      {iir::Kind::HighPass, 21, 299.677, 1.12997, 10.8462},
      {iir::Kind::HighPass, 23, 226.012, 0.0133476, 1.02676},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.order);
    const iir::Design design(
        {iir::Family::Elliptic, r.kind, 1000, r.fc, 0, r.ripple, r.attenuation, r.order});
    ASSERT_EQ(design.CheckFinite(), 0);
    std::vector<iir::Section> sections;
    for (int64_t i = 0; i < design.FactorCount(); ++i) {
      iir::Section s[2];
      const int n = design.FactorSections(i, s);
      sections.insert(sections.end(), s, s + n);
    }
    for (const iir::Section& s : sections) {
      EXPECT_LT(s.a2, 1.0);
      EXPECT_LT(std::fabs(s.a1), 1.0 + s.a2);
    }
    auto gainDb = [&](double f) {
      const std::complex<double> zi = std::polar(1.0, -2.0 * M_PI * f / 1000.0);
      std::complex<double> h = 1.0;
      for (const iir::Section& s : sections)
        h *= (s.b0 + s.b1 * zi + s.b2 * zi * zi) / (1.0 + s.a1 * zi + s.a2 * zi * zi);
      return 20.0 * std::log10(std::abs(h));
    };
    const bool low = r.kind == iir::Kind::LowPass;
    double passWorst = 0, stopWorst = -1e9;
    for (int i = 0; i <= 2000; ++i) {
      const double f = 500.0 * i / 2000;
      const bool pass = low ? f <= r.fc : f >= r.fc;
      const bool stop = low ? f >= 1.05 * r.fc : f <= 0.95 * r.fc;
      if (pass) passWorst = std::min(passWorst, gainDb(f));
      if (stop) stopWorst = std::max(stopWorst, gainDb(f));
    }
    EXPECT_GT(passWorst, -r.ripple - 1e-6);
    EXPECT_LT(stopWorst, -r.attenuation + 1e-6);
  }
}
