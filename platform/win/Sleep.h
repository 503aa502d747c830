#pragma once
// Every pause and tick count of the program goes through one installable
// clock, so tests run instrument waits and start-up pauses without sleeping.
// The real clock is installed by default; tests install a RecordingClock
// (platform/win/RecordingClock.h) with a ScopedClock.

#include "platform/win/WinTypes.h"

class PlatformClock {
 public:
  virtual ~PlatformClock() = default;
  // Pauses the calling thread; 0 gives up the rest of its time slice.
  virtual void Sleep(DWORD milliseconds) = 0;
  // Milliseconds of a monotonic clock with an arbitrary origin.
  virtual ULONGLONG TickCount() = 0;
};

// The clock in use (never null).
PlatformClock& CurrentClock();
// Installs a clock (null: the real clock again) and returns the previous
// one. The caller keeps ownership; the clock must outlive its installation.
PlatformClock* InstallClock(PlatformClock* clock);

// Installs a clock for one scope and restores the previous one after it.
class ScopedClock {
 public:
  explicit ScopedClock(PlatformClock& clock) : previous_(InstallClock(&clock)) {}
  ~ScopedClock() { InstallClock(previous_); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  PlatformClock* previous_;
};

void Sleep(DWORD milliseconds);
DWORD GetTickCount();  // wraps after 49.7 days, as on the platform
ULONGLONG GetTickCount64();
