// Window speed: the library's in-place windows against numpy multiplying by
// scipy's window, single-threaded, best of several runs, same run.
#include "analysis/windows/Windows.h"
#include "bench/analysis/BenchUtil.h"
#include "bench/analysis/filters_spline_common.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct Case {
  const char* name;
  int (*apply)(double*, int);
};
const Case kCases[] = {
    {"hanning", SgCore::HanningWindowCore},
    {"kaiser_4.86", [](double* x, int n) { return SgCore::KaiserWindowCore(x, n, 4.86); }},
    {"flat_top", SgCore::FlatTopWindowCore},
};
}  // namespace

int main() {
  std::printf("%-14s %10s %12s %12s %8s\n", "window", "samples", "library ms", "numpy ms", "ratio");
  for (int n : {16384, 524288, 20971520}) {
    std::vector<double> source(n), x(n);
    std::mt19937_64 rng(1);
    std::normal_distribution<double> normal;
    for (double& v : source) v = normal(rng);
    const int reps = bench::RepsFor(n);
    std::map<std::string, double> anchor;
    for (const std::string& line :
         fsbench::RunLines("/usr/bin/python3 " PELMORAN_BENCH_DIR "/windows_anchor.py " +
                           std::to_string(n) + " " + std::to_string(reps))) {
      std::istringstream in(line);
      std::string name;
      double seconds = 0;
      if (in >> name >> seconds) anchor[name] = seconds;
    }
    for (const Case& c : kCases) {
      const double ours = bench::BestSeconds(
          reps, [&] { x = source; }, [&] { c.apply(x.data(), n); });
      const double theirs = anchor.count(c.name) ? anchor[c.name] : NAN;
      std::printf("%-14s %10d %12.3f %12.3f %8.2f\n", c.name, n, ours * 1e3, theirs * 1e3,
                  ours / theirs);
    }
  }
  return 0;
}
