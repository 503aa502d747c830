// The raw-USB driver over libusb: devices of the configured vendor and product
// ids, the first bulk OUT and IN endpoints of interface 0 as pipes 3 and 4.
#include "platform/usb/RawUsbDriver.h"

#include <libusb.h>

#include <mutex>
#include <vector>

namespace rawusb {
namespace {

class LibusbDriver final : public IRawUsbDriver {
 public:
  LibusbDriver() {
    if (libusb_init(&context_) != 0) context_ = nullptr;
  }
  ~LibusbDriver() override {
    std::lock_guard guard(lock_);
    CloseCurrent();
    ReleaseList();
    if (context_) libusb_exit(context_);
  }

  int Search() override {
    std::lock_guard guard(lock_);
    ReleaseList();
    if (!context_) return 0;
    RawUsbSettings settings = GetRawUsbSettings();
    if (settings.vendorId == 0 && settings.productId == 0) return 0;
    libusb_device** list = nullptr;
    ssize_t n = libusb_get_device_list(context_, &list);
    for (ssize_t i = 0; i < n; ++i) {
      libusb_device_descriptor d{};
      if (libusb_get_device_descriptor(list[i], &d) == 0 && d.idVendor == settings.vendorId &&
          d.idProduct == settings.productId)
        devices_.push_back(libusb_ref_device(list[i]));
    }
    if (list) libusb_free_device_list(list, 1);
    return static_cast<int>(devices_.size());
  }

  int Select(int index) override { return Open(index); }
  int Load(int number) override { return Open(number); }

  int Unload() override {
    std::lock_guard guard(lock_);
    CloseCurrent();
    return 1;
  }

  int UnloadIndex(int index) override {
    std::lock_guard guard(lock_);
    if (index == currentIndex_) CloseCurrent();
    return 1;
  }

  int Write(int pipe, const BYTE* buffer, DWORD count) override {
    return Transfer(pipe == kRawUsbWritePipe ? outEndpoint_ : 0, const_cast<BYTE*>(buffer), count);
  }
  int Read(int pipe, BYTE* buffer, DWORD count) override {
    return Transfer(pipe == kRawUsbReadPipe ? inEndpoint_ : 0, buffer, count);
  }

 private:
  int Open(int index) {
    std::lock_guard guard(lock_);
    if (index == currentIndex_ && handle_) return 1;
    CloseCurrent();
    if (index < 0 || index >= static_cast<int>(devices_.size())) return 0;
    if (libusb_open(devices_[index], &handle_) != 0) {
      handle_ = nullptr;
      return 0;
    }
    libusb_set_auto_detach_kernel_driver(handle_, 1);
    if (libusb_claim_interface(handle_, 0) != 0 || !FindEndpoints(devices_[index])) {
      CloseCurrent();
      return 0;
    }
    currentIndex_ = index;
    return 1;
  }

  bool FindEndpoints(libusb_device* device) {
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != 0) return false;
    outEndpoint_ = inEndpoint_ = 0;
    if (config->bNumInterfaces > 0 && config->interface[0].num_altsetting > 0) {
      const libusb_interface_descriptor& alt = config->interface[0].altsetting[0];
      for (int e = 0; e < alt.bNumEndpoints; ++e) {
        const libusb_endpoint_descriptor& ep = alt.endpoint[e];
        if ((ep.bmAttributes & 0x3) != LIBUSB_TRANSFER_TYPE_BULK) continue;
        bool in = ep.bEndpointAddress & LIBUSB_ENDPOINT_IN;
        if (in && !inEndpoint_) inEndpoint_ = ep.bEndpointAddress;
        if (!in && !outEndpoint_) outEndpoint_ = ep.bEndpointAddress;
      }
    }
    libusb_free_config_descriptor(config);
    return inEndpoint_ && outEndpoint_;
  }

  int Transfer(unsigned char endpoint, BYTE* buffer, DWORD count) {
    std::lock_guard guard(lock_);
    if (!handle_ || !endpoint || !buffer) return 0;
    int transferred = 0;
    int r = libusb_bulk_transfer(handle_, endpoint, buffer, static_cast<int>(count), &transferred,
                                 TransferTimeoutMs(count, GetRawUsbSettings().timeoutMs));
    // A time-out part way reports what did get through; the caller decides
    // that anything short of the whole is a failure.
    if (r != 0 && !(r == LIBUSB_ERROR_TIMEOUT && transferred > 0)) return 0;
    return transferred;
  }

  void CloseCurrent() {
    if (handle_) {
      libusb_release_interface(handle_, 0);
      libusb_close(handle_);
    }
    handle_ = nullptr;
    currentIndex_ = -1;
  }

  void ReleaseList() {
    CloseCurrent();
    for (libusb_device* d : devices_) libusb_unref_device(d);
    devices_.clear();
  }

  std::mutex lock_;
  libusb_context* context_ = nullptr;
  std::vector<libusb_device*> devices_;
  libusb_device_handle* handle_ = nullptr;
  int currentIndex_ = -1;
  unsigned char outEndpoint_ = 0, inEndpoint_ = 0;
};

}  // namespace

std::shared_ptr<IRawUsbDriver> MakeLibusbDriver() { return std::make_shared<LibusbDriver>(); }

}  // namespace rawusb
