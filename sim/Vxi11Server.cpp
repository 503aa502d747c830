#include "sim/Vxi11Server.h"

#include "platform/visa/Vxi11Protocol.h"
#include "sim/RpcWire.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace sim {

struct CoreReply {
  rpc::AcceptStat stat = rpc::kSuccess;
  rpc::XdrOut results;
  // A read's data: a piece of the reply's text head, then a piece of its
  // shared body, sent without copying the body.
  Bytes headPart = {};
  std::shared_ptr<const Bytes> hold = {};
  std::span<const std::uint8_t> data = {};
};

namespace {

// Largest record a client may send: a link's piece plus the envelope.
constexpr std::size_t kRecordSlack = 4096;
// The largest message the instruments take: a 41,943,042-byte block.
constexpr std::size_t kLargestMessage = 41943042 + 4096;

int Listen(const std::string& address, std::uint16_t port, std::uint16_t* bound,
           std::string* error) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    *error = std::strerror(errno);
    return -1;
  }
  int one = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1) {
    *error = "bad address " + address;
    ::close(fd);
    return -1;
  }
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 16) != 0) {
    *error = "port " + std::to_string(port) + ": " + std::strerror(errno);
    ::close(fd);
    return -1;
  }
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  *bound = ntohs(addr.sin_port);
  return fd;
}

}  // namespace

Vxi11Server::Vxi11Server(std::shared_ptr<SimInstrument> instrument, Vxi11ServerOptions options)
    : instrument_(std::move(instrument)), options_(std::move(options)) {}

Vxi11Server::~Vxi11Server() { Stop(); }

bool Vxi11Server::Start(std::string* error) {
  if (running_) return true;
  portmapperFd_ = Listen(options_.address, options_.portmapperPort, &portmapperPort_, error);
  if (portmapperFd_ < 0) return false;
  coreFd_ = Listen(options_.address, 0, &corePort_, error);
  if (coreFd_ < 0 || ::pipe2(wakeFds_, O_CLOEXEC) != 0) {
    Stop();
    return false;
  }
  running_ = true;
  acceptor_ = std::thread([this] { AcceptLoop(); });
  return true;
}

void Vxi11Server::Stop() {
  bool wasRunning = running_.exchange(false);
  if (wasRunning) {
    char byte = 0;
    [[maybe_unused]] ssize_t w = ::write(wakeFds_[1], &byte, 1);
    acceptor_.join();
  }
  std::vector<std::thread> workers;
  {
    std::lock_guard guard(lock_);
    for (int fd : connections_) ::shutdown(fd, SHUT_RDWR);
    workers.swap(workers_);
  }
  for (auto& t : workers) t.join();
  for (int* fd : {&portmapperFd_, &coreFd_, &wakeFds_[0], &wakeFds_[1]}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

void Vxi11Server::AcceptLoop() {
  pollfd fds[3] = {{portmapperFd_, POLLIN, 0}, {coreFd_, POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
  while (running_) {
    if (::poll(fds, 3, -1) < 0 && errno != EINTR) return;
    if (fds[2].revents) return;
    for (int i = 0; i < 2; ++i) {
      if (!(fds[i].revents & POLLIN)) continue;
      int fd = ::accept4(fds[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) continue;
      int one = 1;
      ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
      std::lock_guard guard(lock_);
      connections_.push_back(fd);
      workers_.emplace_back([this, fd] { Serve(fd); });
    }
  }
}

void Vxi11Server::Serve(int fd) {
  std::vector<std::uint8_t> record;
  while (rpc::ReadRecord(fd, &record, options_.maxRecvSize + kRecordSlack)) {
    Outgoing reply = Dispatch(record);
    if (reply.head.empty()) continue;  // not a call: nothing to answer
    if (!rpc::WriteRecord(fd, {reply.head, reply.headPart, reply.data, reply.tail})) break;
  }
  std::lock_guard guard(lock_);
  std::erase(connections_, fd);
  ::close(fd);
}

Vxi11Server::Outgoing Vxi11Server::Dispatch(std::span<const std::uint8_t> message) {
  bool wrongVersion = false;
  auto call = rpc::ParseCall(message, &wrongVersion);
  if (!call) {
    if (!wrongVersion || message.size() < 4) return {};
    return {rpc::RpcMismatchReply(rpc::XdrIn(message).U32()).bytes()};
  }
  if (call->program == vxi11::kPortmapProgram && call->version == vxi11::kPortmapVersion) {
    if (call->procedure == 0) return {rpc::AcceptedReply(call->xid, rpc::kSuccess).bytes()};
    if (call->procedure != vxi11::kPortmapGetPort)
      return {rpc::AcceptedReply(call->xid, rpc::kProcUnavail).bytes()};
    rpc::XdrIn in(call->args);
    std::uint32_t program = in.U32(), version = in.U32(), protocol = in.U32();
    if (!in.ok()) return {rpc::AcceptedReply(call->xid, rpc::kGarbageArgs).bytes()};
    rpc::XdrOut out = rpc::AcceptedReply(call->xid, rpc::kSuccess);
    bool ours = program == vxi11::kCoreProgram && version == vxi11::kCoreVersion &&
                protocol == vxi11::kIpProtoTcp;
    out.U32(ours ? corePort_ : 0);
    return {std::move(out.bytes())};
  }
  if (call->program != vxi11::kCoreProgram)
    return {rpc::AcceptedReply(call->xid, rpc::kProgUnavail).bytes()};
  if (call->version != vxi11::kCoreVersion)
    return {rpc::AcceptedReply(call->xid, rpc::kProgMismatch).bytes()};
  // Results are written straight after the reply header: a read reply can
  // carry tens of megabytes, copied once.
  CoreReply reply{rpc::kSuccess, rpc::AcceptedReply(call->xid, rpc::kSuccess)};
  Core(call->procedure, call->args, reply);
  if (reply.stat != rpc::kSuccess) return {rpc::AcceptedReply(call->xid, reply.stat).bytes()};
  Bytes padding((4 - (reply.headPart.size() + reply.data.size()) % 4) % 4, 0);
  return {std::move(reply.results.bytes()), std::move(reply.hold), std::move(reply.headPart),
          reply.data, std::move(padding)};
}

void Vxi11Server::Core(std::uint32_t procedure, std::span<const std::uint8_t> args,
                       CoreReply& reply) {
  rpc::XdrIn in(args);
  rpc::XdrOut& out = reply.results;
  std::lock_guard guard(lock_);
  switch (procedure) {
    case vxi11::kCreateLink: {
      in.I32();  // client id
      in.U32();  // lock device
      in.U32();  // lock time-out
      in.Opaque(256);
      if (!in.ok()) break;
      if (instrument_->Faults().refuseOpen) {
        out.I32(vxi11::kDeviceNotAccessible);
        out.I32(0);
        out.U32(0);
        out.U32(0);
        return;
      }
      std::int32_t lid = nextLink_++;
      links_[lid] = Link{};
      out.I32(vxi11::kNoError);
      out.I32(lid);
      out.U32(0);  // no abort channel
      out.U32(options_.maxRecvSize);
      return;
    }
    case vxi11::kDeviceWrite: {
      std::int32_t lid = in.I32();
      in.U32();  // io time-out
      in.U32();  // lock time-out
      std::int32_t flags = in.I32();
      auto data = in.Opaque(options_.maxRecvSize);
      if (!in.ok()) break;
      auto link = links_.find(lid);
      if (link == links_.end()) {
        out.I32(vxi11::kInvalidLink);
        out.U32(0);
        return;
      }
      if (instrument_->Faults().refuseWrite) {
        instrument_->Receive(data);  // logged, refused
        out.I32(vxi11::kIoError);
        out.U32(0);
        return;
      }
      Bytes& inbox = link->second.inbox;
      if (inbox.empty() && (flags & vxi11::kFlagEnd)) {
        instrument_->Receive(data);  // a whole message in one piece
      } else {
        // Address space for the largest block up front: pages are only
        // touched as pieces arrive, and the buffer never moves.
        if (inbox.empty()) inbox.reserve(kLargestMessage);
        inbox.insert(inbox.end(), data.begin(), data.end());
        if (flags & vxi11::kFlagEnd) instrument_->Receive(std::exchange(inbox, Bytes()));
      }
      out.I32(vxi11::kNoError);
      out.U32(static_cast<std::uint32_t>(data.size()));
      return;
    }
    case vxi11::kDeviceRead: {
      std::int32_t lid = in.I32();
      std::uint32_t requested = in.U32();
      if (!in.ok()) break;
      auto link = links_.find(lid);
      if (link == links_.end()) {
        out.I32(vxi11::kInvalidLink);
        out.I32(0);
        out.U32(0);
        return;
      }
      Link& l = link->second;
      if (!l.serving) {
        auto next = instrument_->TakeReply();
        if (!next) {  // nothing to say before the time-out
          out.I32(vxi11::kIoTimeout);
          out.I32(0);
          out.Opaque({});
          return;
        }
        l.outbox = std::move(*next);
        l.outPos = 0;
        l.serving = true;
      }
      std::size_t n = std::min<std::size_t>(requested, l.outbox->size() - l.outPos);
      auto [fromHead, fromBody] = l.outbox->Slice(l.outPos, n);
      reply.headPart.assign(fromHead.begin(), fromHead.end());
      reply.hold = l.outbox->body;
      reply.data = fromBody;
      l.outPos += n;
      bool end = l.outPos == l.outbox->size();
      out.I32(vxi11::kNoError);
      out.I32(end ? vxi11::kReasonEnd : vxi11::kReasonReqCnt);
      out.U32(static_cast<std::uint32_t>(n));  // the data and its padding follow
      if (end) {
        l.serving = false;
        l.outbox.reset();
      }
      return;
    }
    case vxi11::kDeviceReadStb: {
      out.I32(vxi11::kNoError);
      out.U32(0);
      return;
    }
    case vxi11::kDeviceClear: {
      std::int32_t lid = in.I32();
      auto link = links_.find(lid);
      if (link == links_.end()) {
        out.I32(vxi11::kInvalidLink);
        return;
      }
      link->second = Link{};
      instrument_->Clear();
      out.I32(vxi11::kNoError);
      return;
    }
    case vxi11::kDestroyLink: {
      std::int32_t lid = in.I32();
      out.I32(links_.erase(lid) ? vxi11::kNoError : vxi11::kInvalidLink);
      return;
    }
    default:
      if (procedure >= vxi11::kCreateLink && procedure <= 26) {
        out.I32(8);  // operation not supported
        return;
      }
      reply.stat = rpc::kProcUnavail;
      return;
  }
  reply.stat = rpc::kGarbageArgs;
}

}  // namespace sim
