#include "tools/UnitLists.h"

#include "waveform/NumberHelpers.h"

double FrequencyInHertz(double value, int unit) { return value * IntPow(10.0, 3 * unit - 6); }

double PeriodInSeconds(double value, int unit) { return value * IntPow(10.0, 3 - 3 * unit); }

double Reciprocal1000(double value) {
  return (value > -1e-15 && value < 1e-15) ? 0.0 : 1000.0 / value;
}
