// The main of window tests: one QApplication and one FakeServices for the
// whole run. A box or dialog no test scripted would wait for a user forever:
// the fake fails the running test and cancels it instead.
#include "platform/services/tests/FakeServices.h"
#include "platform/window/WindowApi.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Test listing runs without the test environment; windows stay offscreen
  // unless a display was asked for.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  services::FakeServices fake;
  fake.SetDialogNamer([](HWND dialog) { return GetWindowTextString(dialog); });
  return RUN_ALL_TESTS();
}
