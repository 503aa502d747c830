#pragma once
// One instrument behind the usbtmc seam whose responses are a fuzz input's
// bytes: every message written makes the next scripted response pending.
// A script is a run of entries, each two bytes of length (little-endian; the
// top bit set makes it a failure of the driver instead) and that many bytes.
// Once the script is used up every read times out, as a silent instrument's
// would. ScriptedSession opens it for the link.

#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "instrument/LinkState.h"
#include "platform/visa/UsbtmcSystem.h"
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"

namespace instrumentfuzz {

constexpr char kScriptedResource[] = "USB0::0x1234::0x5678::FUZZ::INSTR";

class ScriptedPort final : public visa::IUsbtmcPort {
 public:
  explicit ScriptedPort(fuzz::Bytes& script) : script_(script) {}
  ssize_t Write(const unsigned char*, std::size_t size) override {
    const auto length = script_.Value<std::uint16_t>();
    failure_ = 0;
    pending_.clear();
    if (length & 0x8000) {
      static constexpr int kErrors[] = {ETIMEDOUT, EIO, ENODEV};
      failure_ = -kErrors[length % 3];
    } else {
      const std::size_t n = std::min<std::size_t>(length, script_.Left());
      pending_.assign(script_.Rest(), script_.Rest() + n);
      for (std::size_t i = 0; i < n; ++i) script_.Byte();
    }
    used_ = 0;
    answered_ = script_.Left() > 0 || length != 0;
    return static_cast<ssize_t>(size);
  }
  ssize_t Read(unsigned char* buffer, std::size_t capacity) override {
    if (failure_) return failure_;
    if (!answered_) return -ETIMEDOUT;
    const std::size_t n = std::min(capacity, pending_.size() - used_);
    std::copy(pending_.begin() + static_cast<std::ptrdiff_t>(used_),
              pending_.begin() + static_cast<std::ptrdiff_t>(used_ + n), buffer);
    used_ += n;
    return static_cast<ssize_t>(n);
  }
  int Clear() override {
    pending_.clear();
    used_ = 0;
    return 0;
  }
  int SetTimeoutMs(std::uint32_t) override { return 0; }

 private:
  fuzz::Bytes& script_;
  std::vector<unsigned char> pending_;
  std::size_t used_ = 0;
  int failure_ = 0;
  bool answered_ = false;
};

class ScriptedUsbtmc final : public visa::IUsbtmcSystem {
 public:
  explicit ScriptedUsbtmc(fuzz::Bytes& script) : script_(script) {}
  std::vector<visa::UsbtmcDeviceInfo> Enumerate() override {
    return {{0x1234, 0x5678, "FUZZ", "/dev/usbtmc0"}};
  }
  std::unique_ptr<visa::IUsbtmcPort> Open(const std::string&, int*) override {
    return std::make_unique<ScriptedPort>(script_);
  }

 private:
  fuzz::Bytes& script_;
};

// The scripted instrument installed and opened into g_VisaInstrument for
// one input (the resource manager in g_VisaDefaultRM), closed afterwards.
class ScriptedSession {
 public:
  explicit ScriptedSession(fuzz::Bytes& script) {
    visa::SetUsbtmcSystem(std::make_shared<ScriptedUsbtmc>(script));
    viOpenDefaultRM(&g_VisaDefaultRM);
    viOpen(g_VisaDefaultRM, kScriptedResource, 0, 0, &g_VisaInstrument);
  }
  ~ScriptedSession() {
    viClose(g_VisaDefaultRM);
    visa::SetUsbtmcSystem(nullptr);
  }
  ScriptedSession(const ScriptedSession&) = delete;
  ScriptedSession& operator=(const ScriptedSession&) = delete;
};

}  // namespace instrumentfuzz
