// The seven driver calls, forwarded to the installed driver.
#include "platform/usb/RawUsbDriver.h"

#include <cstdlib>
#include <mutex>

namespace rawusb {
namespace {

std::mutex g_lock;
std::shared_ptr<IRawUsbDriver> g_driver;
bool g_settingsRead = false;
RawUsbSettings g_settings;

RawUsbSettings SettingsFromEnvironment() {
  RawUsbSettings settings;
  if (const char* id = std::getenv("PELMORAN_RAWUSB_ID")) {
    char* end = nullptr;
    unsigned long vendor = std::strtoul(id, &end, 16);
    if (end && *end == ':') {
      unsigned long product = std::strtoul(end + 1, &end, 16);
      if (*end == '\0' && vendor <= 0xFFFF && product <= 0xFFFF) {
        settings.vendorId = static_cast<std::uint16_t>(vendor);
        settings.productId = static_cast<std::uint16_t>(product);
      }
    }
  }
  return settings;
}

}  // namespace

unsigned TransferTimeoutMs(DWORD count, unsigned baseMs) {
  constexpr unsigned kBytesPerMs = 1000;
  const unsigned long long ms = baseMs + (count + kBytesPerMs - 1ull) / kBytesPerMs;
  return ms > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned>(ms);
}

void SetRawUsbSettings(const RawUsbSettings& settings) {
  std::lock_guard guard(g_lock);
  g_settings = settings;
  g_settingsRead = true;
}

RawUsbSettings GetRawUsbSettings() {
  std::lock_guard guard(g_lock);
  if (!g_settingsRead) {
    g_settings = SettingsFromEnvironment();
    g_settingsRead = true;
  }
  return g_settings;
}

void SetRawUsbDriver(std::shared_ptr<IRawUsbDriver> driver) {
  std::lock_guard guard(g_lock);
  g_driver = std::move(driver);
}

std::shared_ptr<IRawUsbDriver> GetRawUsbDriver() {
  {
    std::lock_guard guard(g_lock);
    if (g_driver) return g_driver;
  }
  auto made = MakeLibusbDriver();
  std::lock_guard guard(g_lock);
  if (!g_driver) g_driver = std::move(made);
  return g_driver;
}

}  // namespace rawusb

int SearchAllUSB(void*) { return rawusb::GetRawUsbDriver()->Search(); }
int LoadOneUsb(int index) { return rawusb::GetRawUsbDriver()->Select(index); }
int LoadUSBDevice(int number) { return rawusb::GetRawUsbDriver()->Load(number); }
int UnloadUSBDevice() { return rawusb::GetRawUsbDriver()->Unload(); }
int UnloadDevice(int index) { return rawusb::GetRawUsbDriver()->UnloadIndex(index); }
int WriteUSBDevice(int pipe, const BYTE* buffer, DWORD count) {
  return rawusb::GetRawUsbDriver()->Write(pipe, buffer, count);
}
int ReadUSBDevice(int pipe, BYTE* buffer, DWORD count) {
  return rawusb::GetRawUsbDriver()->Read(pipe, buffer, count);
}
