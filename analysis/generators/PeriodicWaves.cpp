// Periodic waves with a phase state the caller carries from call to call.
#include "analysis/core/CoreErrors.h"
#include "analysis/generators/Generators.h"

#include <cmath>

namespace SgCore {
namespace {

double Wrap(double value, double period) {
  double r = std::fmod(value, period);
  if (r < 0) r += period;
  return r;
}

// Runs value(phase) over n samples, advancing the phase by `step` each time,
// and stores the wrapped next phase.
template <typename Value>
void RunWave(int n, double amplitude, double step, double* phase, double* out, Value&& value) {
  double p = *phase;
  for (int k = 0; k < n; ++k, p += step) out[k] = amplitude * value(p);
  *phase = Wrap(p, 360.0);
}

}  // namespace

double TriangleWaveValue(double phase) {
  const double u = Wrap(phase, 360.0) * 0.005555555555555556;
  if (u < 0.5) return 2.0 * u;
  if (u < 1.5) return 2.0 * (1.0 - u);
  return 2.0 * (u - 2.0);
}

double SawtoothWaveValue(double phase) {
  const double v = Wrap(phase, 360.0);
  return v < 180.0 ? v / 180.0 : v / 180.0 - 2.0;
}

double SquareWaveValue(double phase, double duty) {
  double d = duty * 0.01;
  if (!(d >= 0.0)) d = 0.0;
  if (d > 1.0) d = 1.0;
  return Wrap(phase, 360.0) < d * 360.0 ? 1.0 : -1.0;
}

double ArbitraryWaveValue(double tablePhase, const double* table, int tableLength,
                          int interpolate) {
  if (tableLength <= 0) return 0.0;
  const double length = tableLength;
  const double g = Wrap(tablePhase, length);
  // A tiny negative phase wraps to exactly `length`, and NaN to NaN: both
  // would index past the table.
  if (!(g >= 0.0 && g < length)) return g == length ? table[0] : 0.0;
  const int i = int(g);
  if (interpolate != 1) return table[i];
  const int next = i + 1 == tableLength ? 0 : i + 1;
  return table[i] + (g - std::floor(g)) * (table[next] - table[i]);
}

int SineWaveCore(int n, double amplitude, double frequency, double* phase, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  RunWave(n, amplitude, 360.0 * frequency, phase, out,
          [](double p) { return std::sin(p * (M_PI / 180.0)); });
  return 0;
}

int TriangleWaveCore(int n, double amplitude, double frequency, double* phase, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  RunWave(n, amplitude, 360.0 * frequency, phase, out, TriangleWaveValue);
  return 0;
}

int SawtoothWaveCore(int n, double amplitude, double frequency, double* phase, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  RunWave(n, amplitude, 360.0 * frequency, phase, out, SawtoothWaveValue);
  return 0;
}

int SquareWaveCore(int n, double amplitude, double frequency, double* phase, double duty,
                   double* out) {
  if (n < 1) return ErrSamplesGtZero;
  RunWave(n, amplitude, 360.0 * frequency, phase, out,
          [duty](double p) { return SquareWaveValue(p, duty); });
  return 0;
}

int ArbitraryWaveCore(int n, double amplitude, double frequency, double* phase, const double* table,
                      int tableLength, int interpolate, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  const double length = tableLength;
  double p = length * 0.002777777777777778 * *phase;
  const double step = length * frequency;
  for (int k = 0; k < n; ++k, p += step)
    out[k] = amplitude * ArbitraryWaveValue(p, table, tableLength, interpolate);
  if (tableLength != 0) p = 360.0 / length * p;
  *phase = Wrap(p, 360.0);
  return 0;
}

}  // namespace SgCore
