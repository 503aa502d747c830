#include "analysis/core/CoreLocks.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace SgCore;

TEST(CoreLocks, CreationFailureLeavesFlagClearAndLaterCallRetries) {
  CoreLock lock;
  std::atomic<int> created{0};
  SetCoreMutexCreationFailsForTesting(!CoreMutexExistsForTesting());
  if (!CoreMutexExistsForTesting()) {
    EXPECT_EQ(InitCoreLock(lock, &created), -1);
    EXPECT_EQ(created.load(), 0);
  }
  SetCoreMutexCreationFailsForTesting(false);
  EXPECT_EQ(InitCoreLock(lock, &created), 0);
  EXPECT_EQ(created.load(), 1);
  EnterCoreLock(lock);
  LeaveCoreLock(lock);
  DeleteCoreLock(lock);
}

TEST(CoreLocks, ManyThreadsCreateOneLockAndReuseTheMutex) {
  CoreLock lock;
  std::atomic<int> created{0};
  int counter = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&] {
      ASSERT_EQ(InitCoreLock(lock, &created), 0);
      for (int i = 0; i < 1000; ++i) {
        EnterCoreLock(lock);
        ++counter;
        LeaveCoreLock(lock);
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(counter, 8000);
  EXPECT_EQ(CoreMutexCreationCountForTesting(), 1);
  // A later lock reuses the process mutex instead of creating another.
  EXPECT_EQ(InitSpareLock(), 0);
  EXPECT_EQ(InitNoiseLock(), 0);
  EXPECT_EQ(CoreMutexCreationCountForTesting(), 1);
  DeleteCoreLock(lock);
}
