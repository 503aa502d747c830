#include "sim/Vxi11Server.h"

#include "platform/visa/Vxi11Protocol.h"
#include "sim/RpcWire.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace sim {
namespace {

// Arguments of every call but a write's data are small.
constexpr std::size_t kSmallArgs = 65536;
// From this size on a message is received into spare memory (AdoptSpare).
constexpr std::size_t kLongMessage = std::size_t{1} << 20;
// A read waits at most a day, whatever time-out the client asks for.
constexpr std::uint32_t kLongestWaitMs = 86400000;

int Listen(int type, const std::string& address, std::uint16_t port, std::uint16_t* bound,
           std::string* error) {
  int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    *error = std::strerror(errno);
    return -1;
  }
  int one = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  if (type == SOCK_DGRAM) ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1) {
    *error = "bad address " + address;
    ::close(fd);
    return -1;
  }
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      (type == SOCK_STREAM && ::listen(fd, 64) != 0)) {
    *error = std::string(type == SOCK_STREAM ? "TCP" : "UDP") + " port " + std::to_string(port) +
             ": " + std::strerror(errno);
    ::close(fd);
    return -1;
  }
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  *bound = ntohs(addr.sin_port);
  return fd;
}

// The portmapper's answer to a call of any program: the core channel's port
// for GETPORT of the core program over TCP, 0 for anything else.
rpc::XdrOut AnswerPortmapper(const rpc::Call& call, std::uint16_t corePort) {
  if (call.version != vxi11::kPortmapVersion)
    return rpc::ProgMismatchReply(call.xid, vxi11::kPortmapVersion);
  if (call.procedure == 0) return rpc::AcceptedReply(call.xid, rpc::kSuccess);
  if (call.procedure != vxi11::kPortmapGetPort)
    return rpc::AcceptedReply(call.xid, rpc::kProcUnavail);
  rpc::XdrIn in(call.args);
  std::uint32_t program = in.U32(), version = in.U32(), protocol = in.U32();
  if (!in.ok()) return rpc::AcceptedReply(call.xid, rpc::kGarbageArgs);
  rpc::XdrOut out = rpc::AcceptedReply(call.xid, rpc::kSuccess);
  bool ours = program == vxi11::kCoreProgram && version == vxi11::kCoreVersion &&
              protocol == vxi11::kIpProtoTcp;
  out.U32(ours ? corePort : 0);
  return out;
}

// One link of a connection: the message arriving in pieces and the reply
// being read out.
struct Link {
  ChannelId channel = kDefaultChannel;
  Bytes inbox;  // memory for the message; its first `used` bytes hold it
  std::size_t used = 0;
  bool receiving = false;  // pieces of a message arrived without END
  std::optional<SimReply> outbox;
  std::size_t outPos = 0;
};

// Serves the calls of one connection in order.
class Session {
 public:
  Session(int fd, std::shared_ptr<SimInstrument> instrument, const Vxi11ServerOptions& options,
          std::uint16_t corePort, std::atomic<std::int32_t>& nextLink,
          std::atomic<std::size_t>& liveLinks, std::atomic<std::size_t>& waitingReads,
          const std::atomic<bool>& running)
      : fd_(fd),
        in_(fd),
        instrument_(std::move(instrument)),
        options_(options),
        corePort_(corePort),
        nextLink_(nextLink),
        liveLinks_(liveLinks),
        waitingReads_(waitingReads),
        running_(running) {}

  ~Session() {
    for (auto& [lid, link] : links_) instrument_->CloseChannel(link.channel);
    liveLinks_ -= links_.size();
  }

  // False when the connection is to end.
  bool ServeOne() {
    if (!in_.Next()) return false;
    bool wrongVersion = false;
    std::uint32_t xid = 0;
    auto call = rpc::ParseCallHeader(in_, &wrongVersion, &xid);
    if (!call) {
      if (!in_.ok()) return false;
      if (wrongVersion) return Send(rpc::RpcMismatchReply(xid).bytes());
      return true;  // not a call: nothing to answer
    }
    if (call->program == vxi11::kCoreProgram && call->version == vxi11::kCoreVersion &&
        call->procedure == vxi11::kDeviceWrite)
      return Write(*call);
    if (!in_.ReadRest(&args_, kSmallArgs)) return false;
    rpc::Call whole;
    static_cast<rpc::CallHeader&>(whole) = *call;
    whole.args = args_;
    if (call->program == vxi11::kPortmapProgram)
      return Send(AnswerPortmapper(whole, corePort_).bytes());
    if (call->program != vxi11::kCoreProgram)
      return Send(rpc::AcceptedReply(call->xid, rpc::kProgUnavail).bytes());
    if (call->version != vxi11::kCoreVersion)
      return Send(rpc::ProgMismatchReply(call->xid, vxi11::kCoreVersion).bytes());
    if (call->procedure == vxi11::kDeviceRead) return Read(whole);
    return Send(Core(whole).bytes());
  }

 private:
  bool Send(std::span<const std::uint8_t> reply) { return rpc::WriteRecord(fd_, {reply}); }

  Link* Find(std::int32_t lid) {
    auto found = links_.find(lid);
    return found == links_.end() ? nullptr : &found->second;
  }

  // device_write: the data goes straight into the link's message.
  bool Write(const rpc::CallHeader& call) {
    std::int32_t lid = static_cast<std::int32_t>(in_.U32());
    in_.U32();  // io time-out
    in_.U32();  // lock time-out
    std::int32_t flags = static_cast<std::int32_t>(in_.U32());
    std::uint32_t size = in_.U32();
    if (!in_.ok()) return false;
    const std::size_t padded = (std::size_t{size} + 3) & ~std::size_t{3};
    auto answer = [&](std::int32_t error, std::uint32_t taken) {
      rpc::XdrOut out = rpc::AcceptedReply(call.xid, rpc::kSuccess);
      out.I32(error);
      out.U32(taken);
      return Send(out.bytes());
    };
    Link* link = Find(lid);
    if (!link) return in_.Skip(padded) && answer(vxi11::kInvalidLink, 0);
    const SimFaults faults = instrument_->Faults();
    if (faults.dropConnection) return false;
    if (size > options_.maxRecvSize) {  // more than the link announced it takes
      Discard(*link);
      return in_.Skip(padded) && answer(vxi11::kParameterError, 0);
    }
    if (link->used + size > kLargestMessage) {
      Discard(*link);
      return in_.Skip(padded) && answer(vxi11::kOutOfResources, 0);
    }
    if (faults.breakBlockWrite && link->receiving)  // the first piece stays on the instrument
      return in_.Skip(padded) && answer(vxi11::kIoError, 0);
    if (!link->receiving) {  // a new message: the last reply's unread rest is gone
      link->outbox.reset();
      link->used = 0;
    }
    const std::size_t need = link->used + size;
    if (link->inbox.capacity() < need && need >= kLongMessage) AdoptSpare(*link);
    if (link->inbox.capacity() < need)  // grows by doubling, filled only as far as it is used
      link->inbox.reserve(std::max(need, std::min(2 * link->inbox.capacity(), kLargestMessage)));
    link->inbox.resize(need);  // not zeroed: the data arrives in it next
    if (!in_.Read(link->inbox.data() + link->used, size) || !in_.Skip(padded - size)) return false;
    link->used += size;
    link->receiving = true;
    bool taken = true;
    if (flags & vxi11::kFlagEnd) {
      link->inbox.resize(link->used);
      link->receiving = false;
      link->used = 0;
      taken = instrument_->Receive(link->channel, std::exchange(link->inbox, Bytes()));
    }
    return answer(taken ? vxi11::kNoError : vxi11::kIoError, taken ? size : 0);
  }

  // A long message moves into the memory of a waveform nobody reads any
  // more, where there is one, instead of fresh pages. Only a long one: a
  // short query in between would take the memory and free it.
  void AdoptSpare(Link& link) {
    Bytes spare = instrument_->TakeSpare();
    if (spare.capacity() <= link.inbox.capacity()) return;
    if (spare.size() < link.used) spare.resize(link.used);
    std::copy_n(link.inbox.data(), link.used, spare.data());
    link.inbox = std::move(spare);
  }

  void Discard(Link& link) {
    link.used = 0;
    link.receiving = false;
  }

  // device_read: waits the client's time-out for a reply, then hands out the
  // requested piece of it without copying its body.
  bool Read(const rpc::Call& call) {
    rpc::XdrIn in(call.args);
    std::int32_t lid = in.I32();
    std::uint32_t requested = in.U32();
    std::uint32_t ioTimeout = in.U32();
    if (!in.ok()) return Send(rpc::AcceptedReply(call.xid, rpc::kGarbageArgs).bytes());
    rpc::XdrOut out = rpc::AcceptedReply(call.xid, rpc::kSuccess);
    Link* link = Find(lid);
    auto fail = [&](std::int32_t error) {
      out.I32(error);
      out.I32(0);
      out.U32(0);
      return Send(out.bytes());
    };
    if (!link) return fail(vxi11::kInvalidLink);
    if (instrument_->Faults().dropConnection) return false;
    if (!link->outbox) {
      auto next = instrument_->TakeReply(link->channel);
      // An instrument that answers nothing never will: the time-out is
      // answered at once, so no client waits it out.
      if (!next && instrument_->Faults().noReply) return fail(vxi11::kIoTimeout);
      if (!next) {
        ++waitingReads_;
        instrument_->WaitForReply(link->channel,
                                  std::chrono::milliseconds(std::min(ioTimeout, kLongestWaitMs)),
                                  [this] { return !running_; });
        --waitingReads_;
        next = instrument_->TakeReply(link->channel);
      }
      if (!next) return fail(vxi11::kIoTimeout);
      link->outbox = std::move(*next);
      link->outPos = 0;
    }
    std::size_t n = std::min<std::size_t>(requested, link->outbox->size() - link->outPos);
    auto [fromHead, fromBody] = link->outbox->Slice(link->outPos, n);
    std::shared_ptr<const Bytes> hold = link->outbox->body;  // alive while it is sent
    link->outPos += n;
    bool end = link->outPos == link->outbox->size();
    out.I32(vxi11::kNoError);
    out.I32(end ? vxi11::kReasonEnd : vxi11::kReasonReqCnt);
    out.U32(static_cast<std::uint32_t>(n));
    static const std::uint8_t kZeros[4] = {};
    std::span<const std::uint8_t> padding(kZeros, (4 - n % 4) % 4);
    bool sent = rpc::WriteRecord(fd_, {out.bytes(), fromHead, fromBody, padding});
    if (end) link->outbox.reset();
    return sent;
  }

  // The other core procedures.
  rpc::XdrOut Core(const rpc::Call& call) {
    rpc::XdrIn in(call.args);
    rpc::XdrOut out = rpc::AcceptedReply(call.xid, rpc::kSuccess);
    switch (call.procedure) {
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
          return out;
        }
        std::int32_t lid = nextLink_++;
        links_[lid].channel = instrument_->OpenChannel();
        ++liveLinks_;
        out.I32(vxi11::kNoError);
        out.I32(lid);
        out.U32(0);  // no abort channel
        out.U32(options_.maxRecvSize);
        return out;
      }
      case vxi11::kDeviceReadStb: {
        out.I32(Find(in.I32()) ? vxi11::kNoError : vxi11::kInvalidLink);
        out.U32(0);
        return out;
      }
      case vxi11::kDeviceClear: {
        Link* link = Find(in.I32());
        if (!link) {
          out.I32(vxi11::kInvalidLink);
          return out;
        }
        Discard(*link);
        link->outbox.reset();
        instrument_->Clear(link->channel);
        out.I32(vxi11::kNoError);
        return out;
      }
      case vxi11::kDestroyLink: {
        auto found = links_.find(in.I32());
        if (found == links_.end()) {
          out.I32(vxi11::kInvalidLink);
          return out;
        }
        instrument_->CloseChannel(found->second.channel);
        links_.erase(found);
        --liveLinks_;
        out.I32(vxi11::kNoError);
        return out;
      }
      default:
        if (call.procedure >= vxi11::kCreateLink && call.procedure <= 26) {
          out.I32(8);  // operation not supported
          return out;
        }
        return rpc::AcceptedReply(call.xid, rpc::kProcUnavail);
    }
    return rpc::AcceptedReply(call.xid, rpc::kGarbageArgs);
  }

  int fd_;
  rpc::RecordReader in_;
  std::shared_ptr<SimInstrument> instrument_;
  const Vxi11ServerOptions& options_;
  std::uint16_t corePort_;
  std::atomic<std::int32_t>& nextLink_;
  std::atomic<std::size_t>& liveLinks_;
  std::atomic<std::size_t>& waitingReads_;
  const std::atomic<bool>& running_;
  std::map<std::int32_t, Link> links_;
  std::vector<std::uint8_t> args_;
};

}  // namespace

Vxi11Server::Vxi11Server(std::shared_ptr<SimInstrument> instrument, Vxi11ServerOptions options)
    : instrument_(std::move(instrument)), options_(std::move(options)) {}

Vxi11Server::~Vxi11Server() { Stop(); }

bool Vxi11Server::Start(std::string* error) {
  if (running_) return true;
  // The portmapper answers on TCP and UDP at one port number; with a free
  // port asked for, the TCP port's number must be free on UDP too.
  for (int attempt = 0; attempt < 20 && portmapperUdpFd_ < 0; ++attempt) {
    portmapperFd_ =
        Listen(SOCK_STREAM, options_.address, options_.portmapperPort, &portmapperPort_, error);
    if (portmapperFd_ < 0) return false;
    std::uint16_t udpPort = 0;
    portmapperUdpFd_ = Listen(SOCK_DGRAM, options_.address, portmapperPort_, &udpPort, error);
    if (portmapperUdpFd_ < 0) {
      ::close(portmapperFd_);
      portmapperFd_ = -1;
      if (options_.portmapperPort != 0) return false;
    }
  }
  if (portmapperUdpFd_ < 0) return false;
  coreFd_ = Listen(SOCK_STREAM, options_.address, 0, &corePort_, error);
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
  std::list<std::unique_ptr<Connection>> connections;
  {
    std::lock_guard guard(lock_);
    for (auto& c : connections_) ::shutdown(c->fd, SHUT_RDWR);
    connections.swap(connections_);
  }
  instrument_->WakeWaiters();  // reads waiting for a reply give up
  for (auto& c : connections) c->thread.join();
  for (int* fd : {&portmapperFd_, &portmapperUdpFd_, &coreFd_, &wakeFds_[0], &wakeFds_[1]}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

Vxi11ServerStats Vxi11Server::Stats() const {
  std::lock_guard guard(lock_);
  return {liveConnections_, connections_.size(), liveLinks_, waitingReads_};
}

Vxi11ServerStats Vxi11Server::Settle(std::size_t connections, std::chrono::milliseconds limit) {
  {
    std::unique_lock guard(lock_);
    left_.wait_for(guard, limit, [&] { return liveConnections_ <= connections; });
    ReapLocked();
  }
  return Stats();
}

void Vxi11Server::ReapLocked() {
  for (auto it = connections_.begin(); it != connections_.end();) {
    if ((*it)->done) {
      (*it)->thread.join();
      it = connections_.erase(it);
    } else {
      ++it;
    }
  }
}

void Vxi11Server::AcceptLoop() {
  pollfd fds[4] = {{portmapperFd_, POLLIN, 0},
                   {coreFd_, POLLIN, 0},
                   {portmapperUdpFd_, POLLIN, 0},
                   {wakeFds_[0], POLLIN, 0}};
  while (running_) {
    if (::poll(fds, 4, -1) < 0 && errno != EINTR) return;
    if (fds[3].revents) return;
    for (int i = 0; i < 2; ++i)
      if (fds[i].revents & POLLIN) Accept(fds[i].fd);
    if (fds[2].revents & POLLIN) AnswerDatagram();
  }
}

void Vxi11Server::Accept(int listener) {
  int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return;
  int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  std::lock_guard guard(lock_);
  ReapLocked();  // the threads of clients that left are joined before a new one starts
  auto connection = std::make_unique<Connection>();
  connection->fd = fd;
  Connection& c = *connection;
  try {
    c.thread = std::thread([this, &c] { Serve(c); });
  } catch (const std::system_error&) {  // no thread to be had: this client is turned away
    ::close(fd);
    return;
  }
  ++liveConnections_;
  connections_.push_back(std::move(connection));
}

void Vxi11Server::AnswerDatagram() {
  std::uint8_t datagram[2048];
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  ssize_t n = ::recvfrom(portmapperUdpFd_, datagram, sizeof datagram, 0,
                         reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (n <= 0) return;
  std::span<const std::uint8_t> message(datagram, static_cast<std::size_t>(n));
  bool wrongVersion = false;
  auto call = rpc::ParseCall(message, &wrongVersion);
  rpc::XdrOut reply;
  if (!call) {
    if (!wrongVersion) return;
    reply = rpc::RpcMismatchReply(rpc::XdrIn(message).U32());
  } else if (call->program != vxi11::kPortmapProgram) {
    reply = rpc::AcceptedReply(call->xid, rpc::kProgUnavail);
  } else {
    reply = AnswerPortmapper(*call, corePort_);
  }
  ::sendto(portmapperUdpFd_, reply.bytes().data(), reply.bytes().size(), 0,
           reinterpret_cast<sockaddr*>(&from), fromLength);
}

void Vxi11Server::Serve(Connection& connection) {
  {
    Session session(connection.fd, instrument_, options_, corePort_, nextLink_, liveLinks_,
                    waitingReads_, running_);
    while (running_ && session.ServeOne()) {
    }
  }
  {
    std::lock_guard guard(lock_);
    ::close(connection.fd);
    connection.fd = -1;
    --liveConnections_;
    connection.done = true;
  }
  left_.notify_all();
}

}  // namespace sim
