// The simulator program as users run it: its help, fault switches and log,
// refused settings, and its end on SIGTERM even while a client waits.
#include "SimFixtures.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

constexpr int kPatienceMs = 10000;

// pelmoran-sim in a child process, its standard output read here.
class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> args) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    args.insert(args.begin(), PELMORAN_SIM_PROGRAM);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, PELMORAN_SIM_PROGRAM, &actions, nullptr, argv.data(), environ) != 0)
      pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    out_ = out[0];
  }
  ~SimProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
  }

  // Standard output up to the end of its first line, or all of it when
  // `all`; what came within the patience.
  std::string Read(bool all = false) {
    std::string text;
    pollfd p{out_, POLLIN, 0};
    char c = 0;
    while (::poll(&p, 1, kPatienceMs) == 1 && ::read(out_, &c, 1) == 1) {
      if (!all && c == '\n') break;
      text += c;
    }
    return text;
  }

  // Sends the signal (none: 0) and waits for the end; the exit status, or -1
  // when the program did not end within the patience.
  int End(int signal = 0) {
    if (signal) ::kill(pid_, signal);
    int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    pollfd p{pidfd, POLLIN, 0};
    bool ended = pidfd < 0 || ::poll(&p, 1, kPatienceMs) == 1;
    if (pidfd >= 0) ::close(pidfd);
    if (!ended) return -1;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  // The portmapper port from the ready line.
  std::uint16_t Ready() {
    unsigned port = 0, core = 0;
    std::string line = Read();
    if (std::sscanf(line.c_str(), "ready portmapper=%u core=%u", &port, &core) != 2) return 0;
    return static_cast<std::uint16_t>(port);
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
};

std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::filesystem::path TempLog(const char* name) {
  return std::filesystem::temp_directory_path() /
         ("pelmoran-sim-" + std::to_string(::getpid()) + "-" + name + ".log");
}

}  // namespace

TEST(SimProgram, HelpListsEveryFaultAndModelAndExitsZero) {
  SimProcess sim({"--help"});
  std::string help = sim.Read(true);
  EXPECT_EQ(sim.End(), 0);
  for (const auto& fault : sim::kSimFaultTable)
    EXPECT_NE(help.find("  " + std::string(fault.name) + " "), std::string::npos) << fault.name;
  for (const auto& family : sim::GeneratorFamilies())
    EXPECT_NE(help.find(" " + std::string(family.model)), std::string::npos) << family.model;
  EXPECT_NE(help.find("--log FILE"), std::string::npos);
  SimProcess wrong({"--fault", "no-such-fault"});
  EXPECT_EQ(wrong.End(), 2);
}

// Record lengths the scope cannot hold are refused with an error in the log,
// the program goes on answering, and SIGTERM ends it.
TEST(SimProgram, RefusedRecordLengthsAreLoggedAndTheProgramGoesOn) {
  auto log = TempLog("scope");
  std::filesystem::remove(log);
  SimProcess sim({"--scope", "--port", "0", "--quiet", "--log", log.string()});
  std::uint16_t port = sim.Ready();
  ASSERT_NE(port, 0);
  visa::SetPortmapperPort(port);
  {
    simtest::VisaSession s(simtest::kLoopback);
    ASSERT_EQ(s.openStatus, VI_SUCCESS);
    for (const char* n : {"-1", "1e12", "4294967296"}) viPrintf(s.vi, "WFSU NP,%s\n", n);
    EXPECT_EQ(s.Query("C1:VDIV?\n"), "C1:VDIV 5.00E-01V\n");
  }
  visa::SetPortmapperPort(0);
  EXPECT_EQ(sim.End(SIGTERM), 0);
  std::string text = Slurp(log);
  EXPECT_NE(text.find("] WFSU NP,1e12\n"), std::string::npos) << text;
  EXPECT_NE(text.find("] error: record length out of range: 4294967296\n"), std::string::npos);
  EXPECT_NE(text.find("-> ["), std::string::npos);  // replies are logged too
  EXPECT_NE(text.find("] C1:VDIV 5.00E-01V\n"), std::string::npos);
  std::filesystem::remove(log);
}

// A fault switched on from the command line; SIGTERM ends the program while
// a client's read is still waiting for the reply that never comes.
TEST(SimProgram, FaultFromTheCommandLineAndSigtermWhileAReadWaits) {
  SimProcess sim({"--fault", "no-reply", "--port", "0", "--quiet"});
  std::uint16_t port = sim.Ready();
  ASSERT_NE(port, 0);
  visa::SetPortmapperPort(port);
  simtest::VisaSession s(simtest::kLoopback);
  ASSERT_EQ(s.openStatus, VI_SUCCESS);
  viSetAttribute(s.vi, VI_ATTR_TMO_VALUE, 60000);
  viPrintf(s.vi, "*IDN?\n");
  char reply[256] = {};
  ViStatus status = VI_SUCCESS;
  std::thread reader([&] { status = viScanf(s.vi, "%t", reply); });
  std::this_thread::yield();
  EXPECT_EQ(sim.End(SIGTERM), 0);
  reader.join();
  EXPECT_LT(status, 0);  // no reply: the read ends with an error, not an answer
  visa::SetPortmapperPort(0);
}
