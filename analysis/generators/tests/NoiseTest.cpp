#include "analysis/core/CoreErrors.h"
#include "analysis/core/CoreLocks.h"
#include "analysis/generators/Generators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <thread>
#include <vector>

using namespace SgCore;

// Each test runs in its own process (one CTest entry per test), so the first
// draw here sees the state of a fresh process.
TEST(Noise, FirstDrawOfAFreshProcess) { EXPECT_EQ(RandomDraw(), 21468); }

TEST(Noise, SeedOneGivesTheDocumentedFirstDraw) {
  RandomSeed(1);
  EXPECT_EQ(RandomDraw(), 16294);
  std::vector<double> a(5), b(5);
  ASSERT_EQ(UniformRandomCore(5, 1, a.data()), 0);
  EXPECT_DOUBLE_EQ(a[0], 16294 * 3.051850947599719e-05);
  // A seed of 0 continues the sequence instead of restarting it.
  ASSERT_EQ(UniformRandomCore(5, 0, b.data()), 0);
  EXPECT_NE(a, b);
}

TEST(Noise, SameSeedSameSamplesAndSensibleStatistics) {
  const int n = 200000;
  std::vector<double> a(n), b(n), u(n);
  ASSERT_EQ(GaussianNoiseCore(n, 2.0, 7, a.data()), 0);
  ASSERT_EQ(GaussianNoiseCore(n, 2.0, 7, b.data()), 0);
  EXPECT_EQ(a, b);
  const double mean = std::accumulate(a.begin(), a.end(), 0.0) / n;
  double var = 0;
  for (double v : a) var += (v - mean) * (v - mean);
  EXPECT_NEAR(mean, 0.0, 0.02);
  EXPECT_NEAR(std::sqrt(var / n), 2.0, 0.02);

  ASSERT_EQ(UniformWhiteNoiseCore(n, 3.0, 9, u.data()), 0);
  for (double v : u) ASSERT_TRUE(v >= -3.0 * 16383 / 16384 && v <= 3.0);
}

TEST(Noise, NoiseLockFailureIsReportedAndWritesNothing) {
  // Only a process that has not created its locks yet can fail to.
  if (CoreMutexExistsForTesting()) GTEST_SKIP() << "the locks already exist in this process";
  SetCoreMutexCreationFailsForTesting(true);
  std::vector<double> out(3, 4.0);
  EXPECT_EQ(GaussianNoiseCore(3, 1, 1, out.data()), ErrNoiseInit);
  EXPECT_EQ(UniformWhiteNoiseCore(3, 1, 1, out.data()), ErrNoiseInit);
  EXPECT_EQ(out, std::vector<double>(3, 4.0));
  SetCoreMutexCreationFailsForTesting(false);
  EXPECT_EQ(GaussianNoiseCore(3, 1, 1, out.data()), 0);
}

TEST(Noise, ConcurrentFirstCallsCreateOneLockAndNeverInterleave) {
  // Each seeded call holds the lock from reseeding to its last draw, so every
  // thread gets exactly the single-threaded sequence.
  const int n = 5000;
  std::vector<double> reference(n);
  std::vector<std::vector<double>> results(6, std::vector<double>(n));
  std::vector<std::thread> threads;
  for (auto& r : results)
    threads.emplace_back([&r] { ASSERT_EQ(GaussianNoiseCore(n, 1.0, 42, r.data()), 0); });
  for (auto& t : threads) t.join();
  ASSERT_EQ(GaussianNoiseCore(n, 1.0, 42, reference.data()), 0);
  for (const auto& r : results) EXPECT_EQ(r, reference);
  EXPECT_EQ(CoreMutexCreationCountForTesting(), 1);
}
