#pragma once
// Simulated instruments behind the usbtmc seam of the VISA layer: each one
// appears as a /dev/usbtmc node with its USB identity.

#include "platform/visa/UsbtmcSystem.h"
#include "sim/SimInstrument.h"

#include <memory>
#include <mutex>
#include <vector>

namespace sim {

class FakeUsbtmcSystem final : public visa::IUsbtmcSystem {
 public:
  // Adds an instrument; it is listed in the order added.
  void Attach(std::shared_ptr<SimInstrument> instrument, std::uint16_t vendorId,
              std::uint16_t productId, std::string serial);
  std::vector<visa::UsbtmcDeviceInfo> Enumerate() override;
  std::unique_ptr<visa::IUsbtmcPort> Open(const std::string& devnode, int* error) override;
  // Time-outs the VISA layer asked for, in order.
  std::vector<std::uint32_t> TimeoutsSet() const;

  struct TimeoutLog {
    std::mutex lock;
    std::vector<std::uint32_t> values;
  };

 private:
  struct Entry {
    visa::UsbtmcDeviceInfo info;
    std::shared_ptr<SimInstrument> instrument;
  };
  mutable std::mutex lock_;
  std::vector<Entry> entries_;
  std::shared_ptr<TimeoutLog> timeouts_ = std::make_shared<TimeoutLog>();
};

}  // namespace sim
