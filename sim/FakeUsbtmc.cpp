#include "sim/FakeUsbtmc.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sim {

using TimeoutLog = FakeUsbtmcSystem::TimeoutLog;

namespace {

class FakePort final : public visa::IUsbtmcPort {
 public:
  FakePort(std::shared_ptr<SimInstrument> instrument, std::shared_ptr<TimeoutLog> timeouts)
      : instrument_(std::move(instrument)),
        timeouts_(std::move(timeouts)),
        channel_(instrument_->OpenChannel()) {}
  ~FakePort() override { instrument_->CloseChannel(channel_); }

  // Each open device is a link of its own; a new message drops what the last
  // reply left unread.
  ssize_t Write(const unsigned char* data, std::size_t size) override {
    pending_.clear();
    if (instrument_->Faults().dropConnection) return -ENODEV;  // unplugged
    if (!instrument_->Receive(channel_, std::span<const std::uint8_t>(data, size))) return -EIO;
    return static_cast<ssize_t>(size);
  }

  // Like the driver: one response per read, short when it ended; what does
  // not fit waits for the next read.
  ssize_t Read(unsigned char* buffer, std::size_t capacity) override {
    if (instrument_->Faults().dropConnection) return -ENODEV;
    if (pending_.empty()) {
      auto reply = instrument_->TakeReply(channel_);
      if (!reply) return -ETIMEDOUT;
      pending_ = reply->Flatten();
      pos_ = 0;
    }
    std::size_t n = std::min(capacity, pending_.size() - pos_);
    std::memcpy(buffer, pending_.data() + pos_, n);
    pos_ += n;
    if (pos_ == pending_.size()) pending_.clear();
    return static_cast<ssize_t>(n);
  }

  int Clear() override {
    pending_.clear();
    instrument_->Clear(channel_);
    return 0;
  }

  int SetTimeoutMs(std::uint32_t ms) override {
    std::lock_guard guard(timeouts_->lock);
    timeouts_->values.push_back(ms);
    return 0;
  }

 private:
  std::shared_ptr<SimInstrument> instrument_;
  std::shared_ptr<TimeoutLog> timeouts_;
  ChannelId channel_;
  Bytes pending_;
  std::size_t pos_ = 0;
};

}  // namespace

void FakeUsbtmcSystem::Attach(std::shared_ptr<SimInstrument> instrument, std::uint16_t vendorId,
                              std::uint16_t productId, std::string serial) {
  std::lock_guard guard(lock_);
  visa::UsbtmcDeviceInfo info{vendorId, productId, std::move(serial),
                              "/dev/usbtmc-sim" + std::to_string(entries_.size())};
  entries_.push_back({std::move(info), std::move(instrument)});
}

std::vector<visa::UsbtmcDeviceInfo> FakeUsbtmcSystem::Enumerate() {
  std::lock_guard guard(lock_);
  std::vector<visa::UsbtmcDeviceInfo> out;
  for (const auto& e : entries_) out.push_back(e.info);
  return out;
}

std::unique_ptr<visa::IUsbtmcPort> FakeUsbtmcSystem::Open(const std::string& devnode, int* error) {
  std::lock_guard guard(lock_);
  for (const auto& e : entries_) {
    if (e.info.devnode != devnode) continue;
    if (e.instrument->Faults().refuseOpen) {
      *error = -EBUSY;
      return nullptr;
    }
    return std::make_unique<FakePort>(e.instrument, timeouts_);
  }
  *error = -ENOENT;
  return nullptr;
}

std::vector<std::uint32_t> FakeUsbtmcSystem::TimeoutsSet() const {
  std::lock_guard guard(timeouts_->lock);
  return timeouts_->values;
}

}  // namespace sim
