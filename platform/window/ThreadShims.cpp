// Thread identity, the last-error code and the beep: the few thread services
// the window layer needs of its own.
#include "platform/window/WindowApi.h"

#include <QApplication>
#include <atomic>
#include <functional>
#include <thread>

namespace {
thread_local DWORD lastError = 0;
}

DWORD GetCurrentThreadId() {
    return static_cast<DWORD>(std::hash<std::thread::id>{}(std::this_thread::get_id()) | 1u);
}
DWORD GetLastError() { return lastError; }
void SetLastError(DWORD code) { lastError = code; }

namespace window_beeps {
std::atomic<int> count{0};  // tests read how often the program beeped
}

BOOL MessageBeep(UINT) {
    ++window_beeps::count;
    if (qApp) QApplication::beep();
    return TRUE;
}
