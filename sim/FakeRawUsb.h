#pragma once
// Simulated instruments behind the raw-USB driver calls: frames from the host
// are checked and unwrapped into messages; replies are framed and handed out
// in packets of the size the host reads, with the frame faults on request.

#include "platform/usb/RawUsbDriver.h"
#include "sim/SimInstrument.h"

#include <memory>
#include <mutex>
#include <vector>

namespace sim {

// The frame every command and reply travels in: "USB:", payload length
// (32-bit little-endian), checksum (bytes sum to 0 mod 256), type, two zeros.
constexpr std::size_t kFrameHeadBytes = 12;
constexpr std::size_t kUsbPacketBytes = 512;
Bytes MakeFrame(std::span<const std::uint8_t> payload, std::uint8_t type);
// The payload of a well-formed frame (length within the bytes, checksum right).
std::optional<Bytes> OpenFrame(std::span<const std::uint8_t> bytes);

class FakeRawUsbDriver final : public rawusb::IRawUsbDriver {
 public:
  void Attach(std::shared_ptr<SimInstrument> instrument);

  int Search() override;
  int Select(int index) override;
  int Load(int number) override;
  int Unload() override;
  int UnloadIndex(int index) override;
  int Write(int pipe, const BYTE* buffer, DWORD count) override;
  int Read(int pipe, BYTE* buffer, DWORD count) override;

  int Current() const;
  // Frames that failed their check and were dropped.
  int BadFramesReceived() const;
  // Byte count of the host's last write.
  DWORD LastWriteCount() const;

 private:
  std::shared_ptr<SimInstrument> CurrentInstrument() const;

  mutable std::mutex lock_;
  std::vector<std::shared_ptr<SimInstrument>> devices_;
  int current_ = -1;
  int badFrames_ = 0;
  DWORD lastWrite_ = 0;
  Bytes outgoing_;  // the reply frame being read out
  std::size_t outPos_ = 0;
};

}  // namespace sim
