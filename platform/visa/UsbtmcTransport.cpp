#include "platform/visa/UsbtmcTransport.h"

#include <cerrno>

namespace visa {
namespace {

ViStatus MapErrno(long error) {
  switch (-error) {
    case ETIMEDOUT: return VI_ERROR_TMO;
    case ENODEV:
    case ENXIO:
    case ESHUTDOWN: return VI_ERROR_CONN_LOST;
    default: return VI_ERROR_IO;
  }
}

class UsbtmcTransport final : public IVisaTransport {
 public:
  explicit UsbtmcTransport(std::unique_ptr<IUsbtmcPort> port) : port_(std::move(port)) {
    port_->SetTimeoutMs(timeoutMs_);
  }

  ViStatus Write(const unsigned char* data, std::size_t size, std::size_t* written) override {
    *written = 0;
    ssize_t n = port_->Write(data, size);
    if (n < 0) return MapErrno(n);
    *written = static_cast<std::size_t>(n);
    return *written == size ? VI_SUCCESS : VI_ERROR_IO;
  }

  // The driver reads one response per call and returns a short count when
  // the response ended; a full count means the caller's buffer was the limit.
  ReadResult Read(unsigned char* buffer, std::size_t capacity) override {
    ReadResult result;
    ssize_t n = port_->Read(buffer, capacity);
    if (n < 0) {
      result.status = MapErrno(n);
      return result;
    }
    result.count = static_cast<std::size_t>(n) > capacity ? capacity : static_cast<std::size_t>(n);
    result.end = result.count < capacity;
    if (!result.end) result.status = VI_SUCCESS_MAX_CNT;
    return result;
  }

  ViStatus Clear() override {
    int r = port_->Clear();
    return r < 0 ? MapErrno(r) : VI_SUCCESS;
  }

  void SetTimeoutMs(ViUInt32 ms) override {
    timeoutMs_ = ms;
    port_->SetTimeoutMs(ms);
  }
  ViUInt32 TimeoutMs() const override { return timeoutMs_; }

 private:
  std::unique_ptr<IUsbtmcPort> port_;
  ViUInt32 timeoutMs_ = kDefaultTimeoutMs;
};

}  // namespace

std::unique_ptr<IVisaTransport> MakeUsbtmcTransport(std::unique_ptr<IUsbtmcPort> port) {
  return std::make_unique<UsbtmcTransport>(std::move(port));
}

}  // namespace visa
