#include "sim/RpcWire.h"

#include <cerrno>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

namespace sim::rpc {

std::uint32_t XdrIn::U32() {
  if (!ok_ || data_.size() - pos_ < 4) {
    ok_ = false;
    return 0;
  }
  const std::uint8_t* p = data_.data() + pos_;
  pos_ += 4;
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

std::span<const std::uint8_t> XdrIn::Opaque(std::uint32_t max) {
  std::uint32_t n = U32();
  std::size_t padded = (std::size_t{n} + 3) & ~std::size_t{3};
  if (!ok_ || n > max || data_.size() - pos_ < padded) {
    ok_ = false;
    return {};
  }
  auto out = data_.subspan(pos_, n);
  pos_ += padded;
  return out;
}

void XdrOut::U32(std::uint32_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v >> 24));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 16));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  bytes_.push_back(static_cast<std::uint8_t>(v));
}

void XdrOut::Opaque(std::span<const std::uint8_t> data) {
  U32(static_cast<std::uint32_t>(data.size()));
  bytes_.insert(bytes_.end(), data.begin(), data.end());
  bytes_.resize((bytes_.size() + 3) & ~std::size_t{3}, 0);
}

std::optional<Call> ParseCall(std::span<const std::uint8_t> message, bool* wrongRpcVersion) {
  *wrongRpcVersion = false;
  XdrIn in(message);
  Call call;
  call.xid = in.U32();
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
    in.Opaque(400);
  }
  if (!in.ok()) return std::nullopt;
  call.args = message.subspan(in.Position());
  return call;
}

XdrOut AcceptedReply(std::uint32_t xid, AcceptStat stat) {
  XdrOut out;
  out.U32(xid);
  out.U32(1);  // reply
  out.U32(0);  // accepted
  out.U32(0);  // verifier: AUTH_NONE, empty
  out.U32(0);
  out.U32(stat);
  if (stat == kProgMismatch) {
    out.U32(1);
    out.U32(1);
  }
  return out;
}

XdrOut RpcMismatchReply(std::uint32_t xid) {
  XdrOut out;
  out.U32(xid);
  out.U32(1);  // reply
  out.U32(1);  // denied
  out.U32(0);  // RPC_MISMATCH
  out.U32(2);
  out.U32(2);
  return out;
}

namespace {

bool ReadAll(int fd, std::uint8_t* p, std::size_t n) {
  while (n) {
    ssize_t r = ::recv(fd, p, n, 0);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    p += r;
    n -= static_cast<std::size_t>(r);
  }
  return true;
}

}  // namespace

bool ReadRecord(int fd, std::vector<std::uint8_t>* record, std::size_t limit) {
  record->clear();
  for (;;) {
    std::uint8_t mark[4];
    if (!ReadAll(fd, mark, 4)) return false;
    std::uint32_t word = std::uint32_t{mark[0]} << 24 | std::uint32_t{mark[1]} << 16 |
                         std::uint32_t{mark[2]} << 8 | mark[3];
    std::size_t length = word & 0x7FFFFFFFu;
    if (record->size() + length > limit) return false;
    std::size_t at = record->size();
    record->resize(at + length);
    if (!ReadAll(fd, record->data() + at, length)) return false;
    if (word & 0x80000000u) return true;
  }
}

bool WriteRecord(int fd, std::initializer_list<std::span<const std::uint8_t>> parts) {
  std::size_t body = 0;
  for (auto part : parts) body += part.size();
  std::uint32_t word = 0x80000000u | static_cast<std::uint32_t>(body);
  std::uint8_t mark[4] = {static_cast<std::uint8_t>(word >> 24),
                          static_cast<std::uint8_t>(word >> 16),
                          static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)};
  std::vector<iovec> pending{{mark, 4}};
  for (auto part : parts)
    if (!part.empty()) pending.push_back({const_cast<std::uint8_t*>(part.data()), part.size()});
  std::size_t first = 0;
  while (first < pending.size()) {
    msghdr msg{};
    msg.msg_iov = pending.data() + first;
    msg.msg_iovlen = pending.size() - first;
    ssize_t w = ::sendmsg(fd, &msg, MSG_NOSIGNAL);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    auto sent = static_cast<std::size_t>(w);
    while (first < pending.size() && sent >= pending[first].iov_len)
      sent -= pending[first++].iov_len;
    if (first < pending.size()) {
      pending[first].iov_base = static_cast<std::uint8_t*>(pending[first].iov_base) + sent;
      pending[first].iov_len -= sent;
    }
  }
  return true;
}

}  // namespace sim::rpc
