// Spline fill speed, as the editor view fills a wave through placed points:
// second derivatives with zero end slopes into a new vector, then the value
// at every sample from the first knot to the last, one SplineInterpolate
// call a sample, into a new vector of zeros. Against scipy's clamped
// CubicSpline through the same knots, the two called in turn. One knot in
// about every 64 samples, placed uniformly, with a jitter, or with gaps that
// grow from 1 to about 128 samples.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/facade/SgAnalysis.h"
#include "bench/BenchCommon.h"
#include "containers/CSgScalarVector.h"

namespace {

using Vec = SG::CSgScalarVector<double>;
constexpr int kStep = 64;
constexpr double kGoal = 1.0;

std::vector<double> Knots(const std::string& layout, int64_t size) {
  const int64_t count = (size + kStep - 1) / kStep, last = count - 1;
  std::vector<double> knots;
  for (int64_t k = 0; k < count; ++k) {
    if (layout == "uniform")
      knots.push_back(double(k * kStep));
    else if (layout == "jittered")
      knots.push_back(double(k * kStep + (k * 37) % 32));
    else
      knots.push_back(double(k + (k * k * (size - 1 - last)) / (last * last)));
  }
  return knots;
}

}  // namespace

int main() {
  bench::PythonAnchor scipy(PELMORAN_BENCH_DIR "/spline_anchor.py");
  for (const char* layout : {"uniform", "jittered", "nonuniform"}) {
    for (int64_t size : {16384LL, 524288LL, 20971520LL}) {
      const std::vector<double> knots = Knots(layout, size);
      std::vector<double> values;
      for (double at : knots) values.push_back(std::sin(at * 0.001) + 0.25 * std::cos(at * 0.0173));
      const auto n = static_cast<unsigned int>(knots.size());
      const Vec x(n, knots.data()), y(n, values.data());
      const auto first = static_cast<int64_t>(knots.front()),
                 last = static_cast<int64_t>(knots.back());
      const std::string request = std::string(layout) + " " + std::to_string(size);
      double ours = 1e300, theirs = 1e300;
      for (int r = 0; r < bench::RunsFor(size); ++r) {
        ours = std::min(ours, bench::Seconds([&] {
                          Vec second, filled(static_cast<unsigned int>(last + 1));
                          SG::SplineSecondDerivatives(x, y, 0.0, 0.0, second);
                          double* out = filled.GetData();
                          for (int64_t s = first; s <= last; ++s)
                            SG::SplineInterpolate(x, y, second, double(s), &out[s]);
                        }));
        theirs = std::min(theirs, scipy.Run(request));
      }
      bench::Detail("spline %s %lld: ours %.6f s, CubicSpline %.6f s", layout,
                    static_cast<long long>(size), ours, theirs);
      bench::Report("spline/" + std::string(layout) + "/" + std::to_string(size), ours / theirs,
                    kGoal);
    }
  }
  return 0;
}
