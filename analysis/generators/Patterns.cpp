// Non-periodic patterns: impulse, pulse, ramp, triangle, sine, chirp, sinc.
#include "analysis/core/CoreErrors.h"
#include "analysis/generators/Generators.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace SgCore {

int ImpulsePatternCore(int n, double amplitude, int index, double* out) {
  if (n <= 0) return ErrSamplesGtZero;
  if (index < 0 || index >= n) return ErrIndex;
  std::fill(out, out + n, 0.0);
  out[index] = amplitude;
  return 0;
}

int PulsePatternCore(int n, double amplitude, int delay, int width, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  // The sum in 64 bits: two large counts must not wrap into an accepted one.
  if (delay < 0 || width < 0 || std::int64_t(delay) + width > n) return ErrDelayWidth;
  std::fill(out, out + n, 0.0);
  std::fill(out + delay, out + delay + width, amplitude);
  return 0;
}

int RampPatternCore(int n, double first, double last, double* out) {
  if (n < 2) return ErrSamplesGeTwo;
  const double step = (last - first) / (n - 1);
  double value = first;
  for (int k = 0; k < n; ++k, value += step) out[k] = value;
  return 0;
}

int TrianglePatternCore(int n, double amplitude, double* out) {
  if (n < 2) return ErrSamplesGeTwo;
  const double step = amplitude / (n / 2);
  const int top = n % 2 ? n - 1 : n;
  for (int k = 0; k < n; ++k) out[k] = step * std::min(k, top - k);
  return 0;
}

int SinePatternCore(int n, double amplitude, double phase, double cycles, double* out) {
  if (n <= 0) return ErrSamplesGtZero;
  if (cycles > n) return ErrCycles;
  const double start = phase * 0.017453292519943295;
  const double step = cycles * 2.0 * M_PI / n;
  for (int k = 0; k < n; ++k) out[k] = amplitude * std::sin(start + k * step);
  return 0;
}

int ChirpPatternCore(int n, double amplitude, double start, double end, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  const double sweep = (end - start) * M_PI / n;
  const double base = 2.0 * M_PI * start;
  // k in double: k * k overflows an int from k = 46,341.
  for (int k = 0; k < n; ++k) {
    const double dk = k;
    out[k] = amplitude * std::sin(dk * (dk * sweep + base));
  }
  return 0;
}

int SincPatternCore(int n, double amplitude, double delay, double dt, double* out) {
  if (n <= 0) return ErrSamplesGtZero;
  if (!(dt > 0.0)) return ErrDtDx;
  for (int k = 0; k < n; ++k) {
    const double t = (dt * k - delay) * M_PI;
    out[k] = t == 0.0 ? amplitude : amplitude * std::sin(t) / t;
  }
  return 0;
}

}  // namespace SgCore
