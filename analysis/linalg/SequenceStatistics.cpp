// Small sequence routines of the fits: error, mean and variance, negation
// and the sign test of the exponential fit.
#include <algorithm>

#include "analysis/core/CoreErrors.h"
#include "analysis/linalg/DenseMatrix.h"

namespace SgCore {

int MeanSquaredError(const double* p, int m1, const double* q, int m2, double* out) {
  if (m1 < 1 || m2 < 1) return ErrSamplesGtZero;
  const int64_t m = std::min(m1, m2);
  double sum = 0.0;
  for (int64_t i = 0; i < m; ++i) sum += (p[i] - q[i]) * (p[i] - q[i]);
  *out = sum / static_cast<double>(m);
  return ErrNone;
}

int MeanAndVariance(const double* x, int count, double* mean, double* variance) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  // About the middle element, which keeps the sums small for offset data.
  const double centre = x[n / 2];
  double s1 = 0.0, s2 = 0.0;
  for (int64_t i = 0; i < n; ++i) {
    const double d = x[i] - centre;
    s1 += d;
    s2 += d * d;
  }
  const double m1 = s1 / static_cast<double>(n);
  *mean = centre + m1;
  *variance = s2 / static_cast<double>(n) - m1 * m1;
  return ErrNone;
}

int ArrayNegate(const double* in, int count, double* out) {
  if (count < 1) return ErrSamplesGtZero;
  for (int64_t i = 0; i < count; ++i) out[i] = -in[i];
  return ErrNone;
}

bool IsStrictlySigned(const double* x, int count) {
  if (count < 2) return true;
  if (x[0] == 0.0) return false;
  const bool positive = x[0] > 0.0;
  for (int64_t i = 1; i < count; ++i) {
    if (positive ? !(x[i] > 0.0) : !(x[i] < 0.0)) return false;
  }
  return true;
}

}  // namespace SgCore
