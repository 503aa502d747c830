#include "platform/window/DispatchGuard.h"

#include "platform/window/MessageBox.h"

#include <string>

namespace DispatchGuard {
namespace {
std::function<bool(std::exception_ptr)>& FrameworkReporter() {
  static std::function<bool(std::exception_ptr)> reporter;
  return reporter;
}
}  // namespace

void SetFrameworkReporter(std::function<bool(std::exception_ptr)> reporter) {
  FrameworkReporter() = std::move(reporter);
}

void Report(std::exception_ptr error) {
  if (FrameworkReporter() && FrameworkReporter()(error)) return;
  std::string text = "An unexpected error occurred.";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    if (*e.what()) text = e.what();
  } catch (...) {
  }
  MessageBox(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

void RunGuarded(const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    Report(std::current_exception());
  }
}
}  // namespace DispatchGuard
