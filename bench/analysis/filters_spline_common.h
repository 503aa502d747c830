#pragma once
// Shared helpers of the analysis benchmarks: best-of timing, and running a
// python anchor script whose output lines the benchmark reads back.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace fsbench {

template <typename F>
double BestSeconds(int repeats, F&& run) {
  double best = 1e300;
  for (int i = 0; i < repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (took.count() < best) best = took.count();
  }
  return best;
}

// Runs a command and returns its standard output, one string a line.
inline std::vector<std::string> RunLines(const std::string& command) {
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return lines;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe)) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    lines.push_back(line);
  }
  pclose(pipe);
  return lines;
}

inline int RepeatsFor(long long size) { return size <= 16384 ? 50 : size <= 524288 ? 5 : 2; }

}  // namespace fsbench
