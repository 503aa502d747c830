#include "sim/RpcWire.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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
  XdrIn in(message);
  std::uint32_t xid = 0;
  auto header = ParseCallHeader(in, wrongRpcVersion, &xid);
  if (!header) return std::nullopt;
  Call call;
  static_cast<CallHeader&>(call) = *header;
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
  return out;
}

XdrOut ProgMismatchReply(std::uint32_t xid, std::uint32_t version) {
  XdrOut out = AcceptedReply(xid, kProgMismatch);
  out.U32(version);  // lowest and highest version served
  out.U32(version);
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

bool RecordReader::Fill() {
  if (begin_ == end_) begin_ = end_ = 0;
  for (;;) {
    ssize_t r = ::recv(fd_, buffer_.data() + end_, buffer_.size() - end_, 0);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return ok_ = false;
    end_ += static_cast<std::size_t>(r);
    return true;
  }
}

bool RecordReader::NextFragment() {
  if (lastFragment_) return ok_ = false;
  std::uint8_t mark[4];
  for (std::size_t got = 0; got < 4; ++got) {
    if (begin_ == end_ && !Fill()) return false;
    mark[got] = buffer_[begin_++];
  }
  std::uint32_t word = std::uint32_t{mark[0]} << 24 | std::uint32_t{mark[1]} << 16 |
                       std::uint32_t{mark[2]} << 8 | mark[3];
  fragmentLeft_ = word & 0x7FFFFFFFu;
  lastFragment_ = (word & 0x80000000u) != 0;
  return true;
}

bool RecordReader::Next() {
  while (!lastFragment_ || fragmentLeft_ > 0) {  // the unread rest of the last record
    if (fragmentLeft_ > 0 && !Skip(fragmentLeft_)) return false;
    if (!lastFragment_ && !NextFragment()) return false;
  }
  ok_ = true;
  lastFragment_ = false;
  return NextFragment();
}

bool RecordReader::Read(std::uint8_t* out, std::size_t n) {
  while (n > 0) {
    if (fragmentLeft_ == 0 && !NextFragment()) return false;
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(n, fragmentLeft_));
    std::size_t buffered = end_ - begin_;
    std::size_t take = 0;
    if (buffered > 0) {
      take = std::min(want, buffered);
      if (out) std::memcpy(out, buffer_.data() + begin_, take);
      begin_ += take;
    } else if (out && want >= buffer_.size() / 2) {
      ssize_t r = ::recv(fd_, out, want, 0);  // bulk data: no stop in the buffer
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) return ok_ = false;
      take = static_cast<std::size_t>(r);
    } else {
      if (!Fill()) return false;
      continue;
    }
    if (out) out += take;
    n -= take;
    fragmentLeft_ -= take;
  }
  return true;
}

bool RecordReader::Skip(std::size_t n) { return Read(nullptr, n); }

bool RecordReader::ReadRest(std::vector<std::uint8_t>* out, std::size_t limit) {
  out->clear();
  for (;;) {
    if (fragmentLeft_ > limit - out->size()) return ok_ = false;
    std::size_t at = out->size();
    out->resize(at + static_cast<std::size_t>(fragmentLeft_));
    if (!Read(out->data() + at, out->size() - at)) return false;
    if (lastFragment_) return true;
    if (!NextFragment()) return false;
  }
}

std::uint32_t RecordReader::U32() {
  std::uint8_t p[4];
  if (!ok_ || !Read(p, 4)) {
    ok_ = false;
    return 0;
  }
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

void RecordReader::SkipOpaque(std::uint32_t max) {
  std::uint32_t n = U32();
  if (!ok_ || n > max) {
    ok_ = false;
    return;
  }
  Skip((std::size_t{n} + 3) & ~std::size_t{3});
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
