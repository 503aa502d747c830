#include "platform/services/BasicServices.h"

#include "platform/afx/Exception.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace services {

int BasicServices::MessageBox(HWND, const MessageBoxCall& call) {
  std::fprintf(stderr, "%s\n", call.text.c_str());
  return ClosedBoxAnswer(call.type);
}

void BasicServices::CommonDialog(HWND, CommonDialogRequest& request) { request.accepted = false; }

void BasicServices::Sleep(DWORD milliseconds) {
  if (milliseconds == 0)
    std::this_thread::yield();
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

ULONGLONG BasicServices::TickCount() {
  using namespace std::chrono;
  return static_cast<ULONGLONG>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void BasicServices::ReportException(std::exception_ptr error) {
  std::string text = "An unexpected error occurred.";
  try {
    std::rethrow_exception(error);
  } catch (CUserException* e) {
    e->Delete();
    return;
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
    return;
  } catch (const std::exception& e) {
    if (*e.what()) text = e.what();
  } catch (...) {
  }
  MessageBox(nullptr, MessageBoxCall{text, "", MB_OK | MB_ICONEXCLAMATION});
}

}  // namespace services
