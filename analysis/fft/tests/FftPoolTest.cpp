#include "analysis/core/CoreLocks.h"
#include "analysis/fft/Fft.h"
#include "analysis/fft/FftPlan.h"
#include "analysis/fft/tests/FftTestUtil.h"

#include <gtest/gtest.h>

#include <thread>

using namespace SgCore;

TEST(FftPool, FourBlocksKeptExtraBlocksFreed) {
  std::vector<double*> blocks;
  for (int i = 0; i < 5; ++i) blocks.push_back(fft::FftWorkBlockAcquire());
  for (double* b : blocks) ASSERT_NE(b, nullptr);
  EXPECT_EQ(fft::FftWorkPoolFreeCountForTesting(), 0);
  for (double* b : blocks) fft::FftWorkBlockRelease(b);
  EXPECT_EQ(fft::FftWorkPoolFreeCountForTesting(), 4);
}

// First uses race on the pool's creation; every transform must still be right
// and the pool must end with its four blocks.
TEST(FftPool, ConcurrentTransformsShareThePool) {
  const int n = 3000;
  const auto re0 = fft_test::Random(n, 1), im0 = fft_test::Random(n, 2);
  auto wantRe = re0, wantIm = im0;
  std::vector<std::vector<double>> re(8, re0), im(8, im0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&, t] {
      for (int rep = 0; rep < 3; ++rep) {
        ASSERT_EQ(ComplexFftCore(re[t].data(), im[t].data(), n), 0);
        ASSERT_EQ(InverseComplexFftCore(re[t].data(), im[t].data(), n), 0);
      }
      ASSERT_EQ(ComplexFftCore(re[t].data(), im[t].data(), n), 0);
    });
  for (auto& t : threads) t.join();
  ASSERT_EQ(ComplexFftCore(wantRe.data(), wantIm.data(), n), 0);
  for (int t = 0; t < 8; ++t)
    for (int k = 0; k < n; ++k) ASSERT_NEAR(re[t][k], wantRe[k], 1e-11);
  EXPECT_EQ(fft::FftWorkPoolFreeCountForTesting(), 4);
  // The pool's lock and a later noise lock share one process mutex.
  EXPECT_EQ(InitNoiseLock(), 0);
  EXPECT_EQ(CoreMutexCreationCountForTesting(), 1);
}
