// Generator speed: the sine wave and Gaussian noise against a plain C loop of
// the same formula, single-threaded, best of several runs, same run.
#include "analysis/generators/Generators.h"
#include "bench/BenchCommon.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void PlainSine(int n, double amplitude, double frequency, double* phase, double* out) {
  double p = *phase;
  const double step = 360.0 * frequency;
  for (int k = 0; k < n; ++k, p += step) out[k] = amplitude * std::sin(p * (M_PI / 180.0));
  p = std::fmod(p, 360.0);
  *phase = p < 0 ? p + 360.0 : p;
}

// Wichmann-Hill, twelve draws a sample, the state in locals.
void PlainGaussian(int n, double deviation, std::int32_t state[3], double* out) {
  std::int32_t s1 = state[0], s2 = state[1], s3 = state[2];
  for (int k = 0; k < n; ++k) {
    int sum = 0;
    for (int j = 0; j < 12; ++j) {
      s1 = 171 * s1 % 30269;
      s2 = 172 * s2 % 30307;
      s3 = 170 * s3 % 30323;
      const double u = s1 / 30269.0 + s2 / 30307.0 + s3 / 30323.0;
      sum += int(32768.0 * (u - double(std::int64_t(u))));
    }
    out[k] = (sum - 196596) * deviation / 32768.0;
  }
  state[0] = s1;
  state[1] = s2;
  state[2] = s3;
}

}  // namespace

int main() {
  // The same formula as the plain loop: within the noise of it.
  constexpr double kGoal = 1.1;
  for (int n : {16384, 524288, 20971520}) {
    std::vector<double> out(n);
    const int runs = bench::RunsFor(n);
    double phase = 0;
    const auto sine = bench::BestInTurn(
        runs, bench::NoSetup, [&] { SgCore::SineWaveCore(n, 1.5, 0.001, &phase, out.data()); },
        [&] { PlainSine(n, 1.5, 0.001, &phase, out.data()); });
    std::int32_t state[3] = {1, 8191, 1};
    const auto gauss = bench::BestInTurn(
        runs, bench::NoSetup, [&] { SgCore::GaussianNoiseCore(n, 2.0, 1, out.data()); },
        [&] { PlainGaussian(n, 2.0, state, out.data()); });
    bench::Detail("generators %d: sine %.4f ms (C loop %.4f ms), gaussian %.4f ms (C loop %.4f ms)",
                  n, sine[0] * 1e3, sine[1] * 1e3, gauss[0] * 1e3, gauss[1] * 1e3);
    bench::Report("generator/sine/" + std::to_string(n), sine[0] / sine[1], kGoal);
    bench::Report("generator/gaussian/" + std::to_string(n), gauss[0] / gauss[1], kGoal);
  }
  return 0;
}
