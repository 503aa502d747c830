// The main of window tests: one QApplication for the whole run.
#include "platform/window/CommonDialogs.h"
#include "platform/window/Dialogs.h"
#include "platform/window/MessageBox.h"
#include "platform/window/WindowApi.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
// A box or dialog no test scripted would wait for a user forever: it fails
// the running test and is answered with Cancel instead.
void FailUnscriptedWindows() {
  UiScript::SetMessageBoxHandler([](const MessageBoxCall& call) {
    ADD_FAILURE() << "a message box no test scripted: \"" << call.text << "\"";
    return (call.type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
  });
  UiScript::SetModalHandler([](HWND dialog) {
    ADD_FAILURE() << "a modal dialog no test scripted: \"" << GetWindowTextString(dialog) << "\"";
    EndDialog(dialog, IDCANCEL);
  });
  UiScript::SetCommonDialogHandler([](CommonDialogRequest& request) {
    ADD_FAILURE() << "a common dialog no test scripted (kind " << static_cast<int>(request.kind)
                  << ")";
    request.accepted = false;
  });
}
}  // namespace

int main(int argc, char** argv) {
  // Test listing runs without the test environment; windows stay offscreen
  // unless a display was asked for.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  FailUnscriptedWindows();
  return RUN_ALL_TESTS();
}
