#pragma once
// Timing and peak-memory helpers of the analysis benchmarks.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace bench {

// Best wall time in seconds over `reps` runs of `body` after `setup`.
inline double BestSeconds(int reps, const std::function<void()>& setup,
                          const std::function<void()>& body) {
  double best = 1e30;
  for (int r = 0; r < reps; ++r) {
    setup();
    const auto t0 = std::chrono::steady_clock::now();
    body();
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
  }
  return best;
}

// Peak resident memory in MiB of `body` run in a child process.
inline double ChildPeakMiB(const std::function<void()>& body) {
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return usage.ru_maxrss / 1024.0;
}

// Repetitions that keep a size's run short.
inline int RepsFor(long n) { return n <= 65536 ? 50 : n <= 2000000 ? 7 : 3; }

}  // namespace bench
