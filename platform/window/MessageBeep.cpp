// The beep: counted, so tests can tell that the program beeped.
#include "platform/window/WindowApi.h"

#include <QApplication>
#include <atomic>

namespace window_beeps {
std::atomic<int> count{0};
}

BOOL MessageBeep(UINT) {
  ++window_beeps::count;
  if (qApp) QApplication::beep();
  return TRUE;
}
