// Spline fill speed: second derivatives with zero end slopes through one knot
// in every 64 samples (at an uneven offset, like placed points), then the
// value at every sample, against scipy's clamped CubicSpline, same run. Two
// rows a size: the core routines, and the facade as the editor view calls it
// (one SplineInterpolate per sample, whose proxies and error check cost a
// fixed amount per call).
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/facade/SgAnalysis.h"
#include "analysis/interpolation/Interpolation.h"
#include "bench/analysis/filters_spline_common.h"
#include "containers/CSgScalarVector.h"

int main() {
  using Vec = SG::CSgScalarVector<double>;
  constexpr int kStep = 64;
  std::printf("%-22s %10s %12s %12s %8s\n", "spline", "samples", "library s", "scipy s", "ratio");
  for (long long size : {16384LL, 524288LL, 20971520LL}) {
    std::vector<double> knots, values;
    for (long long k = 0; k * kStep < size; ++k) {
      const double at = static_cast<double>(k * kStep + (k * 37) % 32);
      knots.push_back(at);
      values.push_back(std::sin(at * 0.001) + 0.25 * std::cos(at * 0.0173));
    }
    const int n = static_cast<int>(knots.size());
    std::vector<double> y2(n), out(size);
    const int repeats = fsbench::RepeatsFor(size);
    const double core = fsbench::BestSeconds(repeats, [&] {
      SgCore::SplineSecondDerivativesCore(knots.data(), values.data(), n, 0.0, 0.0, y2.data());
      for (long long i = 0; i < size; ++i) {
        SgCore::SplineInterpolateCore(knots.data(), values.data(), y2.data(), n,
                                      static_cast<double>(i), &out[i]);
      }
    });
    const Vec x(static_cast<unsigned int>(n), knots.data()),
        y(static_cast<unsigned int>(n), values.data());
    Vec second;
    const double facade = fsbench::BestSeconds(repeats, [&] {
      SG::SplineSecondDerivatives(x, y, 0.0, 0.0, second);
      for (long long i = 0; i < size; ++i)
        SG::SplineInterpolate(x, y, second, static_cast<double>(i), &out[i]);
    });
    const auto lines = fsbench::RunLines(
        "/usr/bin/python3 " PELMORAN_BENCH_DIR "/spline_anchor.py " + std::to_string(size) + " " +
        std::to_string(kStep) + " " + std::to_string(repeats));
    const double scipy = lines.empty() ? NAN : std::stod(lines.front());
    std::printf("%-22s %10lld %12.6f %12.6f %8.3f\n", "core_every_sample", size, core, scipy,
                core / scipy);
    std::printf("%-22s %10lld %12.6f %12.6f %8.3f\n", "facade_every_sample", size, facade, scipy,
                facade / scipy);
  }
  return 0;
}
