#pragma once
// A bare ONC RPC client for tests: calls built by hand, so the simulator can
// be sent what no VISA client sends (other program versions, pieces larger
// than a link takes, datagrams), and its replies read field by field.

#include "sim/RpcWire.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace simtest {

// A call message's envelope (AUTH_NONE); the caller appends the arguments.
inline sim::rpc::XdrOut CallMessage(std::uint32_t xid, std::uint32_t program, std::uint32_t version,
                                    std::uint32_t procedure) {
  sim::rpc::XdrOut out;
  for (std::uint32_t word : {xid, 0u, 2u, program, version, procedure, 0u, 0u, 0u, 0u})
    out.U32(word);
  return out;
}

// An accepted reply: its accept status and the results after it.
struct RpcReply {
  std::uint32_t xid = 0;
  std::uint32_t acceptStat = 0xFFFFFFFFu;
  std::vector<std::uint8_t> results;
  std::vector<std::uint32_t> Words() const {
    sim::rpc::XdrIn in(results);
    std::vector<std::uint32_t> words;
    for (std::size_t i = 0; i + 4 <= results.size(); i += 4) words.push_back(in.U32());
    return words;
  }
};

inline std::optional<RpcReply> ParseReply(std::span<const std::uint8_t> message) {
  sim::rpc::XdrIn in(message);
  RpcReply reply;
  reply.xid = in.U32();
  if (in.U32() != 1 || in.U32() != 0) return std::nullopt;  // a reply, accepted
  in.U32();                                                 // verifier
  in.Opaque(400);
  reply.acceptStat = in.U32();
  if (!in.ok()) return std::nullopt;
  reply.results.assign(message.begin() + static_cast<std::ptrdiff_t>(in.Position()), message.end());
  return reply;
}

inline sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return addr;
}

class RawRpcTcp {
 public:
  explicit RawRpcTcp(std::uint16_t port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)), in_(fd_) {
    sockaddr_in addr = Loopback(port);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  }
  ~RawRpcTcp() { ::close(fd_); }
  RawRpcTcp(const RawRpcTcp&) = delete;
  RawRpcTcp& operator=(const RawRpcTcp&) = delete;

  bool connected() const { return connected_; }
  std::optional<RpcReply> Call(sim::rpc::XdrOut& call) {
    if (!sim::rpc::WriteRecord(fd_, {call.bytes()})) return std::nullopt;
    std::vector<std::uint8_t> message;
    if (!in_.Next() || !in_.ReadRest(&message, 1u << 20)) return std::nullopt;
    return ParseReply(message);
  }

 private:
  int fd_;
  sim::rpc::RecordReader in_;
  bool connected_ = false;
};

// One datagram call; nothing when no answer came within five seconds.
inline std::optional<RpcReply> UdpCall(std::uint16_t port, sim::rpc::XdrOut& call) {
  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in addr = Loopback(port);
  std::optional<RpcReply> reply;
  if (::sendto(fd, call.bytes().data(), call.bytes().size(), 0, reinterpret_cast<sockaddr*>(&addr),
               sizeof addr) > 0) {
    pollfd p{fd, POLLIN, 0};
    std::uint8_t datagram[2048];
    if (::poll(&p, 1, 5000) == 1) {
      ssize_t n = ::recv(fd, datagram, sizeof datagram, 0);
      if (n > 0) reply = ParseReply({datagram, static_cast<std::size_t>(n)});
    }
  }
  ::close(fd);
  return reply;
}

}  // namespace simtest
