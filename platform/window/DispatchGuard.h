#pragma once
// Every entry from Qt's event loop into the editor's handlers runs through
// RunGuarded: an exception must never unwind through Qt. What escapes is
// reported in an OK box with its text, and the program goes on.

#include <exception>
#include <functional>

namespace DispatchGuard {
// The framework installs a reporter for its own exception types; it returns
// false for exceptions it does not know.
void SetFrameworkReporter(std::function<bool(std::exception_ptr)> reporter);
void RunGuarded(const std::function<void()>& body);
void Report(std::exception_ptr error);
}  // namespace DispatchGuard
