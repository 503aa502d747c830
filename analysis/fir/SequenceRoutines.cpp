// Fill, multiply and zero over arrays of doubles.
#include <cstdint>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"

namespace SgCore {

int ArrayFill(double* x, int n, double value) {
  if (n < 1) return ErrSamplesGtZero;
  for (int64_t i = 0; i < n; ++i) x[i] = value;
  return ErrNone;
}

int ArrayMultiply(const double* a, const double* b, int n, double* out) {
  if (n < 1) return ErrSamplesGtZero;
  for (int64_t i = 0; i < n; ++i) out[i] = a[i] * b[i];
  return ErrNone;
}

int ArrayZero(double* x, int n) { return ArrayFill(x, n, 0.0); }

}  // namespace SgCore
