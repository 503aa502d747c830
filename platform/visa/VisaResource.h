#pragma once
// Resource names: parsing the two kinds this library opens, building the USB
// name of a usbtmc device, and matching a search expression such as
// "USB?*INSTR" ('?' one character, '*' any run; case does not matter).

#include "platform/visa/UsbtmcSystem.h"

#include <optional>
#include <string>

namespace visa {

struct TcpipResource {
  std::string host;
  std::string device = "inst0";  // the VXI-11 logical device name
};

struct UsbResource {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::string serial;
};

std::optional<TcpipResource> ParseTcpipResource(const std::string& name);
std::optional<UsbResource> ParseUsbResource(const std::string& name);
std::string UsbResourceName(const UsbtmcDeviceInfo& device);
bool MatchResourceExpression(const std::string& expr, const std::string& name);

}  // namespace visa
