// Window speed: the library's in-place windows against numpy multiplying by
// scipy's window into an array kept from the last call (ours works in place
// on the caller's array), single-threaded, the two called in turn.
#include "analysis/windows/Windows.h"
#include "bench/BenchCommon.h"

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr double kGoal = 1.0;
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
  bench::PythonAnchor numpy(PELMORAN_BENCH_DIR "/windows_anchor.py");
  for (int n : {16384, 524288, 20971520}) {
    std::vector<double> source(n), x(n);
    std::mt19937_64 rng(1);
    std::normal_distribution<double> normal;
    for (double& v : source) v = normal(rng);
    for (const Case& c : kCases) {
      const std::string request = std::string(c.name) + " " + std::to_string(n);
      double ours = 1e300, theirs = 1e300;
      for (int r = 0; r < bench::RunsFor(n); ++r) {
        std::memcpy(x.data(), source.data(), sizeof(double) * n);
        ours = std::min(ours, bench::Seconds([&] { c.apply(x.data(), n); }));
        theirs = std::min(theirs, numpy.Run(request));
      }
      bench::Detail("window %s %d: ours %.4f ms, numpy %.4f ms", c.name, n, ours * 1e3,
                    theirs * 1e3);
      bench::Report("window/" + std::string(c.name) + "/" + std::to_string(n), ours / theirs,
                    kGoal);
    }
  }
  return 0;
}
