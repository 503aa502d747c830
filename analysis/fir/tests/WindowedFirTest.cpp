// Window-method designs: ideal responses against their closed forms, window
// symmetry and defaults, and the argument checks in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"

using namespace SgCore;

TEST(IdealFir, ClosedForms) {
  std::vector<double> h(21);
  ASSERT_EQ(FirIdealLowPass(1000, 100, 21, h.data()), 0);
  for (int i = 0; i < 21; ++i) {
    const double t = i - 10;
    const double expected =
        t == 0 ? 0.2 : std::sin(0.2 * std::numbers::pi * t) / (std::numbers::pi * t);
    EXPECT_NEAR(h[i], expected, 1e-15) << i;
  }
  // fc = fs/2: a unit centre tap and zeros elsewhere.
  ASSERT_EQ(FirIdealLowPass(1000, 500, 21, h.data()), 0);
  for (int i = 0; i < 21; ++i) EXPECT_NEAR(h[i], i == 10 ? 1.0 : 0.0, 1e-15) << i;
  // Band-stop + band-pass = all-pass; high-pass + low-pass = all-pass.
  std::vector<double> bp(21), bs(21), hp(21), lp(21);
  ASSERT_EQ(FirIdealBandPass(1000, 100, 250, 21, bp.data()), 0);
  ASSERT_EQ(FirIdealBandStop(1000, 100, 250, 21, bs.data()), 0);
  ASSERT_EQ(FirIdealHighPass(1000, 100, 21, hp.data()), 0);
  ASSERT_EQ(FirIdealLowPass(1000, 100, 21, lp.data()), 0);
  for (int i = 0; i < 21; ++i) {
    EXPECT_NEAR(bp[i] + bs[i], i == 10 ? 1.0 : 0.0, 1e-15);
    EXPECT_NEAR(hp[i] + lp[i], i == 10 ? 1.0 : 0.0, 1e-15);
  }
  // Even length: symmetric, no centre tap.
  std::vector<double> even(8);
  ASSERT_EQ(FirIdealLowPass(1, 0.2, 8, even.data()), 0);
  for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(even[i], even[7 - i]);
}

TEST(IdealFir, ChecksInOrder) {
  std::vector<double> h(9, 3.0);
  struct Row {
    const char* name;
    int got, code;
  } rows[] = {
      {"kind 4", FirIdealResponse(4, 1000, 100, 200, 9, h.data()), ErrSelection},
      {"n 0", FirIdealResponse(0, 1000, 100, 0, 0, h.data()), ErrOrder},
      {"f above fs/2", FirIdealResponse(2, 1000, 100, 600, 9, h.data()), ErrCutoff},
      {"fs <= 0 through the response", FirIdealResponse(0, -1000, 100, 0, 9, h.data()), ErrCutoff},
      {"fc 0", FirIdealLowPass(1000, 0, 9, h.data()), ErrBand},
      {"even high-pass", FirIdealHighPass(1000, 100, 8, h.data()), ErrOddTaps},
      {"fl >= fh", FirIdealBandPass(1000, 200, 200, 9, h.data()), ErrBand},
      {"even band-stop", FirIdealBandStop(1000, 100, 200, 8, h.data()), ErrOddTaps},
      {"NaN fs", FirIdealLowPass(NAN, 100, 9, h.data()), ErrBand},
      {"windowed even high-pass", WindowedFirHighPassCore(1000, 100, 8, h.data(), 3), ErrOddTaps},
      {"windowed even band-stop", WindowedFirBandStopCore(1000, 100, 200, 8, h.data(), 3),
       ErrOddTaps},
  };
  for (const Row& r : rows) EXPECT_EQ(r.got, r.code) << r.name;
  EXPECT_EQ(h, std::vector<double>(9, 3.0));
}

TEST(WindowedFir, SelectorsAndDefaults) {
  std::vector<double> hamming(31), other(31), ideal(31);
  ASSERT_EQ(WindowedFirLowPassCore(1000, 100, 31, hamming.data(), 4), 0);
  for (int bad : {0, 6, -3}) {
    ASSERT_EQ(WindowedFirLowPassCore(1000, 100, 31, other.data(), bad), 0);
    EXPECT_EQ(other, hamming) << bad;
  }
  ASSERT_EQ(FirIdealLowPass(1000, 100, 31, ideal.data()), 0);
  ASSERT_EQ(WindowedFirLowPassCore(1000, 100, 31, other.data(), 1), 0);
  EXPECT_EQ(other, ideal);
  // The window is symmetric, so the taps stay symmetric; Hamming's ends 0.08.
  for (int i = 0; i < 31; ++i) EXPECT_NEAR(hamming[i], hamming[30 - i], 1e-17);
  EXPECT_NEAR(hamming[0], 0.08 * ideal[0], 1e-15);
  std::vector<double> kaiser(31), kaiserDefault(31);
  ASSERT_EQ(KaiserFirBandPassCore(1000, 100, 200, 31, kaiser.data(), 4.5), 0);
  ASSERT_EQ(KaiserFirBandPassCore(1000, 100, 200, 31, kaiserDefault.data(), -1), 0);
  EXPECT_EQ(kaiser, kaiserDefault);
  // One tap: the window routines see no samples; the tap is still written.
  double one = 0;
  EXPECT_EQ(WindowedFirLowPassCore(1000, 100, 1, &one, 3), ErrSamplesGtZero);
  EXPECT_NEAR(one, 0.2, 1e-15);
  EXPECT_EQ(WindowedFirLowPassCore(1000, 100, 1, &one, 1), 0);
}
