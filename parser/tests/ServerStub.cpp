// A component library for the registration test: registering succeeds,
// unregistering reports a failure status.

#include <cstdint>

extern "C" __attribute__((visibility("default"))) std::int32_t DllRegisterServer() { return 0; }
extern "C" __attribute__((visibility("default"))) std::int32_t DllUnregisterServer() {
  return std::int32_t(0x80004005u);  // a generic failure
}
