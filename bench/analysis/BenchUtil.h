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

// Best wall times of two bodies run alternately, so that a busy machine
// slows both alike.
inline void BestOfPair(int reps, const std::function<void()>& a, const std::function<void()>& b,
                       double& bestA, double& bestB) {
  bestA = bestB = 1e30;
  for (int r = 0; r < reps; ++r) {
    bestA = std::min(bestA, BestSeconds(
                                1, [] {}, a));
    bestB = std::min(bestB, BestSeconds(
                                1, [] {}, b));
  }
}

// Peak resident memory in MiB that `body` adds to what `setup` left, both
// run in a child process so that nothing the parent has freed is reused.
inline double ChildPeakMiB(const std::function<void()>& setup, const std::function<void()>& body) {
  std::fflush(stdout);
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

// Repetitions that keep a size's run short.
inline int RepsFor(long n) { return n <= 65536 ? 50 : n <= 2000000 ? 7 : 3; }

}  // namespace bench
