#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/win/HResult.h"
#include "platform/win/Interlocked.h"
#include "platform/win/LastError.h"
#include "platform/win/Sync.h"
#include "platform/win/Thread.h"

TEST(Thread, IdsAreNonZeroAndDifferPerThread) {
  const DWORD mine = GetCurrentThreadId();
  EXPECT_NE(mine, 0u);
  EXPECT_EQ(GetCurrentThreadId(), mine);
  DWORD other = 0;
  std::thread([&] { other = GetCurrentThreadId(); }).join();
  EXPECT_NE(other, 0u);
  EXPECT_NE(other, mine);
  EXPECT_NE(GetCurrentProcessId(), 0u);
}

TEST(CriticalSection, IsRecursiveAndExcludesOtherThreads) {
  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  EnterCriticalSection(&section);
  EnterCriticalSection(&section);  // the owner may enter again
  BOOL otherGotIn = TRUE;
  std::thread([&] { otherGotIn = TryEnterCriticalSection(&section); }).join();
  EXPECT_FALSE(otherGotIn);
  LeaveCriticalSection(&section);
  LeaveCriticalSection(&section);
  std::thread([&] {
    otherGotIn = TryEnterCriticalSection(&section);
    if (otherGotIn) LeaveCriticalSection(&section);
  }).join();
  EXPECT_TRUE(otherGotIn);
  DeleteCriticalSection(&section);
}

TEST(CriticalSection, SerialisesCounting) {
  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  int counter = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 1000; ++i) {
        EnterCriticalSection(&section);
        ++counter;
        LeaveCriticalSection(&section);
      }
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(counter, 4000);
  DeleteCriticalSection(&section);
}

TEST(Mutex, UnnamedMutexesAreDistinctAndClose) {
  HANDLE a = CreateMutexA(nullptr, FALSE, nullptr);
  HANDLE b = CreateMutexA(nullptr, FALSE, nullptr);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_NE(a, b);
  EXPECT_TRUE(CloseHandle(a));
  EXPECT_FALSE(CloseHandle(a));  // already closed
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_TRUE(CloseHandle(b));
  EXPECT_FALSE(CloseHandle(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Mutex, NamedMutexIsSharedWithinTheProcess) {
  const std::string name = "Pelmoran test mutex " + std::to_string(GetCurrentProcessId());
  HANDLE first = CreateMutexA(nullptr, FALSE, name.c_str());
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  HANDLE second = CreateMutexA(nullptr, FALSE, name.c_str());
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  ASSERT_NE(first, second);

  // Held through one handle, the other thread cannot take it through the other.
  ASSERT_EQ(WaitForSingleObject(first, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(second, INFINITE), WAIT_OBJECT_0);  // recursive for the owner
  DWORD otherResult = 0;
  std::thread([&] { otherResult = WaitForSingleObject(second, 0); }).join();
  EXPECT_EQ(otherResult, WAIT_TIMEOUT);
  EXPECT_TRUE(ReleaseMutex(second));
  EXPECT_TRUE(ReleaseMutex(first));
  EXPECT_FALSE(ReleaseMutex(first));
  EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);

  CloseHandle(first);
  CloseHandle(second);
  // Once every handle is closed the name is free again.
  HANDLE fresh = CreateMutexA(nullptr, FALSE, name.c_str());
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  CloseHandle(fresh);
}

TEST(Mutex, OnlyTheOwnerReleasesAndWaitersGetItAfter) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, nullptr);  // owned by this thread
  BOOL releasedByOther = TRUE;
  std::thread([&] { releasedByOther = ReleaseMutex(mutex); }).join();
  EXPECT_FALSE(releasedByOther);

  std::atomic<bool> acquired{false};
  std::thread waiter([&] {
    WaitForSingleObject(mutex, INFINITE);
    acquired = true;
    ReleaseMutex(mutex);
  });
  EXPECT_TRUE(ReleaseMutex(mutex));
  waiter.join();
  EXPECT_TRUE(acquired);
  EXPECT_EQ(WaitForSingleObject(reinterpret_cast<HANDLE>(0x4), 0), WAIT_FAILED);
  CloseHandle(mutex);
}

TEST(Interlocked, ExchangeReturnsTheOldValue) {
  volatile LONG state = 0;
  EXPECT_EQ(InterlockedExchange(&state, 1), 0);
  EXPECT_EQ(InterlockedExchange(&state, 2), 1);
  EXPECT_EQ(InterlockedCompareExchange(&state, 5, 1), 2);  // no match: unchanged
  EXPECT_EQ(state, 2);
  EXPECT_EQ(InterlockedCompareExchange(&state, 5, 2), 2);
  EXPECT_EQ(state, 5);
  EXPECT_EQ(InterlockedIncrement(&state), 6);
  EXPECT_EQ(InterlockedDecrement(&state), 5);
  int target = 0;
  void* volatile slot = nullptr;
  EXPECT_EQ(InterlockedExchangePointer(&slot, &target), nullptr);
  EXPECT_EQ(slot, &target);
}
