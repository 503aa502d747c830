// Filter speed: the library's recursive filters through the facade (input
// vector to output vector, as scipy returns a new array) against
// scipy.signal.sosfilt of the same designs; single-threaded, best of several
// runs, same run.
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/facade/SgAnalysis.h"
#include "containers/CSgScalarVector.h"
#include "bench/analysis/filters_spline_common.h"

namespace {

using Vec = SG::CSgScalarVector<double>;

struct Case {
  const char* name;
  int (*run)(const Vec&, Vec&);
};

const Case kCases[] = {
    {"butterworth_lowpass_5",
     [](const Vec& x, Vec& y) { return SG::ButterworthLowPass(x, y, 1000.0, 100.0, 5); }},
    {"elliptic_bandpass_5",
     [](const Vec& x, Vec& y) {
       return SG::EllipticBandPass(x, y, 1000.0, 100.0, 200.0, 0.1, 40.0, 5);
     }},
    {"chebyshev_highpass_10",
     [](const Vec& x, Vec& y) { return SG::ChebyshevHighPass(x, y, 1000.0, 300.0, 0.1, 10); }},
};

}  // namespace

int main() {
  std::printf("%-24s %10s %12s %12s %8s\n", "filter", "samples", "library s", "scipy s", "ratio");
  for (long long size : {16384LL, 524288LL, 20971520LL}) {
    Vec x(static_cast<unsigned int>(size)), y;
    std::mt19937_64 rng(1);
    std::normal_distribution<double> normal;
    for (long long i = 0; i < size; ++i) x[static_cast<int>(i)] = normal(rng);
    const int repeats = fsbench::RepeatsFor(size);
    std::map<std::string, double> anchor;
    for (const std::string& line :
         fsbench::RunLines("/usr/bin/python3 " PELMORAN_BENCH_DIR "/filters_anchor.py " +
                           std::to_string(size) + " " + std::to_string(repeats))) {
      std::istringstream in(line);
      std::string name;
      double seconds = 0;
      if (in >> name >> seconds) anchor[name] = seconds;
    }
    for (const Case& c : kCases) {
      const double ours = fsbench::BestSeconds(repeats, [&] { c.run(x, y); });
      const double theirs = anchor.count(c.name) ? anchor[c.name] : NAN;
      std::printf("%-24s %10lld %12.6f %12.6f %8.3f\n", c.name, size, ours, theirs, ours / theirs);
    }
  }
  return 0;
}
