#pragma once
// A simulated oscilloscope: channel count, scale, offset and time base per
// query, waveform set-up, one-byte-per-sample captures (a sine per channel)
// and a screen dump.

#include "sim/SimInstrument.h"

#include <array>
#include <optional>

namespace sim {

struct ScopeChannel {
  std::string vdiv = "5.00E-01V";  // as the instrument prints it
  std::string offset = "0.00E+00V";
};

struct ScopeSetup {
  std::string model = "KDS1104X";
  int channels = 4;
  std::string tdiv = "1.00E-03S";
  std::string sampleRate = "1.00GSa/s";
  std::string sampleCount = "7000";  // "SANU?" value text
  // The reply to the private identity queries ("*IDN-KVRN-PRI?" and
  // "IDN-KVRN-PRI?"); empty: they go unanswered, as on most models.
  std::string privateIdentity;
  std::array<ScopeChannel, 4> channel{};
  // Codes every capture sends as they are, repeated over the record; empty:
  // a sine of 100 codes about the screen's centre per channel.
  Bytes capture;
};

// How a capture's codes travel: the network block ("WF? ALL") as signed
// bytes about 0, the raw-USB reply as unsigned bytes about 132.
enum class ScopeWire { Network, RawUsb };

constexpr std::size_t kScreenDumpBytes = 424696;
constexpr std::size_t kCaptureHeaderBytes = 13;    // reply text before the samples
constexpr std::size_t kWaveDescriptorBytes = 346;  // before the codes of "WF? ALL"
// The longest record the simulated scope keeps; "WFSU NP," beyond it is refused.
constexpr std::size_t kScopeMemoryDepth = 28000000;

class SimScope final : public SimInstrument {
 public:
  explicit SimScope(ScopeSetup setup = {});
  // The capture codes of a channel (1-based), one byte per sample, as the
  // wire sends them.
  Bytes CaptureCodes(int channel, ScopeWire wire = ScopeWire::Network) const;

 protected:
  void Handle(const std::string& text, std::span<const std::uint8_t> raw) override;

 private:
  Bytes CaptureCodesLocked(int channel, ScopeWire wire) const;
  void ReplyCapture(int channel, bool all);
  ScopeSetup setup_;
  std::size_t points_ = 0;  // "WFSU NP," value, 0 = all
};

}  // namespace sim
