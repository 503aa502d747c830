#include "sim/FakeRawUsb.h"

#include <cstring>

namespace sim {
namespace {

std::uint8_t SumBytes(std::span<const std::uint8_t> bytes) {
  std::uint32_t sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum);
}

}  // namespace

Bytes MakeFrame(std::span<const std::uint8_t> payload, std::uint8_t type) {
  Bytes frame(kFrameHeadBytes + payload.size(), 0);
  std::memcpy(frame.data(), "USB:", 4);
  auto length = static_cast<std::uint32_t>(payload.size());
  for (int i = 0; i < 4; ++i) frame[4 + i] = static_cast<std::uint8_t>(length >> (8 * i));
  frame[9] = type;
  std::memcpy(frame.data() + kFrameHeadBytes, payload.data(), payload.size());
  frame[8] = static_cast<std::uint8_t>(-SumBytes(frame));
  return frame;
}

std::optional<Bytes> OpenFrame(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFrameHeadBytes || std::memcmp(bytes.data(), "USB:", 4) != 0)
    return std::nullopt;
  std::uint32_t length = 0;
  for (int i = 0; i < 4; ++i) length |= std::uint32_t{bytes[4 + i]} << (8 * i);
  if (length > bytes.size() - kFrameHeadBytes) return std::nullopt;
  auto frame = bytes.first(kFrameHeadBytes + length);
  if (SumBytes(frame) != 0) return std::nullopt;
  return Bytes(frame.begin() + kFrameHeadBytes, frame.end());
}

void FakeRawUsbDriver::Attach(std::shared_ptr<SimInstrument> instrument) {
  std::lock_guard guard(lock_);
  devices_.push_back(std::move(instrument));
}

int FakeRawUsbDriver::Search() {
  std::lock_guard guard(lock_);
  return static_cast<int>(devices_.size());
}

int FakeRawUsbDriver::Select(int index) {
  std::lock_guard guard(lock_);
  if (index < 0 || index >= static_cast<int>(devices_.size())) return 0;
  if (index != current_) outgoing_.clear();
  current_ = index;
  return 1;
}

int FakeRawUsbDriver::Load(int number) {
  {
    std::lock_guard guard(lock_);
    if (number < 0 || number >= static_cast<int>(devices_.size()) ||
        devices_[number]->Faults().refuseOpen)
      return 0;
  }
  return Select(number);
}

int FakeRawUsbDriver::Unload() {
  std::lock_guard guard(lock_);
  current_ = -1;
  outgoing_.clear();
  return 1;
}

int FakeRawUsbDriver::UnloadIndex(int index) {
  std::lock_guard guard(lock_);
  if (index == current_) {
    current_ = -1;
    outgoing_.clear();
  }
  return 1;
}

int FakeRawUsbDriver::Write(int pipe, const BYTE* buffer, DWORD count) {
  auto instrument = CurrentInstrument();
  if (!instrument || pipe != kRawUsbWritePipe || !buffer) return 0;
  if (instrument->Faults().dropConnection) return 0;  // unplugged: the driver takes nothing
  {
    std::lock_guard guard(lock_);
    lastWrite_ = count;
  }
  // A time-out part way: the bus took the first packets only, and the frame
  // never reached the instrument whole.
  if (instrument->Faults().partialUsbWrite && count > kUsbPacketBytes)
    return static_cast<int>(count / 2 / kUsbPacketBytes * kUsbPacketBytes);
  auto payload = OpenFrame({buffer, count});
  if (!payload) {
    std::lock_guard guard(lock_);
    ++badFrames_;
    return static_cast<int>(count);  // the bus took it; the instrument ignores it
  }
  return instrument->Receive(std::move(*payload)) ? static_cast<int>(count) : 0;
}

int FakeRawUsbDriver::Read(int pipe, BYTE* buffer, DWORD count) {
  auto instrument = CurrentInstrument();
  if (!instrument || pipe != kRawUsbReadPipe || !buffer) return 0;
  std::lock_guard guard(lock_);
  SimFaults faults = instrument->Faults();
  if (faults.dropConnection) return 0;
  if (outgoing_.empty()) {
    auto reply = instrument->TakeReply();
    if (!reply) return 0;
    outgoing_ = MakeFrame(reply->Flatten(), 1);
    outPos_ = 0;
    if (faults.badChecksum) outgoing_[8] ^= 0x5A;
    if (faults.wrongLengthField)
      outgoing_[5] = static_cast<std::uint8_t>(outgoing_[5] + 2);  // +512
  }
  std::size_t n = std::min<std::size_t>(count, outgoing_.size() - outPos_);
  std::memcpy(buffer, outgoing_.data() + outPos_, n);
  outPos_ += n;
  bool last = outPos_ == outgoing_.size();
  if (last) outgoing_.clear();
  if (last && faults.shortPacket && n > 1) n /= 2;  // the tail of the packet is lost
  return static_cast<int>(n);
}

int FakeRawUsbDriver::Current() const {
  std::lock_guard guard(lock_);
  return current_;
}

DWORD FakeRawUsbDriver::LastWriteCount() const {
  std::lock_guard guard(lock_);
  return lastWrite_;
}

int FakeRawUsbDriver::BadFramesReceived() const {
  std::lock_guard guard(lock_);
  return badFrames_;
}

std::shared_ptr<SimInstrument> FakeRawUsbDriver::CurrentInstrument() const {
  std::lock_guard guard(lock_);
  return current_ >= 0 ? devices_[current_] : nullptr;
}

}  // namespace sim
