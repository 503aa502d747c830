// The program as a process, started the way a user starts it (offscreen)
// and driven by the script of PELMORAN_DRIVE (app/Drive.h): each way out
// ends with status 0 and nothing on stderr from the sanitizers, and left
// alone in each state it spends no processor time and paints nothing.
// The rest test takes about seven seconds: four states of a second each,
// watched after they settle, plus two starts of the program.
#include "platform/afx/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
  int status = -1;  // the exit status; -1 when it did not exit by itself
  std::string err;  // what it wrote on stderr
};

// Runs the program with the arguments and the extra environment, waiting
// at most `limit` for it to end (then it is killed).
Outcome RunProgram(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment,
                   std::chrono::seconds limit = std::chrono::seconds(60)) {
  TempFolder folder;
  const std::string errFile = folder / "stderr.txt";
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  env.emplace_back("QT_QPA_PLATFORM=offscreen");
  env.insert(env.end(), environment.begin(), environment.end());
  std::vector<char*> envp, argv;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string program = PELMORAN_PROGRAM;
  argv.push_back(program.data());
  std::vector<std::string> args = arguments;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  pid_t pid = 0;
  Outcome out;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    out.err = "cannot start " + program;
    return out;
  }
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      status = -1;
      break;
    }
    const timespec step{0, 20'000'000};  // waiting for another process, not for time
    nanosleep(&step, nullptr);
  }
  if (status != -1 && WIFEXITED(status)) out.status = WEXITSTATUS(status);
  if (status != -1 && WIFSIGNALED(status)) out.status = 128 + WTERMSIG(status);
  std::ifstream in(errFile);
  std::stringstream text;
  text << in.rdbuf();
  out.err = text.str();
  return out;
}

void ExpectCleanExit(const Outcome& out) {
  EXPECT_EQ(out.status, 0) << out.err;
  for (const char* sign : {"AddressSanitizer", "runtime error", "LeakSanitizer"})
    EXPECT_EQ(out.err.find(sign), std::string::npos) << out.err;
}

class ProgramProcess : public testing::Test {
 protected:
  std::string Waveform() {
    const std::string path = files / "sine.csv";
    std::ofstream(path) << "xpos,value\n0,0\n1,0.5\n2,1\n3,0.5\n4,0\n5,-0.5\n6,-1\n7,-0.5\n";
    return path;
  }
  TempFolder files;
};

TEST_F(ProgramProcess, ExitFromTheMenuEndsWithStatusZero) {
  ExpectCleanExit(RunProgram({Waveform()}, {"PELMORAN_DRIVE=cmd:33001"}));
  ExpectCleanExit(RunProgram({}, {"PELMORAN_DRIVE=cmd:33001"}));
}

// A new waveform is never saved: the close box asks, and No lets it go.
TEST_F(ProgramProcess, TheCloseBoxAnsweredNoEndsWithStatusZero) {
  ExpectCleanExit(RunProgram({Waveform()}, {"PELMORAN_DRIVE=cmd:32840;click:1235;close;box:No"}));
}

// Resources without the main window's toolbar: the main frame cannot be
// made, and the program ends as the framework ends a failed start.
TEST_F(ProgramProcess, AFailedStartEndsWithStatusZero) {
  namespace fs = std::filesystem;
  const fs::path source = PELMORAN_RESOURCES_DIR;
  const fs::path broken = files / "resources";
  fs::create_directories(broken);
  for (const auto& entry : fs::directory_iterator(source))
    if (entry.path().filename() != "pelmoran.pmr")
      fs::create_directory_symlink(entry.path(), broken / entry.path().filename());
  std::ifstream in(source / "pelmoran.pmr");
  std::ofstream out(broken / "pelmoran.pmr");
  for (std::string line; std::getline(in, line);)
    out << (line.rfind("toolbar 256 ", 0) == 0 ? "toolbar 999 " + line.substr(12) : line) << '\n';
  out.close();
  ExpectCleanExit(RunProgram({Waveform()}, {"PELMORAN_RESOURCES=" + broken.string()}));
}

// Left alone with no window, with a waveform window and the panel docked,
// with the panel floating and with it hidden, the program waits: no
// processor time to speak of (a busy loop takes a second of it each
// second), no paint event, and no drawing outside painting.
TEST_F(ProgramProcess, AtRestItDoesNoWorkInAnyState) {
  const Outcome out = RunProgram({}, {"PELMORAN_DRIVE=idle:1000;open:" + Waveform() +
                                      ";idle:1000;float;idle:1000;cmd:32821;idle:1000;cmd:33001"});
  ExpectCleanExit(out);
  EXPECT_EQ(out.err.find("paintEngine"), std::string::npos) << out.err;
  const std::regex line(R"(drive: idle (\d+) ms cpu ([0-9.]+) s paints (\d+))");
  const char* states[] = {"no window", "a waveform window", "the panel floating",
                          "the panel hidden"};
  int n = 0;
  for (std::sregex_iterator it(out.err.begin(), out.err.end(), line), end; it != end; ++it, ++n) {
    ASSERT_LT(n, 4) << out.err;
    EXPECT_LT(std::stod((*it)[2]), 0.1) << states[n];
    EXPECT_EQ((*it)[3].str(), "0") << states[n];
  }
  EXPECT_EQ(n, 4) << out.err;
}

}  // namespace
