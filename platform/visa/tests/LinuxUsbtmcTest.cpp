// The usbtmc enumeration over a copy of the sysfs layout: the class entry's
// device link leads to the interface, whose parent holds the USB ids.
#include "platform/visa/UsbtmcSystem.h"
#include "platform/visa/VisaResource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text << "\n";
}

}  // namespace

TEST(LinuxUsbtmc, EnumeratesFromSysfsInNodeOrder) {
  fs::path root = fs::temp_directory_path() / ("pelmoran-sysfs-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::path devices = root / "devices";
  struct Dev {
    const char* node;
    const char* usb;
    const char* vid;
    const char* pid;
    const char* serial;
  };
  for (Dev d : {Dev{"usbtmc1", "1-2", "beef", "1102", "SCOPE9"},
                Dev{"usbtmc0", "1-1", "1234", "00ab", "GEN1"}}) {
    fs::path usb = devices / d.usb;
    Write(usb / "idVendor", d.vid);
    Write(usb / "idProduct", d.pid);
    Write(usb / "serial", d.serial);
    fs::create_directories(usb / (std::string(d.usb) + ":1.0"));
    fs::create_directories(root / "class" / d.node);
    fs::create_directory_symlink(usb / (std::string(d.usb) + ":1.0"),
                                 root / "class" / d.node / "device");
  }
  fs::create_directories(root / "class" / "hiddev0");  // another usbmisc device: not ours

  auto system = visa::MakeLinuxUsbtmcSystem((root / "class").string(), (root / "dev").string());
  auto found = system->Enumerate();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(visa::UsbResourceName(found[0]), "USB0::0x1234::0x00AB::GEN1::INSTR");
  EXPECT_EQ(found[0].devnode, (root / "dev" / "usbtmc0").string());
  EXPECT_EQ(visa::UsbResourceName(found[1]), "USB0::0xBEEF::0x1102::SCOPE9::INSTR");
  int error = 0;
  EXPECT_EQ(system->Open(found[0].devnode, &error), nullptr);  // no such node here
  EXPECT_LT(error, 0);
  fs::remove_all(root);
}
