// Filter speed: the library's recursive filters through the facade, input
// vector to a new output vector (as scipy returns a new array), against
// scipy.signal.sosfilt of the same designs, the two called in turn. A run
// into an output vector kept from the previous call is printed beside it.
#include <cstdio>
#include <random>
#include <string>

#include "analysis/facade/SgAnalysis.h"
#include "bench/BenchCommon.h"
#include "containers/CSgScalarVector.h"

namespace {

using Vec = SG::CSgScalarVector<double>;
constexpr double kGoal = 1.0;

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
  bench::PythonAnchor scipy(PELMORAN_BENCH_DIR "/filters_anchor.py");
  for (long long size : {16384LL, 524288LL, 20971520LL}) {
    Vec x(static_cast<unsigned int>(size)), kept;
    std::mt19937_64 rng(1);
    std::normal_distribution<double> normal;
    for (long long i = 0; i < size; ++i) x[static_cast<int>(i)] = normal(rng);
    for (const Case& c : kCases) {
      const std::string request = std::string(c.name) + " " + std::to_string(size);
      double ours = 1e300, reused = 1e300, theirs = 1e300;
      for (int r = 0; r < bench::RunsFor(size); ++r) {
        ours = std::min(ours, bench::Seconds([&] {
                          Vec y;
                          c.run(x, y);
                        }));
        theirs = std::min(theirs, scipy.Run(request));
        reused = std::min(reused, bench::Seconds([&] { c.run(x, kept); }));
      }
      bench::Detail("iir %s %lld: ours %.6f s (into a kept vector %.6f s), sosfilt %.6f s", c.name,
                    size, ours, reused, theirs);
      const std::string path = "iir/" + std::string(c.name) + "/" + std::to_string(size);
      bench::Report(path, ours / theirs, kGoal);
      bench::ReportInformation(path + "/kept-output", reused / theirs);
    }
  }
  return 0;
}
