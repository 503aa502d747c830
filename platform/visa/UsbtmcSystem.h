#pragma once
// The seam between the VISA layer and the Linux usbtmc driver: enumeration of
// /dev/usbtmcN with their USB identities, and the file operations on one of
// them. The real system reads sysfs and calls the kernel; tests install a fake.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace visa {

struct UsbtmcDeviceInfo {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::string serial;
  std::string devnode;  // e.g. /dev/usbtmc0
};

class IUsbtmcPort {
 public:
  virtual ~IUsbtmcPort() = default;
  // One whole message (the driver ends it with EOM). Returns bytes or -errno.
  virtual ssize_t Write(const unsigned char* data, std::size_t size) = 0;
  // Up to capacity bytes of the pending response; 0 at its end; -errno.
  virtual ssize_t Read(unsigned char* buffer, std::size_t capacity) = 0;
  virtual int Clear() = 0;                         // 0 or -errno
  virtual int SetTimeoutMs(std::uint32_t ms) = 0;  // 0 or -errno
};

class IUsbtmcSystem {
 public:
  virtual ~IUsbtmcSystem() = default;
  virtual std::vector<UsbtmcDeviceInfo> Enumerate() = 0;
  // nullptr with errno-style code in *error when the node cannot be opened.
  virtual std::unique_ptr<IUsbtmcPort> Open(const std::string& devnode, int* error) = 0;
};

// The Linux implementation (sysfs + /dev/usbtmcN + the driver's ioctls). The
// two roots are parameters so the enumeration can be tested on a copy.
std::shared_ptr<IUsbtmcSystem> MakeLinuxUsbtmcSystem(std::string classRoot = "/sys/class/usbmisc",
                                                     std::string devRoot = "/dev");

}  // namespace visa
