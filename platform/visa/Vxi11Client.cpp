#include "platform/visa/Vxi11Client.h"

#include "platform/visa/VisaConfig.h"
#include "platform/visa/Vxi11Protocol.h"

#include <rpc/rpc.h>

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace visa {
namespace {

using vxi11::kCoreProgram;
using vxi11::kCoreVersion;

// The argument and result records, with XDR routines over libtirpc's
// primitives (32-bit fields throughout, as the protocol defines them).
struct CreateLinkParms {
  std::int32_t clientId = 0;
  bool_t lockDevice = 0;
  std::uint32_t lockTimeout = 0;
  char* device = nullptr;
};
struct CreateLinkResp {
  std::int32_t error = 0;
  std::int32_t lid = 0;
  std::uint32_t abortPort = 0;
  std::uint32_t maxRecvSize = 0;
};
struct WriteParms {
  std::int32_t lid = 0;
  std::uint32_t ioTimeout = 0;
  std::uint32_t lockTimeout = 0;
  std::int32_t flags = 0;
  char* data = nullptr;
  u_int size = 0;
};
struct WriteResp {
  std::int32_t error = 0;
  std::uint32_t size = 0;
};
struct ReadParms {
  std::int32_t lid = 0;
  std::uint32_t requestSize = 0;
  std::uint32_t ioTimeout = 0;
  std::uint32_t lockTimeout = 0;
  std::int32_t flags = 0;
  std::int32_t termChar = 0;
};
struct ReadResp {
  std::int32_t error = 0;
  std::int32_t reason = 0;
  char* data = nullptr;  // points into the caller's buffer while decoding
  u_int size = 0;
  u_int capacity = 0;  // decoding fails rather than exceed this
};
struct GenericParms {
  std::int32_t lid = 0;
  std::int32_t flags = 0;
  std::uint32_t lockTimeout = 0;
  std::uint32_t ioTimeout = 0;
};

bool_t XdrCreateLinkParms(XDR* x, void* p) {
  auto* v = static_cast<CreateLinkParms*>(p);
  return xdr_int32_t(x, &v->clientId) && xdr_bool(x, &v->lockDevice) &&
         xdr_u_int32_t(x, &v->lockTimeout) && xdr_string(x, &v->device, 4096);
}
bool_t XdrCreateLinkResp(XDR* x, void* p) {
  auto* v = static_cast<CreateLinkResp*>(p);
  return xdr_int32_t(x, &v->error) && xdr_int32_t(x, &v->lid) && xdr_u_int32_t(x, &v->abortPort) &&
         xdr_u_int32_t(x, &v->maxRecvSize);
}
bool_t XdrWriteParms(XDR* x, void* p) {
  auto* v = static_cast<WriteParms*>(p);
  return xdr_int32_t(x, &v->lid) && xdr_u_int32_t(x, &v->ioTimeout) &&
         xdr_u_int32_t(x, &v->lockTimeout) && xdr_int32_t(x, &v->flags) &&
         xdr_bytes(x, &v->data, &v->size, v->size);
}
bool_t XdrWriteResp(XDR* x, void* p) {
  auto* v = static_cast<WriteResp*>(p);
  return xdr_int32_t(x, &v->error) && xdr_u_int32_t(x, &v->size);
}
bool_t XdrReadParms(XDR* x, void* p) {
  auto* v = static_cast<ReadParms*>(p);
  return xdr_int32_t(x, &v->lid) && xdr_u_int32_t(x, &v->requestSize) &&
         xdr_u_int32_t(x, &v->ioTimeout) && xdr_u_int32_t(x, &v->lockTimeout) &&
         xdr_int32_t(x, &v->flags) && xdr_int32_t(x, &v->termChar);
}
bool_t XdrReadResp(XDR* x, void* p) {
  auto* v = static_cast<ReadResp*>(p);
  return xdr_int32_t(x, &v->error) && xdr_int32_t(x, &v->reason) &&
         xdr_bytes(x, &v->data, &v->size, v->capacity);
}
bool_t XdrGenericParms(XDR* x, void* p) {
  auto* v = static_cast<GenericParms*>(p);
  return xdr_int32_t(x, &v->lid) && xdr_int32_t(x, &v->flags) &&
         xdr_u_int32_t(x, &v->lockTimeout) && xdr_u_int32_t(x, &v->ioTimeout);
}
bool_t XdrInt32(XDR* x, void* p) { return xdr_int32_t(x, static_cast<std::int32_t*>(p)); }
bool_t XdrUInt32(XDR* x, void* p) { return xdr_u_int32_t(x, static_cast<std::uint32_t*>(p)); }

struct PmapParms {
  std::uint32_t prog, vers, prot, port;
};
bool_t XdrPmapParms(XDR* x, void* p) {
  auto* v = static_cast<PmapParms*>(p);
  return xdr_u_int32_t(x, &v->prog) && xdr_u_int32_t(x, &v->vers) && xdr_u_int32_t(x, &v->prot) &&
         xdr_u_int32_t(x, &v->port);
}

#define XP(f) reinterpret_cast<xdrproc_t>(f)

// The RPC library writes with write(), which raises SIGPIPE when the peer
// has closed the connection: that would end the program. While an RPC runs
// the signal is held back for the calling thread, and one it raised is taken
// off again, so a closed peer is only the call's error.
class SigpipeHold {
 public:
  SigpipeHold() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    sigset_t pending;
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
  }
  ~SigpipeHold() {
    if (!wasPending_) {
      const timespec now{0, 0};
      while (sigtimedwait(&pipe_, nullptr, &now) == SIGPIPE) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  SigpipeHold(const SigpipeHold&) = delete;
  SigpipeHold& operator=(const SigpipeHold&) = delete;

 private:
  sigset_t pipe_, previous_;
  bool wasPending_ = false;
};

clnt_stat Call(CLIENT* client, std::uint32_t procedure, xdrproc_t in, void* args, xdrproc_t out,
               void* results, timeval wait) {
  SigpipeHold hold;
  return clnt_call(client, procedure, in, static_cast<caddr_t>(args), out,
                   static_cast<caddr_t>(results), wait);
}

timeval Seconds(std::uint32_t ms) {
  return timeval{static_cast<time_t>(ms / 1000), static_cast<suseconds_t>((ms % 1000) * 1000)};
}

ViStatus MapDeviceError(std::int32_t error) {
  switch (error) {
    case vxi11::kNoError: return VI_SUCCESS;
    case vxi11::kIoTimeout: return VI_ERROR_TMO;
    case vxi11::kDeviceLocked: return VI_ERROR_RSRC_LOCKED;
    case vxi11::kInvalidLink: return VI_ERROR_CONN_LOST;
    default: return VI_ERROR_IO;
  }
}

bool Resolve(const std::string& host, sockaddr_in* out) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
  std::memcpy(out, found->ai_addr, sizeof *out);
  freeaddrinfo(found);
  return true;
}

// The RPC library copies every block through its record buffers: a quarter
// megabyte moves a block of tens of megabytes in few system calls, stays in
// the processor's cache while each piece passes through it, and faults in
// only a few dozen pages on a link's first block.
constexpr u_int kRecordBuffer = 1u << 18;
// Slack on top of the device's own time-out before the RPC call gives up.
constexpr std::uint32_t kRpcSlackMs = 5000;

// The device's own time-out plus slack; an infinite one waits a day.
timeval RpcWait(std::uint32_t ms) {
  std::uint64_t total = ms == VI_TMO_INFINITE ? 86400000ull : std::uint64_t{ms} + kRpcSlackMs;
  return timeval{static_cast<time_t>(total / 1000),
                 static_cast<suseconds_t>((total % 1000) * 1000)};
}

// A socket connected to addr within the open time-out, or -1. A host that
// does not answer (an address nobody has, a full backlog) fails within that
// time instead of the system's connection time-out of minutes.
int ConnectWithin(const sockaddr_in& addr, std::uint32_t ms) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
  if (rc != 0 && errno == EINPROGRESS) {
    pollfd p{fd, POLLOUT, 0};
    int error = 0;
    socklen_t size = sizeof error;
    do {
      rc = ::poll(&p, 1, static_cast<int>(std::min<std::uint32_t>(ms, 0x7FFFFFFF)));
    } while (rc < 0 && errno == EINTR);
    rc = rc == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0 ? 0
                                                                                             : -1;
  }
  if (rc != 0) {
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// The core channel's socket, connected here so that a call's last small
// piece goes out at once instead of waiting for the acknowledgement of the
// large piece before it.
int ConnectWithoutDelay(const sockaddr_in& addr) {
  int fd = ConnectWithin(addr, GetOpenTimeoutMs());
  if (fd < 0) return -1;
  int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  return fd;
}

std::uint16_t AskPortmapper(sockaddr_in addr, std::uint16_t pmPort) {
  addr.sin_port = htons(pmPort);
  int sock = ConnectWithin(addr, GetOpenTimeoutMs());
  if (sock < 0) return 0;
  CLIENT* pm = clnttcp_create(&addr, vxi11::kPortmapProgram, vxi11::kPortmapVersion, &sock, 0, 0);
  if (!pm) {
    ::close(sock);
    return 0;
  }
  PmapParms parms{kCoreProgram, kCoreVersion, vxi11::kIpProtoTcp, 0};
  std::uint32_t port = 0;
  clnt_stat stat = Call(pm, vxi11::kPortmapGetPort, XP(XdrPmapParms), &parms, XP(XdrUInt32), &port,
                        Seconds(5000));
  clnt_destroy(pm);
  ::close(sock);  // a socket handed in is the caller's to close
  return stat == RPC_SUCCESS && port > 0 && port <= 0xFFFF ? static_cast<std::uint16_t>(port) : 0;
}

// One link. Once its connection is lost every later call fails at once
// with VI_ERROR_CONN_LOST: nothing more is written to a closed peer.
class Vxi11Transport final : public IVisaTransport {
 public:
  Vxi11Transport(CLIENT* client, std::int32_t lid, std::uint32_t maxRecv)
      : client_(client), lid_(lid), maxRecv_(maxRecv ? maxRecv : 1024) {}

  ~Vxi11Transport() override {
    if (!lost_) {
      std::int32_t lid = lid_, error = 0;
      Call(client_, vxi11::kDestroyLink, XP(XdrInt32), &lid, XP(XdrInt32), &error, Seconds(2000));
    }
    SigpipeHold hold;
    clnt_destroy(client_);
  }

  ViStatus Write(const unsigned char* data, std::size_t size, std::size_t* written) override {
    *written = 0;
    if (lost_) return VI_ERROR_CONN_LOST;
    do {
      std::size_t piece = std::min<std::size_t>(size - *written, maxRecv_);
      bool last = *written + piece == size;
      WriteParms parms;
      parms.lid = lid_;
      parms.ioTimeout = timeoutMs_;
      parms.flags = last ? vxi11::kFlagEnd : 0;
      parms.data = reinterpret_cast<char*>(const_cast<unsigned char*>(data + *written));
      parms.size = static_cast<u_int>(piece);
      WriteResp resp;
      clnt_stat stat = Call(client_, vxi11::kDeviceWrite, XP(XdrWriteParms), &parms,
                            XP(XdrWriteResp), &resp, RpcWait(timeoutMs_));
      if (stat != RPC_SUCCESS) return Failed(stat);
      if (resp.error != vxi11::kNoError) return MapDeviceError(resp.error);
      if (resp.size == 0 && piece > 0) return VI_ERROR_IO;  // would never progress
      *written += std::min<std::size_t>(resp.size, piece);
    } while (*written < size);
    return VI_SUCCESS;
  }

  ReadResult Read(unsigned char* buffer, std::size_t capacity) override {
    ReadResult result;
    if (lost_) {
      result.status = VI_ERROR_CONN_LOST;
      return result;
    }
    while (result.count < capacity) {
      std::size_t want = std::min<std::size_t>(capacity - result.count, 0x7FFFFFFF);
      ReadParms parms;
      parms.lid = lid_;
      parms.requestSize = static_cast<std::uint32_t>(want);
      parms.ioTimeout = timeoutMs_;
      ReadResp resp;
      resp.data = reinterpret_cast<char*>(buffer + result.count);
      resp.capacity = static_cast<u_int>(want);
      clnt_stat stat = Call(client_, vxi11::kDeviceRead, XP(XdrReadParms), &parms, XP(XdrReadResp),
                            &resp, RpcWait(timeoutMs_));
      if (stat != RPC_SUCCESS) {
        result.status = stat == RPC_CANTDECODERES ? VI_ERROR_IO : Failed(stat);
        return result;
      }
      if (resp.error != vxi11::kNoError) {
        result.status = MapDeviceError(resp.error);
        return result;
      }
      result.count += resp.size;
      if (resp.reason & (vxi11::kReasonEnd | vxi11::kReasonChr)) {
        result.end = true;
        return result;
      }
      if (resp.size == 0) {  // neither data nor an end: the server is stuck
        result.status = VI_ERROR_IO;
        return result;
      }
    }
    result.status = VI_SUCCESS_MAX_CNT;
    return result;
  }

  ViStatus Clear() override {
    if (lost_) return VI_ERROR_CONN_LOST;
    GenericParms parms{lid_, 0, 0, timeoutMs_};
    std::int32_t error = 0;
    clnt_stat stat = Call(client_, vxi11::kDeviceClear, XP(XdrGenericParms), &parms, XP(XdrInt32),
                          &error, RpcWait(timeoutMs_));
    if (stat != RPC_SUCCESS) return Failed(stat);
    return MapDeviceError(error);
  }

  void SetTimeoutMs(ViUInt32 ms) override { timeoutMs_ = ms; }
  ViUInt32 TimeoutMs() const override { return timeoutMs_; }

 private:
  // A call that timed out leaves the connection usable (a late reply is
  // skipped by its xid); any other failure means it is gone.
  ViStatus Failed(clnt_stat stat) {
    if (stat == RPC_TIMEDOUT) return VI_ERROR_TMO;
    lost_ = true;
    return VI_ERROR_CONN_LOST;
  }

  CLIENT* client_;
  std::int32_t lid_;
  std::uint32_t maxRecv_;
  ViUInt32 timeoutMs_ = kDefaultTimeoutMs;
  bool lost_ = false;
};

}  // namespace

namespace {

// Creates the link on the connected core-channel socket, which the client
// then owns (closed with it, or here when the link was refused).
std::unique_ptr<IVisaTransport> CreateLink(int sock, sockaddr_in addr, const std::string& device,
                                           ViStatus* status) {
  *status = VI_ERROR_RSRC_NFOUND;
  CLIENT* client =
      clnttcp_create(&addr, kCoreProgram, kCoreVersion, &sock, kRecordBuffer, kRecordBuffer);
  if (!client) {
    ::close(sock);
    return nullptr;
  }
  clnt_control(client, CLSET_FD_CLOSE, nullptr);
  CreateLinkParms parms;
  parms.clientId = static_cast<std::int32_t>(getpid());
  parms.device = const_cast<char*>(device.c_str());
  CreateLinkResp resp;
  clnt_stat stat = Call(client, vxi11::kCreateLink, XP(XdrCreateLinkParms), &parms,
                        XP(XdrCreateLinkResp), &resp, RpcWait(kDefaultTimeoutMs));
  if (stat != RPC_SUCCESS || resp.error != vxi11::kNoError) {
    SigpipeHold hold;
    clnt_destroy(client);
    return nullptr;
  }
  *status = VI_SUCCESS;
  return std::make_unique<Vxi11Transport>(client, resp.lid, resp.maxRecvSize);
}

}  // namespace

std::unique_ptr<IVisaTransport> OpenVxi11(const TcpipResource& resource,
                                          std::uint16_t portmapperPort, ViStatus* status) {
  *status = VI_ERROR_RSRC_NFOUND;
  sockaddr_in addr{};
  if (!Resolve(resource.host, &addr)) return nullptr;
  std::uint16_t port = AskPortmapper(addr, portmapperPort);
  if (port == 0) return nullptr;
  addr.sin_port = htons(port);
  int sock = ConnectWithoutDelay(addr);
  if (sock < 0) return nullptr;
  return CreateLink(sock, addr, resource.device, status);
}

std::unique_ptr<IVisaTransport> OpenVxi11OnSocket(int sock, const std::string& device,
                                                  ViStatus* status) {
  // The RPC library asks the portmapper for a port of 0 and connects a
  // socket that is not connected yet; this one is, so any port will do.
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(1);
  return CreateLink(sock, addr, device, status);
}

}  // namespace visa
