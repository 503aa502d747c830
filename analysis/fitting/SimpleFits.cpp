// Straight-line, exponential and polynomial fits.
#include <cmath>

#include "analysis/core/CoreErrors.h"
#include "analysis/fitting/Fitting.h"
#include "analysis/linalg/DenseMatrix.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {

int LinearFitCore(const double* x, const double* y, int count, double* fit, double* slope,
                  double* intercept, double* mse) {
  if (count < 2) return ErrSamplesGeTwo;
  const int64_t n = count;
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (int64_t i = 0; i < n; ++i) {
    sx += x[i];
    sy += y[i];
    sxx += x[i] * x[i];
    sxy += x[i] * y[i];
  }
  const double dn = static_cast<double>(n);
  const double d = sx * sx - dn * sxx;
  const double m = (sx * sy - dn * sxy) / d;
  const double b = (sx * sxy - sxx * sy) / d;
  double error = 0;
  for (int64_t i = 0; i < n; ++i) {
    const double f = b + m * x[i];
    error += (f - y[i]) * (f - y[i]);
    fit[i] = f;
  }
  *slope = m;
  *intercept = b;
  *mse = error / dn;
  return ErrNone;
}

int ExponentialFitCore(const double* x, const double* y, int count, double* fit, double* amplitude,
                       double* b, double* mse) {
  if (count < 2) return ErrSamplesGeTwo;
  if (!IsStrictlySigned(y, count)) return ErrSecondArraySign;
  // Negative data is fitted through its magnitudes and the amplitude negated;
  // the sign is carried here rather than by writing into y.
  const double sign = y[0] < 0.0 ? -1.0 : 1.0;
  const int64_t n = count;
  double sx = 0, sxx = 0, sl = 0, sxl = 0;
  for (int64_t i = 0; i < n; ++i) {
    const double l = std::log(sign * y[i]);
    sx += x[i];
    sxx += x[i] * x[i];
    sl += l;
    sxl += x[i] * l;
  }
  const double dn = static_cast<double>(n);
  const double slope = (dn * sxl - sx * sl) / (dn * sxx - sx * sx);
  const double a = sign * std::exp((sl - slope * sx) / dn);
  double error = 0;
  for (int64_t i = 0; i < n; ++i) {
    const double f = a * std::exp(slope * x[i]);
    error += (f - y[i]) * (f - y[i]);
    fit[i] = f;
  }
  *amplitude = a;
  *b = slope;
  *mse = error / dn;
  return ErrNone;
}

int PolynomialFitCore(const double* x, const double* y, int count, int order, double* fit,
                      double* coefficients, double* mse) {
  if (count <= 0) return ErrSamplesGtZero;
  if (order < 0) return ErrOrderGeZero;
  if (order >= count) return ErrSizeOrder;
  const int64_t n = count, a = static_cast<int64_t>(order) + 1;
  WorkArray h = AllocateWork(n * a);
  if (!h) return ErrOutOfMemory;
  for (int64_t i = 0; i < n; ++i)
    for (int64_t j = 0; j < a; ++j) h[i * a + j] = std::pow(x[i], static_cast<double>(j));
  return GeneralLeastSquaresCore(h.get(), count, static_cast<int>(a), y, nullptr, LsSvd, fit,
                                 coefficients, nullptr, mse);
}

}  // namespace SgCore
