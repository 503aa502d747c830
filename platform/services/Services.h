#pragma once
// The services the program asks of its surroundings, behind one interface:
// message boxes, the common dialogs (file, colour, font, print), running a
// modal dialog, translated text by id, the clock with its pauses, the
// desktop's open action for a document, and the report of an exception that
// escaped a handler. The platform's own calls
// (::MessageBox, AfxMessageBox, AfxReportError, CFileDialog::DoModal and the
// other common dialogs, CDialog::DoModal, Sleep, GetTickCount, ShellExecute)
// all end here.
//
// One is always in place: services::Current() is never null.
// - Without windows the default, BasicServices, runs: the real clock, no
//   texts, boxes written to standard error and answered as closed.
// - A program with windows: constructing its CWinApp installs WindowServices
//   (platform/window/WindowServices.h: real boxes and dialogs over Qt),
//   unless a test's fake is in place. The program puts its translator behind
//   Text() once at start-up (InitInstance) with a class derived from
//   WindowServices, through the application, which leaves a test's fake be:
//       SetWindowServices(std::make_unique<AppServices>(translator));
// - A test replaces them all with one FakeServices
//   (platform/services/tests/FakeServices.h), installed for its lifetime:
//   boxes and dialogs answered from scripts, texts from a table, pauses
//   recorded instead of slept. Window tests already run inside one
//   (GuiTestMain.cpp); ScriptedBoxes, ScriptedDialogs and
//   ScriptedCommonDialogs (UiTestKit.h) script it.
//
// The user-interface calls come from the user-interface thread; Sleep and
// TickCount may come from any thread.

#include "platform/services/UiRequests.h"

#include <exception>
#include <string>

namespace services {

class Services {
 public:
  virtual ~Services() = default;

  // Shows a box and returns the button chosen (IDOK, IDCANCEL...).
  virtual int MessageBox(HWND owner, const MessageBoxCall& call) = 0;
  // Runs a common dialog: fills in the answer, `accepted` false on Cancel.
  virtual void CommonDialog(HWND owner, CommonDialogRequest& request) = 0;
  // Called once a modal dialog is shown; returns when it has ended. A dialog
  // still open afterwards is cancelled by the caller.
  virtual void RunModal(HWND dialog) = 0;
  // The translated user-interface text of an id; empty when it has none.
  virtual std::string Text(int id) = 0;
  // Pauses the calling thread; 0 gives up the rest of its time slice.
  virtual void Sleep(DWORD milliseconds) = 0;
  // Milliseconds of a monotonic clock with an arbitrary origin.
  virtual ULONGLONG TickCount() = 0;
  // Opens a document with the desktop's application for it (a help page in
  // the web browser), started in `folder`, without waiting for it; false
  // when it could not be started.
  virtual bool OpenDocument(const std::string& path, const std::string& folder) = 0;
  // Tells the user about an exception that escaped a handler (the
  // framework's own exceptions by their text; the user-abort one silently).
  virtual void ReportException(std::exception_ptr error) = 0;
};

// The services in place (never null).
Services& Current();
// Puts `services` in place (null: the default again) and returns the ones
// it replaces (null when that was the default). The caller keeps ownership;
// the services must outlive their installation.
Services* Install(Services* services);
// True while nothing but the default is in place.
bool DefaultInPlace();

// Installs services for one scope and puts the previous ones back after it.
class Scoped {
 public:
  explicit Scoped(Services& services) : previous_(Install(&services)) {}
  ~Scoped() { Install(previous_); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

 private:
  Services* previous_;
};

// A message box through the services in place; a null caption stands for
// the application's title.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace services
