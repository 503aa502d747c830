// Sends a 16,777,216-point waveform block to the simulated generator over
// loopback VXI-11 and reads it back, as the instrument link does (one
// viWrite of the block, the read-back request, one viRead into the link's
// buffer). The anchor moves the same bytes through one loopback TCP
// connection to an echo peer and back, each side copying into a warm buffer,
// as a plain socket program would. Both run alternately in this process; the
// minimum of several runs counts. Prints one line per path: path ratio goal.
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "sim/SimGenerator.h"
#include "sim/Vxi11Server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kPoints = 16777216;
constexpr int kRounds = 15;
constexpr double kGoal = 0.5;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

bool SendAll(int fd, const unsigned char* p, std::size_t n) {
  while (n) {
    ssize_t w = ::send(fd, p, n, MSG_NOSIGNAL);
    if (w <= 0) return false;
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

bool ReceiveAll(int fd, unsigned char* p, std::size_t n) {
  while (n) {
    ssize_t r = ::recv(fd, p, n, 0);
    if (r <= 0) return false;
    p += r;
    n -= static_cast<std::size_t>(r);
  }
  return true;
}

// The anchor: a connected loopback pair whose peer echoes each block from a
// warm buffer of its own.
class TcpEcho {
 public:
  explicit TcpEcho(std::size_t size) : held_(size, 1) {
    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(listener, 1);
    socklen_t len = sizeof addr;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    ::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    peer_ = ::accept(listener, nullptr, nullptr);
    ::close(listener);
    echo_ = std::thread([this] {
      while (ReceiveAll(peer_, held_.data(), held_.size()) &&
             SendAll(peer_, held_.data(), held_.size())) {
      }
    });
  }
  ~TcpEcho() {
    ::shutdown(fd_, SHUT_RDWR);
    echo_.join();
    ::close(fd_);
    ::close(peer_);
  }
  bool RoundTrip(const std::vector<unsigned char>& out, std::vector<unsigned char>& back) {
    return SendAll(fd_, out.data(), out.size()) && ReceiveAll(fd_, back.data(), back.size());
  }

 private:
  std::vector<unsigned char> held_;
  int fd_ = -1, peer_ = -1;
  std::thread echo_;
};

}  // namespace

int main() {
  auto gen = std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily("KRV1000X"));
  // A link that takes the whole block in one piece, as an instrument with
  // room for it announces (the simulator's default suits pyvisa-py instead).
  sim::Vxi11Server server(gen, {"127.0.0.1", 0, static_cast<std::uint32_t>(sim::kLargestMessage)});
  std::string error;
  if (!server.Start(&error)) {
    std::fprintf(stderr, "simulator: %s\n", error.c_str());
    return 1;
  }
  visa::SetPortmapperPort(server.PortmapperPort());

  std::string header =
      "C1:WVDT WVNM,bench,TYPE,5,LENGTH," + std::to_string(kPoints * 2 / 1024) +
      "KB,FREQ,1000.000000000,AMPL,2.000000000,OFST,0.000000000,PHASE,0.000000000,WAVEDATA,";
  std::vector<unsigned char> block(header.begin(), header.end());
  block.resize(header.size() + kPoints * 2);
  for (std::size_t i = 0; i < kPoints * 2; ++i)
    block[header.size() + i] = static_cast<unsigned char>(i * 2654435761u >> 13);
  const std::string head =
      "WVDT POS,USER,WVNM,bench,TYPE,5,LENGTH," + std::to_string(kPoints * 2) + "B,WAVEDATA,";

  ViSession rm = 0, vi = 0;
  viOpenDefaultRM(&rm);
  if (viOpen(rm, "TCPIP0::127.0.0.1::INSTR", 0, 0, &vi) != VI_SUCCESS) {
    std::fprintf(stderr, "cannot open the simulator\n");
    return 1;
  }
  viSetAttribute(vi, VI_ATTR_TMO_VALUE, 120000);
  // The link reads into one buffer kept for the run.
  std::vector<unsigned char> reply(41943042, 0);

  std::vector<unsigned char> samples(block.begin() + static_cast<std::ptrdiff_t>(header.size()),
                                     block.end());
  std::vector<unsigned char> back(samples.size(), 0);
  TcpEcho echo(samples.size());

  double best = 1e9, bestPlain = 1e9;
  bool same = true;
  for (int round = 0; round < kRounds; ++round) {
    ViUInt32 done = 0, got = 0;
    auto t0 = Clock::now();
    ViStatus w = viWrite(vi, block.data(), static_cast<ViUInt32>(block.size()), &done);
    viWrite(vi, reinterpret_cast<const unsigned char*>("WVDT? USER,bench"), 16, &done);
    ViStatus r = viRead(vi, reply.data(), static_cast<ViUInt32>(reply.size()), &got);
    auto t1 = Clock::now();
    same = same && w == VI_SUCCESS && r == VI_SUCCESS && got == head.size() + kPoints * 2 &&
           std::memcmp(reply.data() + head.size(), samples.data(), kPoints * 2) == 0;
    best = std::min(best, Seconds(t0, t1));

    auto t2 = Clock::now();
    bool echoed = echo.RoundTrip(samples, back);
    auto t3 = Clock::now();
    same = same && echoed && back == samples;
    bestPlain = std::min(bestPlain, Seconds(t2, t3));
  }
  viClose(rm);
  server.Stop();

  if (!same) {
    std::fprintf(stderr, "vxi11: the read-back or the echo differs from what was sent\n");
    return 1;
  }
  std::fprintf(stderr, "vxi11 send + read back %.1f ms, TCP echo %.1f ms\n", best * 1e3, bestPlain * 1e3);
  std::printf("vxi11-send-readback-16M %.2f %.2f\n", bestPlain / best, kGoal);
  return 0;
}
