#pragma once
// A clock for tests: Sleep returns at once, records the pause and moves the
// tick count on by it; Sleep(0) still yields, so spin-waits make progress.
// Safe to use from several threads.

#include <mutex>
#include <thread>
#include <vector>

#include "platform/win/Sleep.h"

class RecordingClock final : public PlatformClock {
 public:
  explicit RecordingClock(ULONGLONG start = 1000) : now_(start) {}

  void Sleep(DWORD milliseconds) override {
    if (milliseconds == 0) std::this_thread::yield();
    std::lock_guard guard(lock_);
    sleeps_.push_back(milliseconds);
    now_ += milliseconds;
  }
  ULONGLONG TickCount() override {
    std::lock_guard guard(lock_);
    return now_;
  }

  // Moves the clock on without a recorded pause (time spent elsewhere).
  void Advance(ULONGLONG milliseconds) {
    std::lock_guard guard(lock_);
    now_ += milliseconds;
  }
  std::vector<DWORD> Sleeps() const {
    std::lock_guard guard(lock_);
    return sleeps_;
  }
  ULONGLONG TotalSlept() const {
    std::lock_guard guard(lock_);
    ULONGLONG total = 0;
    for (DWORD ms : sleeps_) total += ms;
    return total;
  }
  void Clear() {
    std::lock_guard guard(lock_);
    sleeps_.clear();
  }

 private:
  mutable std::mutex lock_;
  std::vector<DWORD> sleeps_;
  ULONGLONG now_;
};
