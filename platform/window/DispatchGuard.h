#pragma once
// Every entry from Qt's event loop into the editor's handlers runs through
// RunGuarded: an exception must never unwind through Qt. What escapes is
// reported through the services in place (ReportException: a box with its
// text), and the program goes on.

#include "platform/window/WindowSide.h"

#include <exception>
#include <functional>

namespace DispatchGuard {
void RunGuarded(const std::function<void()>& body);
void Report(std::exception_ptr error);
}  // namespace DispatchGuard
