#include "platform/win/Sleep.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class RealClock final : public PlatformClock {
 public:
  void Sleep(DWORD milliseconds) override {
    if (milliseconds == 0)
      std::this_thread::yield();
    else
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
  ULONGLONG TickCount() override {
    using namespace std::chrono;
    return static_cast<ULONGLONG>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
};

RealClock g_realClock;
std::atomic<PlatformClock*> g_clock{&g_realClock};

}  // namespace

PlatformClock& CurrentClock() { return *g_clock.load(); }

PlatformClock* InstallClock(PlatformClock* clock) {
  PlatformClock* previous = g_clock.exchange(clock != nullptr ? clock : &g_realClock);
  return previous == &g_realClock ? nullptr : previous;
}

void Sleep(DWORD milliseconds) { CurrentClock().Sleep(milliseconds); }
DWORD GetTickCount() { return static_cast<DWORD>(CurrentClock().TickCount()); }
ULONGLONG GetTickCount64() { return CurrentClock().TickCount(); }
