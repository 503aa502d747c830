#pragma once
// The services of a program with windows: real message boxes, common
// dialogs and modal loops over Qt, and from BasicServices the real clock,
// the exception report and no texts. Constructing the CWinApp installs one
// unless other services were installed first (a test's fake); a program
// derives from it to put its translator behind Text() and hands it to
// CWinApp::SetWindowServices. Each real dialog
// lives beside its platform call: MessageBox.cpp, CommonDialogs.cpp,
// Dialogs.cpp.

#include "platform/window/WindowSide.h"

#include "platform/services/BasicServices.h"
#include "platform/window/WinUser.h"

class WindowServices : public services::BasicServices {
 public:
  // A box without caption is titled with the application's name.
  int MessageBox(HWND owner, const MessageBoxCall& call) override;
  void CommonDialog(HWND owner, CommonDialogRequest& request) override;
  // Waits in an event loop until the dialog ends.
  void RunModal(HWND dialog) override;
};
