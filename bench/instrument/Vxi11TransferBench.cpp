// Sends a 16,777,216-point waveform block to the simulated generator over
// loopback VXI-11 and reads it back, then copies the same bytes through a
// plain loopback TCP connection and back; prints both rates and their ratio.
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "sim/SimGenerator.h"
#include "sim/Vxi11Server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
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
constexpr int kRounds = 3;

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

// The anchor: the same bytes to an echo peer over loopback TCP and back.
double PlainTcpSeconds(const std::vector<unsigned char>& bytes) {
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  ::listen(listener, 1);
  socklen_t len = sizeof addr;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
  std::thread echo([&] {
    int fd = ::accept(listener, nullptr, nullptr);
    std::vector<unsigned char> held(bytes.size());
    ReceiveAll(fd, held.data(), held.size());
    SendAll(fd, held.data(), held.size());
    ::close(fd);
  });
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  std::vector<unsigned char> back(bytes.size());
  auto t0 = Clock::now();
  SendAll(fd, bytes.data(), bytes.size());
  ReceiveAll(fd, back.data(), back.size());
  auto t1 = Clock::now();
  echo.join();
  ::close(fd);
  ::close(listener);
  if (back != bytes) std::fprintf(stderr, "plain copy differs\n");
  return Seconds(t0, t1);
}

}  // namespace

int main() {
  auto gen = std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily("KRV1000X"));
  sim::Vxi11Server server(gen, {"127.0.0.1", 0, 1u << 20});
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

  ViSession rm = 0, vi = 0;
  viOpenDefaultRM(&rm);
  if (viOpen(rm, "TCPIP0::127.0.0.1::INSTR", 0, 0, &vi) != VI_SUCCESS) {
    std::fprintf(stderr, "cannot open the simulator\n");
    return 1;
  }
  viSetAttribute(vi, VI_ATTR_TMO_VALUE, 120000);
  std::string head =
      "WVDT POS,USER,WVNM,bench,TYPE,5,LENGTH," + std::to_string(kPoints * 2) + "B,WAVEDATA,";
  std::vector<unsigned char> reply(head.size() + kPoints * 2 + 16);
  ViUInt32 done = 0, got = 0;

  // Best of three rounds for both, so one slow round does not decide.
  double bestWrite = 1e9, bestRead = 1e9, bestPlain = 1e9;
  bool same = true;
  std::vector<unsigned char> samples(block.begin() + static_cast<std::ptrdiff_t>(header.size()),
                                     block.end());
  for (int round = 0; round < kRounds; ++round) {
    auto t0 = Clock::now();
    ViStatus w = viWrite(vi, block.data(), static_cast<ViUInt32>(block.size()), &done);
    auto t1 = Clock::now();
    viWrite(vi, reinterpret_cast<const unsigned char*>("WVDT? USER,bench"), 16, &done);
    ViStatus r = viRead(vi, reply.data(), static_cast<ViUInt32>(reply.size()), &got);
    auto t2 = Clock::now();
    same = same && w == VI_SUCCESS && r == VI_SUCCESS && got == head.size() + kPoints * 2 &&
           std::memcmp(reply.data() + head.size(), samples.data(), kPoints * 2) == 0;
    if (Seconds(t0, t2) < bestWrite + bestRead) {
      bestWrite = Seconds(t0, t1);
      bestRead = Seconds(t1, t2);
    }
    bestPlain = std::min(bestPlain, PlainTcpSeconds(samples));
  }
  viClose(rm);
  server.Stop();

  double mb = kPoints * 2 * 2 / 1e6;  // out and back
  double vxiRate = mb / (bestWrite + bestRead), plainRate = mb / bestPlain;
  std::printf("waveform: %zu points, %.1f MB each way; read-back %s\n", kPoints, kPoints * 2 / 1e6,
              same ? "identical" : "DIFFERS");
  std::printf("VXI-11 write %.3f s, read %.3f s: %.0f MB/s (best of %d)\n", bestWrite, bestRead,
              vxiRate, kRounds);
  std::printf("plain TCP copy %.3f s: %.0f MB/s (best of %d)\n", bestPlain, plainRate, kRounds);
  std::printf("ratio VXI-11 / plain: %.2f (goal >= 0.50)\n", vxiRate / plainRate);
  return same ? 0 : 1;
}
