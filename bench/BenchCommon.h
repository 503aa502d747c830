#pragma once
// What every benchmark shares. Ours and the anchor run in turn in one process
// where the anchor is C or C++, or in turn with a Python process that times
// one anchor call per request, so that a busy machine slows both alike; the
// minimum of the runs counts. Each path ends in one line on stdout,
// "path ratio goal" (goal "-" where none is set), for scripts to read; the
// times behind it go to stderr.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

// Wall seconds of one call.
template <class F>
double Seconds(F&& body) {
  const auto start = std::chrono::steady_clock::now();
  body();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best seconds of each body over `runs` rounds, the bodies taking turns
// within a round; `setup` runs untimed before every timed call.
template <class Setup, class... Bodies>
auto BestInTurn(int runs, Setup&& setup, Bodies&&... bodies) {
  constexpr size_t kCount = sizeof...(Bodies);
  struct Result {
    double best[kCount];
    double operator[](size_t i) const { return best[i]; }
  } result;
  std::fill(result.best, result.best + kCount, 1e300);
  for (int r = 0; r < runs; ++r) {
    size_t i = 0;
    ((setup(), result.best[i] = std::min(result.best[i], Seconds(bodies)), ++i), ...);
  }
  return result;
}

inline void NoSetup() {}

// The line a script reads: the path, ours divided by the anchor, the goal.
inline void Report(const std::string& path, double ratio, double goal) {
  std::printf("%s %.3f %.2f\n", path.c_str(), ratio, goal);
  std::fflush(stdout);
}
// A ratio printed beside the goal's, for information only.
inline void ReportInformation(const std::string& path, double ratio) {
  std::printf("%s %.3f -\n", path.c_str(), ratio);
  std::fflush(stdout);
}
// The times behind a line.
template <class... Args>
void Detail(const char* format, Args... args) {
  std::fprintf(stderr, format, args...);
  std::fputc('\n', stderr);
}

// Repetitions that keep a size's run short.
inline int RunsFor(long long n) { return n <= 65536 ? 40 : n <= 2000000 ? 9 : 5; }

// A Python anchor kept running for the whole benchmark: each Run writes one
// request line and reads back the seconds of one timed call. The script
// prepares its data untimed on the first request of a size.
class PythonAnchor {
 public:
  explicit PythonAnchor(const std::string& script) {
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
    std::fflush(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(toChild[0], 0);
      dup2(fromChild[1], 1);
      close(toChild[1]);
      close(fromChild[0]);
      execl("/usr/bin/python3", "python3", script.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    in_ = fdopen(toChild[1], "w");
    out_ = fdopen(fromChild[0], "r");
  }
  ~PythonAnchor() {
    if (in_) std::fclose(in_);
    if (out_) std::fclose(out_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  PythonAnchor(const PythonAnchor&) = delete;
  PythonAnchor& operator=(const PythonAnchor&) = delete;

  // Seconds of one anchor call, or a NaN when the script gave no answer.
  double Run(const std::string& request) {
    if (!in_ || !out_) return std::nan("");
    std::fprintf(in_, "%s\n", request.c_str());
    std::fflush(in_);
    char line[128];
    if (!std::fgets(line, sizeof line, out_)) return std::nan("");
    return std::strtod(line, nullptr);
  }

 private:
  pid_t pid_ = -1;
  FILE* in_ = nullptr;
  FILE* out_ = nullptr;
};

// The process's resident bytes, as the system counts them (everything
// mapped and touched, whoever allocated it): the peak since the last
// ResetResidentPeak and the resident size now.
struct Resident {
  double peak = 0, now = 0;
};
inline Resident ResidentBytes() {
  Resident r;
  if (FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
      double kib = 0;
      if (std::sscanf(line, "VmHWM: %lf kB", &kib) == 1) r.peak = kib * 1024;
      if (std::sscanf(line, "VmRSS: %lf kB", &kib) == 1) r.now = kib * 1024;
    }
    std::fclose(status);
  }
  return r;
}
// Starts the peak again from the resident size now.
inline void ResetResidentPeak() {
  if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", refs);
    std::fclose(refs);
  }
}

// Bytes per sample that `body` leaves resident and holds at its peak, from
// the process's resident size before, during and after it.
struct ResidentPerSample {
  double settled = 0, peak = 0;
};
template <class Body>
ResidentPerSample MeasureResident(double samples, Body&& body) {
  ResetResidentPeak();
  const Resident before = ResidentBytes();
  body();
  const Resident after = ResidentBytes();
  return {(after.now - before.now) / samples, (after.peak - before.now) / samples};
}

// Peak resident MiB that `body` adds to what `setup` left, both run in a
// child process so that nothing the parent has freed is reused.
template <class Setup, class Body>
double ChildPeakMiB(Setup&& setup, Body&& body) {
  std::fflush(nullptr);
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    setup();
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    body();
    getrusage(RUSAGE_SELF, &after);
    const double mib = (after.ru_maxrss - before.ru_maxrss) / 1024.0;
    if (write(fds[1], &mib, sizeof mib) != sizeof mib) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  double mib = -1;
  if (read(fds[0], &mib, sizeof mib) != sizeof mib) mib = -1;
  close(fds[0]);
  waitpid(pid, nullptr, 0);
  return mib;
}

}  // namespace bench
