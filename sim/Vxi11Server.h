#pragma once
// The simulator's VXI-11 front end: its own portmapper (TCP) and the core
// channel on loopback, serving one simulated instrument. Messages end with
// the client's END flag; replies go out in pieces of the requested size.

#include "sim/SimInstrument.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace sim {

struct Vxi11ServerOptions {
  std::string address = "127.0.0.1";
  std::uint16_t portmapperPort = 111;  // 0: any free port
  std::uint32_t maxRecvSize = 1u << 20;
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

 private:
  struct Link {
    Bytes inbox;                     // message pieces before the END flag
    std::optional<SimReply> outbox;  // the reply being read
    std::size_t outPos = 0;
    bool serving = false;
  };

  void AcceptLoop();
  void Serve(int fd);
  struct Outgoing {
    Bytes head = {};                          // the reply up to the data
    std::shared_ptr<const Bytes> hold = {};   // keeps the data alive while it is sent
    Bytes headPart = {};                      // reply bytes from the text head
    std::span<const std::uint8_t> data = {};  // reply bytes from the shared body
    Bytes tail = {};                          // XDR padding after the data
  };
  Outgoing Dispatch(std::span<const std::uint8_t> message);
  void Core(std::uint32_t procedure, std::span<const std::uint8_t> args, struct CoreReply& reply);

  std::shared_ptr<SimInstrument> instrument_;
  Vxi11ServerOptions options_;
  int portmapperFd_ = -1, coreFd_ = -1, wakeFds_[2] = {-1, -1};
  std::uint16_t portmapperPort_ = 0, corePort_ = 0;
  std::thread acceptor_;
  std::mutex lock_;
  std::vector<std::thread> workers_;
  std::vector<int> connections_;
  std::map<std::int32_t, Link> links_;
  std::int32_t nextLink_ = 1;
  std::atomic<bool> running_{false};
};

}  // namespace sim
