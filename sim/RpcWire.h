#pragma once
// The ONC RPC wire as the simulator's server needs it: XDR reading and
// writing of 32-bit items and opaque data, record marking on a TCP stream
// (read as it arrives, so bulk data goes straight where it belongs), and the
// call and reply envelopes.

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
  void SkipOpaque(std::uint32_t max) { Opaque(max); }
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

// One record of a TCP stream at a time, its fragments joined. Small items
// come through a buffer; bulk reads go straight into the caller's memory.
class RecordReader {
 public:
  explicit RecordReader(int fd) : fd_(fd) {}
  // Starts the next record, skipping what is left of the current one; false
  // at the end of the stream.
  bool Next();
  // Exactly n bytes of the record; false when the record or stream ends first.
  bool Read(std::uint8_t* out, std::size_t n);
  bool Skip(std::size_t n);
  // The rest of the record; false when it is longer than limit.
  bool ReadRest(std::vector<std::uint8_t>* out, std::size_t limit);
  std::uint32_t U32();
  void SkipOpaque(std::uint32_t max);
  bool ok() const { return ok_; }

 private:
  bool NextFragment();
  bool Fill();

  int fd_;
  std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(65536);
  std::size_t begin_ = 0, end_ = 0;  // buffered bytes not yet taken
  std::uint64_t fragmentLeft_ = 0;
  bool lastFragment_ = true;
  bool ok_ = true;
};

struct CallHeader {
  std::uint32_t xid = 0, program = 0, version = 0, procedure = 0;
};

// The envelope of a call; nothing when it is not a well-formed version-2
// call (*wrongRpcVersion tells a call of another RPC version, whose xid is
// then in *xid).
template <class In>
std::optional<CallHeader> ParseCallHeader(In& in, bool* wrongRpcVersion, std::uint32_t* xid) {
  *wrongRpcVersion = false;
  CallHeader call;
  call.xid = *xid = in.U32();
  if (in.U32() != 0 || !in.ok()) return std::nullopt;  // not a call
  if (in.U32() != 2) {
    *wrongRpcVersion = in.ok();
    return std::nullopt;
  }
  call.program = in.U32();
  call.version = in.U32();
  call.procedure = in.U32();
  for (int auth = 0; auth < 2; ++auth) {  // credentials and verifier: skipped
    in.U32();
    in.SkipOpaque(400);
  }
  if (!in.ok()) return std::nullopt;
  return call;
}

struct Call : CallHeader {
  std::span<const std::uint8_t> args;  // the rest of the message
};

// Parses a whole call message (a datagram).
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
// A program served only at `version`, called at another one.
XdrOut ProgMismatchReply(std::uint32_t xid, std::uint32_t version);
XdrOut RpcMismatchReply(std::uint32_t xid);

// Writes one record, made of the given parts in order, as a single fragment.
bool WriteRecord(int fd, std::initializer_list<std::span<const std::uint8_t>> parts);

}  // namespace sim::rpc
