#include "platform/services/BasicServices.h"

#include "platform/afx/Exception.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The opener runs in a grandchild that init adopts, so nothing is left to
// reap and the program never waits for the browser. Only calls that are safe
// after fork in a threaded program run in the children.
bool BasicServices::OpenDocument(const std::string& path, const std::string& folder) {
  const char* argv[] = {"xdg-open", path.c_str(), nullptr};
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;  // a started opener closes it
  const pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (child == 0) {
    close(report[0]);
    setsid();
    const pid_t opener = fork();
    if (opener == 0) {
      if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
      execvp(argv[0], const_cast<char* const*>(argv));
      const char failed = 1;  // the opener could not be started
      [[maybe_unused]] const ssize_t n = write(report[1], &failed, 1);
      _exit(127);
    }
    _exit(opener < 0 ? 1 : 0);
  }
  close(report[1]);
  int status = 0;
  waitpid(child, &status, 0);
  char failed = 0;
  const bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                       read(report[0], &failed, 1) <= 0;  // exec closed the pipe unwritten
  close(report[0]);
  return started;
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
