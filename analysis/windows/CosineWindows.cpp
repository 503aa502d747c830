// The cosine-sum windows: Hanning, Hamming, the Blackman family, the general
// cosine sum and the flat top.
#include "analysis/core/CoreErrors.h"
#include "analysis/windows/SymmetricWindow.h"
#include "analysis/windows/Windows.h"

#include <cmath>

namespace SgCore {
using detail::ApplyCosinePowers;
using detail::ApplySymmetricRotating;
using detail::kTwoPi;

int HanningWindowCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  ApplySymmetricRotating(x, n, kTwoPi / 2 / n, 0.0, [](double, double s) { return s * s; });
  x[0] = 0.0;
  return 0;
}

int HammingWindowCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  ApplySymmetricRotating(x, n, kTwoPi / n, 0.08, [](double c, double) { return 0.54 - 0.46 * c; });
  return 0;
}

int BlackmanWindowCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  ApplyCosinePowers(x, n, -1.3877787807814457e-17, 0.34, -0.5, 0.16);
  return 0;
}

int BlackmanHarrisWindowCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  ApplyCosinePowers(x, n, 0.004900000000000002, 0.34401, -0.49755, 0.15844);
  return 0;
}

int ExactBlackmanWindowCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  ApplyCosinePowers(x, n, 0.006878761822871851, 0.3497420464316423, -0.4965606190885641,
                    0.15369733447979364);
  return 0;
}

int GeneralCosineWindowCore(double* x, int n, const double* a, int m) {
  if (n < 1 || m < 1) return ErrSamplesGtZero;
  // w = a0 - a1 cos(t) + a2 cos(2t) - ...; cos(jt) by the Chebyshev recurrence
  // cos((j+1)t) = 2c cos(jt) - cos((j-1)t), exact enough for a handful of terms.
  auto value = [&](double c) {
    double prev = 1.0, cur = c, sum = a[0], sign = -1.0;
    for (int j = 1; j < m; ++j) {
      sum += sign * a[j] * cur;
      const double next = 2.0 * c * cur - prev;
      prev = cur;
      cur = next;
      sign = -sign;
    }
    return sum;
  };
  ApplySymmetricRotating(x, n, kTwoPi / n, value(1.0), [&](double c, double) { return value(c); });
  if (n % 2 == 0) {
    double centre = 0.0;
    for (int j = 0; j < m; ++j) centre += a[j];
    x[n / 2] *= centre;
  }
  return 0;
}

int FlatTopWindowCore(double* x, int n) {
  static constexpr double kFlatTop[] = {0.215578948, 0.41663158, 0.277263158, 0.083578947,
                                        0.006947368};
  return GeneralCosineWindowCore(x, n, kFlatTop, 5);
}

}  // namespace SgCore
