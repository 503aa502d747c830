#include "analysis/interpolation/Interpolation.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "analysis/core/CoreErrors.h"

namespace SgCore {
namespace {

constexpr double kNaturalEnd = 9.9e29;

std::unique_ptr<double[]> Work(int64_t n) {
  return std::unique_ptr<double[]>(new (std::nothrow) double[n]);
}

int64_t Nearest(const double* x, int64_t n, double x0) {
  int64_t best = 0;
  double dif = std::fabs(x0 - x[0]);
  for (int64_t i = 1; i < n; ++i) {
    const double d = std::fabs(x0 - x[i]);
    if (d < dif) {
      best = i;
      dif = d;
    }
  }
  return best;
}

// The correction of column m of the tableau, walking s towards the centre.
double Correction(const double* c, const double* d, int64_t n, int64_t m, int64_t* s) {
  if (2 * *s < n - m) return c[*s];
  --*s;
  return d[*s];
}

}  // namespace

int PolynomialInterpolateCore(const double* x, const double* y, int count, double x0, double* value,
                              double* error) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  auto c = Work(n), d = Work(n);
  if (!c || !d) return ErrOutOfMemory;
  for (int64_t i = 0; i < n; ++i) c[i] = d[i] = y[i];
  int64_t s = Nearest(x, n, x0);
  double estimate = y[s], dy = 0.0;
  for (int64_t m = 1; m < n; ++m) {
    for (int64_t i = 0; i < n - m; ++i) {
      const double ho = x[i] - x0, hp = x[i + m] - x0;
      const double den = x[i] - x[i + m];
      if (den == 0.0) return ErrDistinctX;
      const double w = (c[i + 1] - d[i]) / den;
      d[i] = hp * w;
      c[i] = ho * w;
    }
    dy = Correction(c.get(), d.get(), n, m, &s);
    estimate += dy;
  }
  *value = estimate;
  *error = dy;
  return ErrNone;
}

int RationalInterpolateCore(const double* x, const double* y, int count, double x0, double* value,
                            double* error) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  for (int64_t i = 0; i < n; ++i) {
    if (x0 == x[i]) {
      *value = y[i];
      *error = 0.0;
      return ErrNone;
    }
  }
  auto c = Work(n), d = Work(n);
  if (!c || !d) return ErrOutOfMemory;
  // The small offset keeps the first division away from zero.
  for (int64_t i = 0; i < n; ++i) {
    c[i] = y[i];
    d[i] = y[i] + 1e-10;
  }
  int64_t s = Nearest(x, n, x0);
  double estimate = y[s], dy = 0.0;
  for (int64_t m = 1; m < n; ++m) {
    for (int64_t i = 0; i < n - m; ++i) {
      if (x[i] == x[i + m]) return ErrDistinctX;
      const double w = c[i + 1] - d[i];
      const double h = x[i + m] - x0;
      const double t = (x[i] - x0) * d[i] / h;
      double dd = t - c[i + 1];
      if (dd == 0.0) return ErrPole;
      dd = w / dd;
      d[i] = c[i + 1] * dd;
      c[i] = t * dd;
    }
    dy = Correction(c.get(), d.get(), n, m, &s);
    estimate += dy;
  }
  *value = estimate;
  *error = dy;
  return ErrNone;
}

int SplineSecondDerivativesCore(const double* x, const double* y, int count, double yp1, double ypn,
                                double* y2) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  // Two points at least, no two neighbours equal, no interior point whose
  // neighbours coincide: checked before y2 is touched.
  if (n < 2) return ErrDistinctX;
  for (int64_t i = 1; i < n; ++i) {
    if (x[i] == x[i - 1]) return ErrDistinctX;
    if (i + 1 < n && x[i + 1] == x[i - 1]) return ErrDistinctX;
  }
  auto u = Work(n);
  if (!u) return ErrOutOfMemory;
  if (yp1 > kNaturalEnd) {
    y2[0] = u[0] = 0.0;
  } else {
    y2[0] = -0.5;
    u[0] = (3.0 / (x[1] - x[0])) * ((y[1] - y[0]) / (x[1] - x[0]) - yp1);
  }
  for (int64_t i = 1; i + 1 < n; ++i) {
    const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
    const double p = sig * y2[i - 1] + 2.0;
    y2[i] = (sig - 1.0) / p;
    const double slopes =
        (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
    u[i] = (6.0 * slopes / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p;
  }
  double qn = 0.0, un = 0.0;
  if (!(ypn > kNaturalEnd)) {
    qn = 0.5;
    un = (3.0 / (x[n - 1] - x[n - 2])) * (ypn - (y[n - 1] - y[n - 2]) / (x[n - 1] - x[n - 2]));
  }
  y2[n - 1] = (un - qn * u[n - 2]) / (qn * y2[n - 2] + 1.0);
  for (int64_t k = n - 2; k >= 0; --k) y2[k] = y2[k] * y2[k + 1] + u[k];
  return ErrNone;
}

}  // namespace SgCore
