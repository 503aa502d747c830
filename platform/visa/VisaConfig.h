#pragma once
// Process-wide settings of the VISA layer, replaceable by tests and by the
// simulator: where the usbtmc devices come from, and the portmapper port that
// VXI-11 resources are looked up at (111 unless set).

#include "platform/visa/UsbtmcSystem.h"

#include <cstdint>
#include <memory>

namespace visa {

void SetUsbtmcSystem(std::shared_ptr<IUsbtmcSystem> system);  // nullptr: the real one
std::shared_ptr<IUsbtmcSystem> GetUsbtmcSystem();

void SetPortmapperPort(std::uint16_t port);  // 0: the standard 111
std::uint16_t GetPortmapperPort();

}  // namespace visa
