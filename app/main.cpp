// Pelmoran: a waveform editor for arbitrary-waveform generators and
// oscilloscopes. Starts the application on the desktop's display; without
// one it says what it needs.
#include "app/Drive.h"
#include "app/WaveWindows.h"
#include "platform/win/NumericLocale.h"
#include "platform/window/Resources.h"
#include "shell/app/PelmoranApp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

CPelmoranApp theApp(WaveDocumentClass(), WaveViewClass());

namespace {
bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}
}  // namespace

int main(int argc, char** argv) {
  if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
    std::fputs(
        "Pelmoran needs a display: start it on a desktop (an X display in DISPLAY), or set\n"
        "QT_QPA_PLATFORM=offscreen to run it without one.\n",
        stderr);
    return 2;
  }
  QApplication qt(argc, argv);
  PinNumericLocale();  // numbers in files and on the wire always use a point
  std::string error;
  if (!resources::LoadDefault(&error)) {
    std::fprintf(stderr, "Pelmoran cannot read its resources: %s\n", error.c_str());
    return 1;
  }
  theApp.SetCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  // A start that fails ends as the framework ends it: quietly, through
  // ExitInstance, which releases what start-up made while Qt is still up.
  if (!theApp.InitInstance()) return theApp.ExitInstance();
  StartDrive(theApp);
  return theApp.Run();
}
