// The real usbtmc system: devices from /sys/class/usbmisc, I/O on /dev/usbtmcN
// with the kernel driver's time-out and clear ioctls.
#include "platform/visa/UsbtmcSystem.h"

#include <linux/usb/tmc.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace visa {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kMinTimeoutMs = 100;

std::string ReadLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

class LinuxUsbtmcPort final : public IUsbtmcPort {
 public:
  explicit LinuxUsbtmcPort(int fd) : fd_(fd) {}
  ~LinuxUsbtmcPort() override { ::close(fd_); }
  ssize_t Write(const unsigned char* data, std::size_t size) override {
    ssize_t n = ::write(fd_, data, size);
    return n < 0 ? -errno : n;
  }
  ssize_t Read(unsigned char* buffer, std::size_t capacity) override {
    ssize_t n = ::read(fd_, buffer, capacity);
    return n < 0 ? -errno : n;
  }
  int Clear() override { return ::ioctl(fd_, USBTMC_IOCTL_CLEAR) < 0 ? -errno : 0; }
  int SetTimeoutMs(std::uint32_t ms) override {
    __u32 value = ms < kMinTimeoutMs ? kMinTimeoutMs : ms;  // the driver refuses less
    return ::ioctl(fd_, USBTMC_IOCTL_SET_TIMEOUT, &value) < 0 ? -errno : 0;
  }

 private:
  int fd_;
};

class LinuxUsbtmcSystem final : public IUsbtmcSystem {
 public:
  LinuxUsbtmcSystem(std::string classRoot, std::string devRoot)
      : classRoot_(std::move(classRoot)), devRoot_(std::move(devRoot)) {}

  std::vector<UsbtmcDeviceInfo> Enumerate() override {
    std::vector<UsbtmcDeviceInfo> devices;
    std::error_code ec;
    fs::path root = classRoot_;
    for (const auto& entry : fs::directory_iterator(root, ec)) {
      std::string name = entry.path().filename().string();
      if (name.rfind("usbtmc", 0) != 0) continue;
      // device -> the USB interface; its parent is the USB device with the ids.
      fs::path usbDevice = fs::canonical(entry.path() / "device", ec).parent_path();
      if (ec) continue;
      UsbtmcDeviceInfo info;
      info.vendorId = static_cast<std::uint16_t>(
          std::strtoul(ReadLine(usbDevice / "idVendor").c_str(), nullptr, 16));
      info.productId = static_cast<std::uint16_t>(
          std::strtoul(ReadLine(usbDevice / "idProduct").c_str(), nullptr, 16));
      info.serial = ReadLine(usbDevice / "serial");
      info.devnode = (fs::path(devRoot_) / name).string();
      devices.push_back(std::move(info));
    }
    std::sort(devices.begin(), devices.end(),
              [](const auto& a, const auto& b) { return a.devnode < b.devnode; });
    return devices;
  }

  std::unique_ptr<IUsbtmcPort> Open(const std::string& devnode, int* error) override {
    int fd = ::open(devnode.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
      *error = -errno;
      return nullptr;
    }
    return std::make_unique<LinuxUsbtmcPort>(fd);
  }

 private:
  std::string classRoot_, devRoot_;
};

}  // namespace

std::shared_ptr<IUsbtmcSystem> MakeLinuxUsbtmcSystem(std::string classRoot, std::string devRoot) {
  return std::make_shared<LinuxUsbtmcSystem>(std::move(classRoot), std::move(devRoot));
}

}  // namespace visa
