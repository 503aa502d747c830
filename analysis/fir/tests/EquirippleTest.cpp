// Equiripple designs against scipy.signal.remez (the designs and the first
// halves of their taps in RemezFixtures.h, written by make_remez_fixtures.py),
// their symmetry and ripple, and the argument checks.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"
#include "analysis/fir/tests/RemezFixtures.h"

using namespace SgCore;

namespace {

int TypeOf(const std::string& kind) {
  return kind == "Hilbert"          ? EquirippleHilbert
         : kind == "Differentiator" ? EquirippleDifferentiator
                                    : EquirippleMultiband;
}

double Magnitude(const std::vector<double>& h, double f) {
  double re = 0, im = 0;
  for (size_t i = 0; i < h.size(); ++i) {
    re += h[i] * std::cos(2 * std::numbers::pi * f * i);
    im -= h[i] * std::sin(2 * std::numbers::pi * f * i);
  }
  return std::hypot(re, im);
}

}  // namespace

TEST(Equiripple, MatchesScipyRemez) {
  for (const remez_fixtures::Reference& d : remez_fixtures::References()) {
    const int nbands = static_cast<int>(d.desired.size());
    const int type = TypeOf(d.kind);
    const std::vector<double> weights(nbands, 1.0);
    std::vector<double> h(d.taps, 99.0);
    double deviation = -1;
    ASSERT_EQ(EquirippleDesignCore(nbands, d.desired.data(), weights.data(), 1.0, d.edges.data(),
                                   type, d.taps, h.data(), &deviation),
              0)
        << d.name;
    for (size_t i = 0; i < d.firstHalf.size(); ++i)
      EXPECT_NEAR(h[i], d.firstHalf[i], 1e-7) << d.name << " tap " << i;
    const double sign = type == EquirippleMultiband ? 1.0 : -1.0;
    for (int i = 0; i < d.taps; ++i) EXPECT_DOUBLE_EQ(h[i], sign * h[d.taps - 1 - i]) << d.name;
    EXPECT_GT(deviation, 0.0);
    EXPECT_LT(deviation, 0.1);
  }
}

TEST(Equiripple, ReadyMadeFormsHaveTheirRipple) {
  std::vector<double> h(61);
  double dev = 0;
  ASSERT_EQ(EquirippleLowPassCore(1000, 100, 150, 61, h.data(), &dev), 0);
  for (double f : {0.0, 0.05, 0.1}) EXPECT_NEAR(Magnitude(h, f), 1.0, dev * 1.001) << f;
  for (double f : {0.15, 0.3, 0.5}) EXPECT_LE(Magnitude(h, f), dev * 1.001) << f;
  ASSERT_EQ(EquirippleBandStopCore(1000, 100, 150, 250, 300, 61, h.data(), &dev), 0);
  EXPECT_NEAR(Magnitude(h, 0.0), 1.0, dev * 1.001);
  EXPECT_LE(Magnitude(h, 0.2), dev * 1.001);
  ASSERT_EQ(EquirippleBandPassCore(1000, 100, 150, 250, 300, 60, h.data(), &dev), 0);
  ASSERT_EQ(EquirippleHighPassCore(1000, 200, 250, 61, h.data(), &dev), 0);
  EXPECT_NEAR(Magnitude(h, 0.5), 1.0, dev * 1.001);
}

TEST(Equiripple, Checks) {
  std::vector<double> h(64, 7.0);
  double dev = 7;
  const double w1[] = {1, 1}, d1[] = {1, 0};
  struct Row {
    const char* name;
    int code;
    int got;
  };
  auto design = [&](std::vector<double> edges, std::vector<double> desired,
                    std::vector<double> weights, int type, int n, double fs = 1.0) {
    return EquirippleDesignCore(static_cast<int>(desired.size()), desired.data(), weights.data(),
                                fs, edges.data(), type, n, h.data(), &dev);
  };
  const Row rows[] = {
      {"even high-pass first", ErrOddTaps, EquirippleHighPassCore(-1, 5, 1, 30, h.data(), &dev)},
      {"even band-stop first", ErrOddTaps,
       EquirippleBandStopCore(1, 0.1, 0.2, 0.3, 0.4, 30, h.data(), &dev)},
      {"two taps", ErrFilterDesign, EquirippleLowPassCore(1, 0.1, 0.2, 2, h.data(), &dev)},
      {"no bands", ErrSamplesGtZero,
       EquirippleDesignCore(0, d1, w1, 1, nullptr, 1, 11, h.data(), &dev)},
      {"fs 0", ErrBand, design({0, 0.1, 0.2, 0.5}, {1, 0}, {1, 1}, 1, 11, 0.0)},
      {"negative edge", ErrBand, design({-0.1, 0.1, 0.2, 0.5}, {1, 0}, {1, 1}, 1, 11)},
      {"zero weight", ErrBand, design({0, 0.1, 0.2, 0.5}, {1, 0}, {1, 0}, 1, 11)},
      {"negative desired", ErrBand, design({0, 0.1, 0.2, 0.5}, {1, -1}, {1, 1}, 1, 11)},
      {"past half fs", ErrCutoff, design({0, 0.1, 0.2, 0.6}, {1, 0}, {1, 1}, 1, 11)},
      {"edges not ascending", ErrBand, design({0, 0.2, 0.1, 0.5}, {1, 0}, {1, 1}, 1, 11)},
      {"type 1 not from 0", ErrFilterDesign, design({0.01, 0.1, 0.2, 0.5}, {1, 0}, {1, 1}, 1, 11)},
      {"type 1 ends 0.002 short", ErrFilterDesign,
       design({0, 100, 200, 498}, {1, 0}, {1, 1}, 1, 11, 1000.0)},
      {"type 1 ends 0.0005 short", ErrNone,
       design({0, 100, 200, 499.9995}, {1, 0}, {1, 1}, 1, 11, 1000.0)},
      {"type 1 even with last band passing", ErrOddTaps,
       design({0, 0.1, 0.2, 0.5}, {0, 1}, {1, 1}, 1, 12)},
      {"differentiator odd too close", ErrFilterDesign, design({0, 0.495}, {1}, {1}, 2, 11)},
      {"Hilbert from 0", ErrFilterDesign, design({0, 0.45}, {1}, {1}, 3, 11)},
  };
  for (const Row& r : rows) EXPECT_EQ(r.got, r.code) << r.name;
  // A refused design writes nothing.
  std::vector<double> untouched(11, 5.0);
  double d = 5;
  const double e[] = {0.01, 0.1, 0.2, 0.5};
  EquirippleDesignCore(2, d1, w1, 1, e, 1, 11, untouched.data(), &d);
  EXPECT_EQ(untouched, std::vector<double>(11, 5.0));
  EXPECT_EQ(d, 5);
}

TEST(SequenceRoutines, FillMultiplyZero) {
  double a[3] = {1, 2, 3}, b[3] = {2, 2, 2};
  ASSERT_EQ(ArrayMultiply(a, b, 3, a), 0);
  EXPECT_EQ(a[2], 6);
  ASSERT_EQ(ArrayFill(b, 3, 1.5), 0);
  EXPECT_EQ(b[1], 1.5);
  ASSERT_EQ(ArrayZero(b, 3), 0);
  EXPECT_EQ(b[0], 0);
  EXPECT_EQ(ArrayZero(b, 0), ErrSamplesGtZero);
  EXPECT_EQ(ArrayFill(b, -1, 0), ErrSamplesGtZero);
  EXPECT_EQ(ArrayMultiply(a, b, 0, a), ErrSamplesGtZero);
}
