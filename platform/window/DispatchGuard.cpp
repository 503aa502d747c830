#include "platform/window/DispatchGuard.h"

#include "platform/services/Services.h"

namespace DispatchGuard {

void Report(std::exception_ptr error) { services::Current().ReportException(error); }

void RunGuarded(const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    Report(std::current_exception());
  }
}
}  // namespace DispatchGuard
