// pelmoran-sim: a simulated generator or oscilloscope reachable over VXI-11,
// so the editor (or any VISA client) can connect to 127.0.0.1 without hardware.
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"
#include "sim/Vxi11Server.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }
void PrintLine(const std::string& line) { std::fprintf(stderr, "sim <- %s\n", line.c_str()); }

int Usage() {
  std::fprintf(stderr,
               "usage: pelmoran-sim [--scope | --model NAME] [--address A] [--port P] "
               "[--max-recv N] [--quiet]\n"
               "  --port P      portmapper port (default 111; 0 picks a free one)\n"
               "  --max-recv N  largest write piece the link accepts (default 1048576)\n"
               "models:");
  for (const auto& f : sim::GeneratorFamilies())
    std::fprintf(stderr, " %.*s", static_cast<int>(f.model.size()), f.model.data());
  std::fprintf(stderr, "\n");
  return 2;
}

// A whole decimal number within [0, max]; anything else is refused.
bool ParseNumber(const char* text, unsigned long max, unsigned long& out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long v = std::strtoul(text, &end, 10);
  if (errno != 0 || *end != '\0' || text[0] == '-' || v > max) return false;
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  sim::Vxi11ServerOptions options;
  std::string model = "KRV1000X";
  bool scope = false, quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    const char* v = nullptr;
    if (arg == "--scope")
      scope = true;
    else if (arg == "--quiet")
      quiet = true;
    else if (arg == "--model" && (v = value()))
      model = v;
    else if (arg == "--address" && (v = value()))
      options.address = v;
    else if (arg == "--port" || arg == "--max-recv") {
      unsigned long n = 0;
      const unsigned long max = arg == "--port" ? 65535ul : 0xFFFFFFFFul;
      if (!ParseNumber(value(), max, n)) return Usage();
      if (arg == "--port")
        options.portmapperPort = static_cast<std::uint16_t>(n);
      else
        options.maxRecvSize = static_cast<std::uint32_t>(n);
    } else
      return Usage();
  }
  if (options.maxRecvSize == 0) return Usage();

  std::shared_ptr<sim::SimInstrument> instrument;
  if (scope) {
    instrument = std::make_shared<sim::SimScope>();
  } else {
    const sim::GeneratorFamily* family = sim::FindGeneratorFamily(model);
    if (!family) return Usage();
    instrument = std::make_shared<sim::SimGenerator>(*family);
  }
  if (!quiet) instrument->SetLogSink(PrintLine);

  sim::Vxi11Server server(instrument, options);
  std::string error;
  if (!server.Start(&error)) {
    std::fprintf(stderr, "pelmoran-sim: %s\n", error.c_str());
    return 1;
  }
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::printf("ready portmapper=%u core=%u\n", server.PortmapperPort(), server.CorePort());
  std::fflush(stdout);
  while (!g_stop) ::pause();
  server.Stop();
  return 0;
}
