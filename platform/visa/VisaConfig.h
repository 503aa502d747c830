#pragma once
// Process-wide settings of the VISA layer, replaceable by tests and by the
// simulator: where the usbtmc devices come from, the portmapper port that
// VXI-11 resources are looked up at (111 unless set) and how long an open
// waits for a host to answer.

#include "platform/visa/UsbtmcSystem.h"

#include <cstdint>
#include <memory>

namespace visa {

void SetUsbtmcSystem(std::shared_ptr<IUsbtmcSystem> system);  // nullptr: the real one
std::shared_ptr<IUsbtmcSystem> GetUsbtmcSystem();

void SetPortmapperPort(std::uint16_t port);  // 0: the standard 111
std::uint16_t GetPortmapperPort();

// The longest a VXI-11 open waits for the instrument's host to take each
// connection (the portmapper's, then the core channel's); 0: the standard
// three seconds.
void SetOpenTimeoutMs(std::uint32_t ms);
std::uint32_t GetOpenTimeoutMs();

}  // namespace visa
