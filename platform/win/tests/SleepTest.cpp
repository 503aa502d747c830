#include <gtest/gtest.h>

#include "platform/win/RecordingClock.h"
#include "platform/win/Sleep.h"

TEST(Sleep, GoesThroughTheInstalledClock) {
  RecordingClock clock(5000);
  {
    ScopedClock installed(clock);
    const ULONGLONG before = GetTickCount64();
    Sleep(500);
    Sleep(0);
    Sleep(3000);
    EXPECT_EQ(GetTickCount64() - before, 3500u);
    EXPECT_EQ(GetTickCount(), 8500u);
    EXPECT_EQ(&CurrentClock(), &clock);
  }
  EXPECT_EQ(clock.Sleeps(), (std::vector<DWORD>{500, 0, 3000}));
  EXPECT_EQ(clock.TotalSlept(), 3500u);
  EXPECT_NE(&CurrentClock(), &clock);  // restored
}

TEST(Sleep, ScopedClocksNestAndTheRealClockIsMonotonic) {
  RecordingClock outer, inner;
  {
    ScopedClock a(outer);
    {
      ScopedClock b(inner);
      Sleep(7);
    }
    Sleep(9);
  }
  EXPECT_EQ(inner.Sleeps(), std::vector<DWORD>{7});
  EXPECT_EQ(outer.Sleeps(), std::vector<DWORD>{9});
  const ULONGLONG t0 = GetTickCount64();
  Sleep(0);  // the real clock only yields
  EXPECT_GE(GetTickCount64(), t0);
}
