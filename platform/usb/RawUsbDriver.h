#pragma once
// The raw-USB driver library's seven calls, as the instrument link makes them,
// over a replaceable driver: libusb bulk transfers by default, a fake in tests.
// Every call returns 0 on failure; reads return the bytes actually received.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>

// Pipe arguments the link passes: 3 is the bulk OUT endpoint, 4 the bulk IN.
constexpr int kRawUsbWritePipe = 3;
constexpr int kRawUsbReadPipe = 4;

int SearchAllUSB(void* window);
int LoadOneUsb(int index);
int LoadUSBDevice(int number);
int UnloadUSBDevice();
int UnloadDevice(int index);
int WriteUSBDevice(int pipe, const BYTE* buffer, DWORD count);
int ReadUSBDevice(int pipe, BYTE* buffer, DWORD count);

namespace rawusb {

class IRawUsbDriver {
 public:
  virtual ~IRawUsbDriver() = default;
  virtual int Search() = 0;           // number of devices present
  virtual int Select(int index) = 0;  // current device for I/O
  virtual int Load(int number) = 0;
  virtual int Unload() = 0;
  virtual int UnloadIndex(int index) = 0;
  virtual int Write(int pipe, const BYTE* buffer, DWORD count) = 0;
  virtual int Read(int pipe, BYTE* buffer, DWORD count) = 0;
};

// The vendor and product ids the libusb driver looks for. The instruments'
// ids are not fixed anywhere, so they are a setting; PELMORAN_RAWUSB_ID
// ("vvvv:pppp", hexadecimal) sets them at first use. With none set, no
// device is found.
struct RawUsbSettings {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  unsigned timeoutMs = 2000;
};

void SetRawUsbSettings(const RawUsbSettings& settings);
RawUsbSettings GetRawUsbSettings();

// The time-out of one bulk transfer: the setting's, and one millisecond more
// for every 1,000 bytes, so a waveform of tens of megabytes gets the time
// a full-speed bus (about 1 MB/s) needs for it.
unsigned TransferTimeoutMs(DWORD count, unsigned baseMs);

// nullptr restores the libusb driver.
void SetRawUsbDriver(std::shared_ptr<IRawUsbDriver> driver);
std::shared_ptr<IRawUsbDriver> GetRawUsbDriver();
std::shared_ptr<IRawUsbDriver> MakeLibusbDriver();

}  // namespace rawusb
