#include "platform/services/Services.h"

#include "platform/services/BasicServices.h"

#include <atomic>

namespace services {
namespace {

BasicServices g_default;
std::atomic<Services*> g_current{&g_default};

}  // namespace

Services& Current() { return *g_current.load(); }

Services* Install(Services* services) {
  Services* previous = g_current.exchange(services != nullptr ? services : &g_default);
  return previous == &g_default ? nullptr : previous;
}

bool DefaultInPlace() { return g_current.load() == &g_default; }

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return Current().MessageBox(owner,
                              MessageBoxCall{text ? text : "", caption ? caption : "", type});
}

}  // namespace services
