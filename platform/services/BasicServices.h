#pragma once
// The services without windows, in place until something else is installed:
// the real clock, no translated texts, message boxes written to standard
// error and answered as closed, common and modal dialogs cancelled, and
// documents opened with xdg-open. The
// window side and the test fake derive from it and keep what they do not
// replace (the exception report, for one).

#include "platform/services/Services.h"

namespace services {

class BasicServices : public Services {
 public:
  int MessageBox(HWND owner, const MessageBoxCall& call) override;
  void CommonDialog(HWND owner, CommonDialogRequest& request) override;
  void RunModal(HWND dialog) override {}
  std::string Text(int id) override { return {}; }
  void Sleep(DWORD milliseconds) override;
  ULONGLONG TickCount() override;
  bool OpenDocument(const std::string& path, const std::string& folder) override;
  // The framework's exceptions report themselves (ReportError) and are
  // freed; the user-abort exception says nothing; anything else shows its
  // what() text, or a general one, in an OK box.
  void ReportException(std::exception_ptr error) override;
};

}  // namespace services
