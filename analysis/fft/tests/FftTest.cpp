#include "analysis/core/CoreErrors.h"
#include "analysis/core/CoreLocks.h"
#include "analysis/fft/Fft.h"
#include "analysis/fft/FftPlan.h"
#include "analysis/fft/LaneFft.h"
#include "analysis/fft/tests/FftTestUtil.h"

#include <gtest/gtest.h>

using namespace SgCore;
using namespace fft_test;

TEST(FftFactorize, PassOrder) {
  struct Row {
    int n;
    std::vector<int> passes;
  };
  for (const Row& r : {Row{16, {4, 4}}, Row{48, {4, 3, 4}}, Row{1000, {10, 10, 10}},
                       Row{30, {3, 10}}, Row{128, {4, 4, 8}}, Row{112, {7, 4, 4}},
                       Row{2002, {13, 11, 7, 2}}, Row{998, {499, 2}}, Row{1009, {1009}}})
    EXPECT_EQ(fft::FftFactorize(r.n), r.passes) << r.n;
  EXPECT_EQ(fft::FloorLog2(1), 0);
  EXPECT_EQ(fft::FloorLog2(0), -1);
  EXPECT_EQ(fft::FloorLog2(1009), 9);
  EXPECT_EQ(fft::ChirpLength(1009), 2048);
  EXPECT_EQ(fft::ChirpLength(1000003), 2097152);
  EXPECT_EQ(fft::ChirpLength(536870913), 2147483648LL);  // 2^29 + 1: past INT_MAX
  EXPECT_EQ(fft::ChirpLength(2147483647), 4294967296LL);
}

// Every algorithm path: built-in radices, the general odd radix, the largest
// engine factor, composite lengths around 999, and the chirp-z path; the
// engine's passes four butterflies at a time and, where the CPU has AVX-512,
// eight.
TEST(ComplexFft, MatchesDirectDftOverAllPaths) {
  std::vector<int> lengths;
  for (int n = 1; n <= 64; ++n) lengths.push_back(n);
  for (int n : {100, 112, 121, 240, 343, 997, 998, 999, 1000, 1009, 1998, 2002, 2048})
    lengths.push_back(n);
  for (bool wide : {false, true}) {
    fft::AllowWideLanesForTesting(wide);
    for (int n : lengths) {
      auto re = Random(n, n), im = Random(n, n + 7);
      const auto want = NaiveDft(re, im);
      ASSERT_EQ(ComplexFftCore(re.data(), im.data(), n), 0);
      EXPECT_LT(RelativeError(re, im, want), 2e-15 * std::log2(n + 1) + 1e-15)
          << "n " << n << (wide ? " wide" : " narrow");
    }
  }
}

TEST(ComplexFft, OnesAndRoundTrip) {
  std::vector<double> re(12, 1.0), im(12, 0.0);
  ASSERT_EQ(ComplexFftCore(re.data(), im.data(), 12), 0);
  EXPECT_NEAR(re[0], 12.0, 1e-14);
  for (int k = 1; k < 12; ++k) EXPECT_NEAR(std::hypot(re[k], im[k]), 0.0, 1e-14);
  ASSERT_EQ(InverseComplexFftCore(re.data(), im.data(), 12), 0);
  for (int k = 0; k < 12; ++k) EXPECT_NEAR(re[k], 1.0, 1e-15);

  for (int n : {65536, 65537, 60000}) {
    const auto re0 = Random(n, 1), im0 = Random(n, 2);
    auto r = re0, i = im0;
    ASSERT_EQ(ComplexFftCore(r.data(), i.data(), n), 0);
    ASSERT_EQ(InverseComplexFftCore(r.data(), i.data(), n), 0);
    double err = 0, scale = 0;
    for (int k = 0; k < n; ++k) {
      err = std::max(err, std::hypot(r[k] - re0[k], i[k] - im0[k]));
      scale = std::max(scale, std::hypot(re0[k], im0[k]));
    }
    EXPECT_LT(err / scale, 1e-12) << n;
  }
}

// Past j = 46,341 the chirp's j^2 no longer fits 32 bits.
TEST(ComplexFft, ChirpPathBeyondThirtyTwoBitSquares) {
  const int n = 46349;  // prime
  auto re = Random(n, 3), im = Random(n, 4);
  const auto re0 = re, im0 = im;
  ASSERT_EQ(ComplexFftCore(re.data(), im.data(), n), 0);
  long double scale = 0;
  for (int j = 0; j < n; ++j) scale += std::abs(Cx(re0[j], im0[j]));
  const auto roots = Roots(n);
  for (int k : {1, 46340, 46341, 46348}) {
    const Cx sum = DftBin(re0, im0, roots, k);
    EXPECT_LT(double(std::abs(Cx(re[k], im[k]) - sum) / scale), 1e-14) << k;
  }
}

TEST(ComplexFft, RefusalsAndFailuresLeaveDataUnchanged) {
  std::vector<double> re = {1, 2, 3}, im = {4, 5, 6};
  EXPECT_EQ(ComplexFftCore(re.data(), im.data(), 0), ErrSamplesGtZero);
  EXPECT_EQ(InverseComplexFftCore(re.data(), im.data(), -1), ErrSamplesGtZero);
  EXPECT_EQ(RealFftCore(re.data(), im.data(), 0), ErrSamplesGtZero);
  EXPECT_EQ(InverseRealFftCore(re.data(), im.data(), 0), ErrSamplesGtZero);
  // Without a pool lock no work block is available: the inverse fails with
  // -20001 and leaves the data neither scaled nor conjugated. CTest runs each
  // test in a fresh process, where the pool does not exist yet.
  if (CoreMutexExistsForTesting()) GTEST_SKIP() << "the pool already exists in this process";
  SetCoreMutexCreationFailsForTesting(true);
  EXPECT_EQ(InverseComplexFftCore(re.data(), im.data(), 3), ErrOutOfMemory);
  EXPECT_EQ(ComplexFftCore(re.data(), im.data(), 3), ErrOutOfMemory);
  EXPECT_EQ(re, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(im, (std::vector<double>{4, 5, 6}));
  SetCoreMutexCreationFailsForTesting(false);
  EXPECT_EQ(InverseComplexFftCore(re.data(), im.data(), 3), 0);
}

TEST(RealFft, AllBinsAndInverseAtEveryPathLength) {
  for (int n : {1, 2, 4, 8, 64, 1024, 3, 12, 60, 1009}) {
    const auto x0 = Random(n, n);
    auto x = x0;
    std::vector<double> im(n, 7.0);
    ASSERT_EQ(RealFftCore(x.data(), im.data(), n), 0);
    const auto want = NaiveDft(x0, std::vector<double>(n, 0.0));
    EXPECT_LT(RelativeError(x, im, want), 1e-14) << n;
    ASSERT_EQ(InverseRealFftCore(x.data(), im.data(), n), 0);
    for (int k = 0; k < n; ++k) EXPECT_NEAR(x[k], x0[k], 1e-14) << n << " " << k;
  }
}

// Lengths above 65,536 run as four steps over a split n1 x n2; spot bins
// against direct sums, for power-of-two, radix-3, radix-10 and odd-prime splits.
TEST(ComplexFft, FourStepLengthsMatchDirectBins) {
  for (int n : {131072, 177147, 163840, 127616}) {  // the last: 128 x 997
    auto re = Random(n, 11), im = Random(n, 12);
    const auto re0 = re, im0 = im;
    ASSERT_EQ(ComplexFftCore(re.data(), im.data(), n), 0);
    long double scale = 0;
    for (int j = 0; j < n; ++j) scale += std::norm(Cx(re0[j], im0[j]));
    scale = std::sqrt(scale);  // the L2 norm, which bounds every bin
    const auto roots = Roots(n);
    for (size_t k : {size_t(0), size_t(1), size_t(4097), size_t(n / 3), size_t(n - 1)}) {
      const Cx sum = DftBin(re0, im0, roots, k);
      EXPECT_LT(double(std::abs(Cx(re[k], im[k]) - sum) / scale), 1e-14) << n << " bin " << k;
    }
  }
}

// Long real data runs its half-length transform as four steps.
TEST(RealFft, LongPowerOfTwoAgreesWithTheComplexTransform) {
  const int n = 1 << 18;
  const auto x0 = Random(n, 21);
  auto x = x0, re = x0;
  std::vector<double> im(n), zero(n, 0.0);
  ASSERT_EQ(RealFftCore(x.data(), im.data(), n), 0);
  ASSERT_EQ(ComplexFftCore(re.data(), zero.data(), n), 0);
  double err = 0, scale = 0;
  for (int k = 0; k < n; ++k) {
    err = std::max(err, std::hypot(x[k] - re[k], im[k] - zero[k]));
    scale = std::max(scale, std::hypot(re[k], zero[k]));
  }
  EXPECT_LT(err / scale, 1e-13);
  ASSERT_EQ(InverseRealFftCore(x.data(), im.data(), n), 0);
  for (int k = 0; k < n; k += 997) EXPECT_NEAR(x[k], x0[k], 1e-13) << k;
}

// Primes whose n - 1 has only the built-in radices go by Rader's algorithm,
// other primes by the chirp-z transform over a smooth length; lengths from
// 65,536 on by the lane four steps (16 x 4096 sits at the split's edge).
TEST(ComplexFft, RaderChirpAndLaneLengthsMatchDirectBins) {
  for (int n : {1201, 3001, 10007, 65537, 65536, 3 * 65536, 1000000}) {
    auto re = Random(n, 31), im = Random(n, 32);
    const auto re0 = re, im0 = im;
    ASSERT_EQ(ComplexFftCore(re.data(), im.data(), n), 0);
    long double scale = 0;
    for (int j = 0; j < n; ++j) scale += std::norm(Cx(re0[j], im0[j]));
    scale = std::sqrt(scale);
    const auto roots = Roots(n);
    for (size_t k :
         {size_t(0), size_t(1), size_t(2), size_t(n / 2), size_t(n / 3 + 1), size_t(n - 1)}) {
      const Cx sum = DftBin(re0, im0, roots, k);
      EXPECT_LT(double(std::abs(Cx(re[k], im[k]) - sum) / scale), 1e-14) << n << " bin " << k;
    }
    ASSERT_EQ(InverseComplexFftCore(re.data(), im.data(), n), 0);
    double err = 0;
    for (int j = 0; j < n; ++j) err = std::max(err, std::hypot(re[j] - re0[j], im[j] - im0[j]));
    EXPECT_LT(err, 1e-13) << n;
  }
}

// Short lengths whose gather does the first pass (160, 480, 2048) or the
// first two radix-4 passes (160, 1024) on vectors.
TEST(ComplexFft, ShortLengthsThroughTheVectorGathersMatchDirectDft) {
  for (int n : {160, 480, 1024, 2048}) {
    auto re = Random(n, n + 1), im = Random(n, n + 2);
    const auto want = NaiveDft(re, im);
    ASSERT_EQ(ComplexFftCore(re.data(), im.data(), n), 0);
    EXPECT_LT(RelativeError(re, im, want), 2e-15 * std::log2(n + 1) + 1e-15) << "n " << n;
  }
}

// The lane four steps on four lanes and, where the CPU has AVX-512, on
// eight (which serve lengths from 4,096 there, square splits in place):
// both against direct bins, over power-of-two, radix-3 and radix-5 splits.
TEST(ComplexFft, LaneFourStepsOnFourAndEightLanesMatchDirectBins) {
  for (bool wide : {false, true}) {
    fft::AllowWideLanesForTesting(wide);
    for (int n : {65536, 196608, 96000, 4096, 48000, 6400, 160000}) {
      const fft::Index n1 = fft::LaneFourStep::Split(n);
      ASSERT_GT(n1, 0) << n;
      const fft::LaneFourStep plan(n, n1);
      std::vector<double> tr(n), ti(n), buffers(4 * 8 * plan.BufferLength());
      double* b = buffers.data();
      const fft::Index len = 8 * plan.BufferLength();
      auto re = Random(n, 41), im = Random(n, 42);
      const auto re0 = re, im0 = im;
      plan.Run(re.data(), im.data(), 0.5, tr.data(), ti.data(), b, b + len, b + 2 * len,
               b + 3 * len);
      long double scale = 0;
      for (int j = 0; j < n; ++j) scale += std::norm(Cx(re0[j], im0[j]));
      scale = std::sqrt(scale);
      const auto roots = Roots(n);
      // Bins 0-9 meet every lane of a row band; the rest, other bands.
      std::vector<size_t> bins = {size_t(n / 2 + 9), size_t(n / 3 + 5), size_t(n - 6)};
      for (size_t k = 0; k < 10; ++k) bins.push_back(k);
      for (size_t k : bins) {
        const Cx sum = DftBin(re0, im0, roots, k) * 0.5L;
        EXPECT_LT(double(std::abs(Cx(re[k], im[k]) - sum) / scale), 1e-14)
            << n << (wide ? " wide" : " narrow") << " bin " << k;
      }
    }
  }
  fft::AllowWideLanesForTesting(true);
}
