// libFuzzer entry: the VXI-11 client over the replies a server sends. The
// client runs on one end of a loopback TCP connection (the RPC library takes
// no other kind of socket for TCP); a thread on the other end reads
// each RPC call and answers it with the next scripted reply body behind the
// call's own transaction id, so that the replies' contents, not a guessed
// id, decide what the client sees. A reply may be preceded by a stale record
// (another id, which the client must skip) and may come in several record
// fragments, and is followed by a refusal of the same call, which answers a
// body the client could not take as a reply. When the script is used up the
// server hangs up.
//
// Input: one byte choosing the calls (link, then writes, reads, clears as
// its bits say), one byte for the read capacity, then the script: entries of
// two bytes of length (little-endian), one byte of delivery (bit 0 a stale
// record first, bits 1-7 the fragment size, 0 for one fragment) and the body.
//
// Promises: a read never reports more bytes than it had room for, a success
// with END ends a message, and once the connection is lost every later call
// says so without touching the socket.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/visa/Vxi11Client.h"

namespace {

bool ReadAll(int fd, unsigned char* out, std::size_t size) {
  while (size) {
    const ssize_t n = ::recv(fd, out, size, 0);
    if (n <= 0) return false;
    out += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

void Send(int fd, const std::vector<unsigned char>& bytes) {
  ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// One call, its record fragments joined; false at the client's hang-up.
bool ReadCall(int fd, std::vector<unsigned char>& call) {
  call.clear();
  for (;;) {
    unsigned char mark[4];
    if (!ReadAll(fd, mark, 4)) return false;
    std::uint32_t header;
    std::memcpy(&header, mark, 4);
    header = ntohl(header);
    const std::size_t at = call.size();
    call.resize(at + (header & 0x7FFFFFFF));
    if (!ReadAll(fd, call.data() + at, header & 0x7FFFFFFF)) return false;
    if (header & 0x80000000) return true;
  }
}

void AppendWord(std::vector<unsigned char>& out, std::uint32_t word) {
  word = htonl(word);
  const auto* p = reinterpret_cast<const unsigned char*>(&word);
  out.insert(out.end(), p, p + 4);
}

// The record of one reply: the id, then the body, cut into fragments.
std::vector<unsigned char> Record(std::uint32_t xid, const unsigned char* body, std::size_t size,
                                  std::size_t fragment) {
  std::vector<unsigned char> message;
  AppendWord(message, xid);
  message.insert(message.end(), body, body + size);
  if (fragment == 0) fragment = message.size();
  std::vector<unsigned char> record;
  for (std::size_t at = 0; at < message.size(); at += fragment) {
    const std::size_t n = std::min(fragment, message.size() - at);
    AppendWord(record,
               static_cast<std::uint32_t>(n) | (at + n == message.size() ? 0x80000000u : 0u));
    record.insert(record.end(), message.begin() + static_cast<std::ptrdiff_t>(at),
                  message.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  return record;
}

void Serve(int fd, fuzz::Bytes& script) {
  std::vector<unsigned char> call;
  while (ReadCall(fd, call) && call.size() >= 4 && script.Left() > 0) {
    std::uint32_t xid;
    std::memcpy(&xid, call.data(), 4);
    xid = ntohl(xid);
    const std::size_t size = std::min<std::size_t>(script.Value<std::uint16_t>(), script.Left());
    const std::uint8_t delivery = script.Byte();
    const std::size_t body = std::min(size, script.Left());
    if (delivery & 1) Send(fd, Record(xid + 1, script.Rest(), body, 0));
    Send(fd, Record(xid, script.Rest(), body, delivery >> 1));
    // A body that is no reply at all is skipped by the client, which then
    // waits for another: this refusal of the call answers it at once, and a
    // client that took the scripted reply skips it as a stale record later.
    static constexpr unsigned char kDenied[] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    Send(fd, Record(xid, kDenied, sizeof kDenied, 0));
    for (std::size_t i = 0; i < body; ++i) script.Byte();
  }
  ::shutdown(fd, SHUT_RDWR);
}

// A connection closed with a reset, so that thousands of them leave no
// ports waiting.
void ResetOnClose(int fd) {
  const linger now{1, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
}

// Both ends of a new loopback connection, or false.
bool Connected(int ends[2]) {
  static const int listener = [] {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, 4) != 0)
      return -1;
    return fd;
  }();
  if (listener < 0) return false;
  sockaddr_in addr{};
  socklen_t size = sizeof addr;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &size);
  ends[0] = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (ends[0] < 0) return false;
  if (::connect(ends[0], reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      (ends[1] = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) < 0) {
    ::close(ends[0]);
    return false;
  }
  ResetOnClose(ends[0]);
  ResetOnClose(ends[1]);
  return true;
}

bool Known(ViStatus status) {
  return status == VI_SUCCESS || status == VI_SUCCESS_MAX_CNT || status == VI_ERROR_TMO ||
         status == VI_ERROR_IO || status == VI_ERROR_CONN_LOST || status == VI_ERROR_RSRC_LOCKED;
}

}  // namespace

// The RPC library keeps the verifier of a reply that reports an error or
// belongs to another call (it frees it after a successful call only): a few
// bytes a refused call, the library's own, which the client cannot free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libtirpc.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::uint8_t calls = in.Byte();
  const std::size_t capacity = in.Byte() * 16u + 1;
  int ends[2];
  if (!Connected(ends)) return 0;
  std::thread server([&] { Serve(ends[1], in); });
  {
    ViStatus status = VI_SUCCESS;
    // The socket is the link's from here on, closed with it or on a refusal.
    std::unique_ptr<visa::IVisaTransport> link = visa::OpenVxi11OnSocket(ends[0], "inst0", &status);
    FUZZ_PROMISE((link != nullptr) == (status == VI_SUCCESS));
    if (link) {
      link->SetTimeoutMs(100);
      bool lost = false;
      std::vector<unsigned char> buffer(capacity);
      const std::vector<unsigned char> message(calls & 0x10 ? 3000 : 6, 'Q');
      for (int step = 0; step < 4; ++step) {
        ViStatus result;
        switch ((calls >> (2 * step)) & 3) {
          case 0: {
            std::size_t written = 0;
            result = link->Write(message.data(), message.size(), &written);
            FUZZ_PROMISE(written <= message.size());
            FUZZ_PROMISE(result != VI_SUCCESS || written == message.size());
            break;
          }
          case 1:
          case 2: {
            const visa::ReadResult read = link->Read(buffer.data(), buffer.size());
            FUZZ_PROMISE(read.count <= buffer.size());
            FUZZ_PROMISE(!read.end || read.status == VI_SUCCESS);
            result = read.status;
            break;
          }
          default: result = link->Clear(); break;
        }
        FUZZ_PROMISE(Known(result));
        FUZZ_PROMISE(!lost || result == VI_ERROR_CONN_LOST);
        lost = lost || result == VI_ERROR_CONN_LOST;
      }
    }
  }
  server.join();
  ::close(ends[1]);
  return 0;
}
