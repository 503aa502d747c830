#pragma once
// The ONC RPC wire as the simulator's server needs it: XDR reading and
// writing of 32-bit items and opaque data, record marking on a TCP stream,
// and the call and reply envelopes.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sim::rpc {

class XdrIn {
 public:
  explicit XdrIn(std::span<const std::uint8_t> data) : data_(data) {}
  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  // Variable-length opaque data (or a string) of at most max bytes.
  std::span<const std::uint8_t> Opaque(std::uint32_t max = 0xFFFFFFFFu);
  bool ok() const { return ok_; }
  std::size_t Position() const { return pos_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

class XdrOut {
 public:
  void U32(std::uint32_t v);
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Opaque(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

struct Call {
  std::uint32_t xid = 0, program = 0, version = 0, procedure = 0;
  std::span<const std::uint8_t> args;  // the rest of the message
};

// Parses a call message; nothing when it is not a well-formed version-2 call.
std::optional<Call> ParseCall(std::span<const std::uint8_t> message, bool* wrongRpcVersion);

enum AcceptStat : std::uint32_t {
  kSuccess = 0,
  kProgUnavail = 1,
  kProgMismatch = 2,
  kProcUnavail = 3,
  kGarbageArgs = 4
};
// Starts an accepted reply; the caller appends the results after a success.
XdrOut AcceptedReply(std::uint32_t xid, AcceptStat stat);
XdrOut RpcMismatchReply(std::uint32_t xid);

// Reads one record (all its fragments); false at end of stream or on error.
bool ReadRecord(int fd, std::vector<std::uint8_t>* record, std::size_t limit);
// Writes one record, made of the given parts in order, as a single fragment.
bool WriteRecord(int fd, std::initializer_list<std::span<const std::uint8_t>> parts);

}  // namespace sim::rpc
