#pragma once
// The simulator's VXI-11 front end: its own portmapper (TCP and UDP, so
// broadcast discovery finds it) and the core channel, serving one simulated
// instrument. Every connection has a thread of its own, joined once the
// client has gone, and its links die with it; every link is a channel of the
// instrument with replies of its own. Messages end with the client's END
// flag; replies go out in pieces of the requested size, and a read waits the
// client's time-out for its reply.

#include "sim/SimInstrument.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace sim {

// What a link announces as the largest piece of a write. Debian's pyvisa-py
// marks the end of a message only on a piece sent when 1,024 bytes or fewer
// of it were left, so a larger size would leave its block writes unended.
constexpr std::uint32_t kDefaultMaxRecvSize = 1024;
// The largest message the instruments take: a 41,943,042-byte block and room
// for its header.
constexpr std::size_t kLargestMessage = 41943042 + 4096;

struct Vxi11ServerOptions {
  std::string address = "127.0.0.1";
  std::uint16_t portmapperPort = 111;  // 0: any free port
  std::uint32_t maxRecvSize = kDefaultMaxRecvSize;
};

struct Vxi11ServerStats {
  std::size_t connections = 0;   // clients connected now
  std::size_t threads = 0;       // connection threads not yet joined
  std::size_t links = 0;         // links open now
  std::size_t waitingReads = 0;  // reads waiting for their reply
};

class Vxi11Server {
 public:
  Vxi11Server(std::shared_ptr<SimInstrument> instrument, Vxi11ServerOptions options);
  ~Vxi11Server();
  Vxi11Server(const Vxi11Server&) = delete;
  Vxi11Server& operator=(const Vxi11Server&) = delete;

  bool Start(std::string* error);
  void Stop();
  std::uint16_t PortmapperPort() const { return portmapperPort_; }
  std::uint16_t CorePort() const { return corePort_; }

  Vxi11ServerStats Stats() const;
  // Waits (at most `limit`) until no more than `connections` clients are
  // connected, joins the threads of those that left and returns the counts.
  Vxi11ServerStats Settle(std::size_t connections, std::chrono::milliseconds limit);

 private:
  struct Connection {
    int fd = -1;
    std::thread thread;
    std::atomic<bool> done{false};
  };

  void AcceptLoop();
  void Accept(int listener);
  void AnswerDatagram();
  void Serve(Connection& connection);
  void ReapLocked();

  std::shared_ptr<SimInstrument> instrument_;
  Vxi11ServerOptions options_;
  int portmapperFd_ = -1, portmapperUdpFd_ = -1, coreFd_ = -1, wakeFds_[2] = {-1, -1};
  std::uint16_t portmapperPort_ = 0, corePort_ = 0;
  std::thread acceptor_;
  mutable std::mutex lock_;
  std::condition_variable left_;  // a connection ended
  std::list<std::unique_ptr<Connection>> connections_;
  std::atomic<std::int32_t> nextLink_{1};
  std::atomic<std::size_t> liveConnections_{0}, liveLinks_{0}, waitingReads_{0};
  std::atomic<bool> running_{false};
};

}  // namespace sim
