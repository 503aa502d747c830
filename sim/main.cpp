// pelmoran-sim: a simulated generator or oscilloscope reachable over VXI-11,
// so the editor (or any VISA client) can connect to 127.0.0.1 without hardware.
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"
#include "sim/Vxi11Server.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

namespace {

void Usage(std::FILE* out) {
  std::fprintf(out,
               "usage: pelmoran-sim [--scope | --model NAME] [--address A] [--port P]\n"
               "                    [--max-recv N] [--fault NAME]... [--log FILE] [--quiet]\n"
               "  --scope        play an oscilloscope instead of a generator\n"
               "  --model NAME   the generator's model (default KRV1000X)\n"
               "  --address A    the address to serve on (default 127.0.0.1)\n"
               "  --port P       portmapper port, TCP and UDP (default 111; 0 picks a free one)\n"
               "  --max-recv N   largest write piece a link takes (default %u)\n"
               "  --fault NAME   switch a fault on (repeatable)\n"
               "  --log FILE     append every message and reply to FILE\n"
               "  --quiet        print nothing but the ready line\n"
               "  --help         print this and exit\n"
               "models:",
               sim::kDefaultMaxRecvSize);
  for (const auto& f : sim::GeneratorFamilies())
    std::fprintf(out, " %.*s", static_cast<int>(f.model.size()), f.model.data());
  std::fprintf(out, "\nfaults:\n");
  for (const auto& f : sim::kSimFaultTable)
    std::fprintf(out, "  %-18.*s %.*s\n", static_cast<int>(f.name.size()), f.name.data(),
                 static_cast<int>(f.help.size()), f.help.data());
}

int Refuse(const std::string& why) {
  std::fprintf(stderr, "pelmoran-sim: %s\n", why.c_str());
  Usage(stderr);
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

// Where the instrument's traffic goes: stderr unless quiet, and the log file.
struct Journal {
  std::mutex lock;
  std::FILE* file = nullptr;
  bool echo = true;
  void Write(const std::string& line) {
    std::lock_guard guard(lock);
    if (echo) std::fprintf(stderr, "sim %s\n", line.c_str());
    if (file) {
      std::fprintf(file, "%s\n", line.c_str());
      std::fflush(file);
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  sim::Vxi11ServerOptions options;
  sim::SimFaults faults;
  std::string model = "KRV1000X", logPath;
  bool scope = false, quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
    auto takesValue = [&] {
      if (!v) return false;
      ++i;
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      Usage(stdout);
      return 0;
    } else if (arg == "--scope") {
      scope = true;
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--model" && takesValue()) {
      model = v;
    } else if (arg == "--address" && takesValue()) {
      options.address = v;
    } else if (arg == "--log" && takesValue()) {
      logPath = v;
    } else if (arg == "--fault" && takesValue()) {
      if (!sim::SetFaultByName(faults, v)) return Refuse(std::string("no fault ") + v);
    } else if ((arg == "--port" || arg == "--max-recv") && takesValue()) {
      unsigned long n = 0;
      const unsigned long max = arg == "--port" ? 65535ul : 0xFFFFFFFFul;
      if (!ParseNumber(v, max, n) || (arg == "--max-recv" && n == 0))
        return Refuse("bad " + arg + " " + v);
      if (arg == "--port")
        options.portmapperPort = static_cast<std::uint16_t>(n);
      else
        options.maxRecvSize = static_cast<std::uint32_t>(n);
    } else {
      return Refuse("unknown argument " + arg);
    }
  }

  std::shared_ptr<sim::SimInstrument> instrument;
  if (scope) {
    instrument = std::make_shared<sim::SimScope>();
  } else {
    const sim::GeneratorFamily* family = sim::FindGeneratorFamily(model);
    if (!family) return Refuse("no model " + model);
    instrument = std::make_shared<sim::SimGenerator>(*family);
  }
  instrument->SetFaults(faults);

  auto journal = std::make_shared<Journal>();
  journal->echo = !quiet;
  if (!logPath.empty()) {
    journal->file = std::fopen(logPath.c_str(), "a");
    if (!journal->file) return Refuse("cannot open the log " + logPath);
  }
  if (journal->echo || journal->file)
    instrument->SetLogSink([journal](const std::string& line) { journal->Write(line); });

  // The stop signals are taken by this thread alone, with sigwait: blocked
  // before the server's threads start, so none of them can swallow one.
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stops, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  sim::Vxi11Server server(instrument, options);
  std::string error;
  if (!server.Start(&error)) {
    std::fprintf(stderr, "pelmoran-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("ready portmapper=%u core=%u\n", server.PortmapperPort(), server.CorePort());
  std::fflush(stdout);
  int signal = 0;
  while (sigwait(&stops, &signal) != 0) {
  }
  server.Stop();
  instrument->SetLogSink(nullptr);
  if (journal->file) std::fclose(journal->file);
  return 0;
}
