#include "analysis/fft/Fft.h"
#include "analysis/fft/TransformPlan.h"
#include "analysis/fft/tests/FftTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace SgCore;

// A kept plan must give the bits a fresh one gives, on every path (direct,
// four steps, chirp-z), and its scratch must not leak one call's data into
// the next.
TEST(FftPlanCache, RepeatedLengthsGiveTheSameBits) {
  for (int n : {48, 4096, 131072, 1009}) {
    const auto re0 = fft_test::Random(n, 5), im0 = fft_test::Random(n, 6);
    auto re1 = re0, im1 = im0;
    ASSERT_EQ(ComplexFftCore(re1.data(), im1.data(), n), 0);
    std::vector<double> other(n, 9.0), otherIm(n, -3.0);
    ASSERT_EQ(ComplexFftCore(other.data(), otherIm.data(), n), 0);
    auto re2 = re0, im2 = im0;
    ASSERT_EQ(ComplexFftCore(re2.data(), im2.data(), n), 0);
    EXPECT_EQ(re1, re2) << n;
    EXPECT_EQ(im1, im2) << n;
  }
}

TEST(FftPlanCache, KeepsTheLatestFewLengthsOnce) {
  for (int round = 0; round < 2; ++round)
    for (int n = 100; n < 120; ++n) {
      std::vector<double> re(n, 1.0), im(n, 0.0);
      ASSERT_EQ(ComplexFftCore(re.data(), im.data(), n), 0);
    }
  const auto lengths = fft::CachedPlanLengthsForTesting();
  ASSERT_FALSE(lengths.empty());
  EXPECT_LE(lengths.size(), 8u);
  EXPECT_EQ(lengths.front(), 119);  // the newest first
  auto sorted = lengths;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "one plan a length";
}

// Two threads on one length: one works in the kept scratch, the other in its
// own arrays; both results are right.
TEST(FftPlanCache, ConcurrentCallsOfOneLength) {
  const int n = 4096;
  const auto re0 = fft_test::Random(n, 7), im0 = fft_test::Random(n, 8);
  auto wantRe = re0, wantIm = im0;
  ASSERT_EQ(ComplexFftCore(wantRe.data(), wantIm.data(), n), 0);
  std::vector<std::vector<double>> re(4), im(4);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int rep = 0; rep < 50; ++rep) {
        re[t] = re0;
        im[t] = im0;
        ASSERT_EQ(ComplexFftCore(re[t].data(), im[t].data(), n), 0);
      }
    });
  for (auto& t : threads) t.join();
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(re[t], wantRe);
    EXPECT_EQ(im[t], wantIm);
  }
}
