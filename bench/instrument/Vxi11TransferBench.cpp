// Sends a 16,777,216-point waveform to the simulated generator over loopback
// VXI-11 and reads it back through the program's own link: the send packs
// the samples into codes and writes the block (CInstrumentLink::
// WriteWaveRecord), the read-back requests the parameters and the block and
// unpacks it into volts (ReadWaveFromGenerator), each with the buffers it
// makes for itself. The instrument's settling pauses are not counted (the
// services' Sleep returns at once). The anchor moves the same bytes out and
// back through one loopback TCP connection to an echo peer, each side with
// a warm buffer, as a plain socket program would.
//
// Each round is a fresh process (this program started again with --one):
// its first send and read-back is the cold figure, the best of the later
// ones the warm figure, both against the best warm echo of that process.
// The best of the rounds counts. Prints: path ratio goal, the ratio the
// anchor's time over ours, a rate whose goal is a floor.
#include "bench/BenchCommon.h"
#include "instrument/InstrumentLink.h"
#include "instrument/LinkState.h"
#include "platform/services/BasicServices.h"
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "sim/SimGenerator.h"
#include "sim/Vxi11Server.h"
#include "waveform/WaveCollections.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kPoints = 16777216;
constexpr int kProcesses = 5;
constexpr int kWarmRounds = 4;
constexpr double kGoal = 0.5;

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

// The program's services with pauses that return at once.
class NoPauses : public services::BasicServices {
 public:
  void Sleep(DWORD) override {}
};

CWaveData BenchWave() {
  CWaveData w;
  w.freq = 1;
  w.frequnit = 3;
  w.vpp = 2;
  w.samplecount = static_cast<int>(kPoints);
  w.thedata.SetSize(static_cast<unsigned>(kPoints), FALSE);
  for (std::size_t i = 0; i < kPoints; ++i)
    w.thedata[static_cast<unsigned>(i)] = static_cast<float>(std::sin(i * 0.001) * 0.9);
  return w;
}

// The volts read back are the codes sent, scaled by the amplitude and
// offset the generator reports.
bool SameWave(const CWaveData& sent, const CString& tag) {
  std::vector<BYTE> frame;
  const std::size_t length = CInstrumentLink::PackWaveFrame("H", sent, frame, tag);
  const BYTE* codes = frame.data() + length - 2 * kPoints;
  const auto& back = g_LastReadWave.samples;
  const double half = g_LastReadWave.amplitude / 2, offset = g_LastReadWave.offset;
  if (back.GetSize() != kPoints) return false;
  for (unsigned i = 0; i < kPoints; ++i) {
    const auto code = static_cast<SHORT>(codes[2 * i] | codes[2 * i + 1] << 8);
    if (back.GetData()[i] != static_cast<float>(code * half / 32768 + offset)) return false;
  }
  return true;
}

// One fresh process: prints "cold warm echo" seconds, or nothing on failure.
int OneProcess() {
  NoPauses noPauses;
  services::Scoped scoped(noPauses);
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
  viOpenDefaultRM(&g_VisaDefaultRM);
  if (viOpen(g_VisaDefaultRM, "TCPIP0::127.0.0.1::INSTR", 0, 0, &g_VisaInstrument) != VI_SUCCESS) {
    std::fprintf(stderr, "cannot open the simulator\n");
    return 1;
  }
  viSetAttribute(g_VisaInstrument, VI_ATTR_TMO_VALUE, 120000);

  const CWaveData wave = BenchWave();
  const CString tag = "USBTMCKRV1000X";
  CInstrumentLink link;
  auto sendAndRead = [&] {
    return link.WriteWaveRecord("M0", wave, "bench", tag) &&
           link.ReadWaveFromGenerator("user:bench", tag);
  };
  std::vector<unsigned char> codes(2 * kPoints), back(2 * kPoints, 0);
  for (std::size_t i = 0; i < codes.size(); ++i)
    codes[i] = static_cast<unsigned char>(i * 2654435761u >> 13);
  TcpEcho echo(codes.size());

  // The first send and read-back of the process, then the two in turn.
  bool same = true;
  const double cold = bench::Seconds([&] { same = sendAndRead(); });
  same = same && SameWave(wave, tag);
  double warm = 1e300, echoed = 1e300;
  for (int r = 0; r < kWarmRounds && same; ++r) {
    echoed = std::min(echoed, bench::Seconds([&] { same = echo.RoundTrip(codes, back); }));
    warm = std::min(warm, bench::Seconds([&] { same = same && sendAndRead(); }));
  }
  same = same && SameWave(wave, tag);
  viClose(g_VisaDefaultRM);
  server.Stop();
  if (!same || back != codes) {
    std::fprintf(stderr, "vxi11: the read-back or the echo differs from what was sent\n");
    return 1;
  }
  std::printf("%.6f %.6f %.6f\n", cold, warm, echoed);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--one") == 0) return OneProcess();
  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  const std::string command = std::string(self) + " --one";
  double cold = 1e300, warm = 1e300, echo = 1e300;
  for (int p = 0; p < kProcesses; ++p) {
    std::fflush(nullptr);
    FILE* child = popen(command.c_str(), "r");
    double c = 0, w = 0, e = 0;
    const bool read = child && std::fscanf(child, "%lf %lf %lf", &c, &w, &e) == 3;
    if (child && pclose(child) != 0) return 1;
    if (!read) return 1;
    bench::Detail("vxi11 process %d: send + read back cold %.1f ms, warm %.1f ms; TCP echo %.1f ms",
                  p + 1, c * 1e3, w * 1e3, e * 1e3);
    cold = std::min(cold, c);
    warm = std::min(warm, w);
    echo = std::min(echo, e);
  }
  bench::Report("vxi11-send-readback-16M/cold", echo / cold, kGoal);
  bench::Report("vxi11-send-readback-16M/warm", echo / warm, kGoal);
  return 0;
}
