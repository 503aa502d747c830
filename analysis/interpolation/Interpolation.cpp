#include "analysis/interpolation/Interpolation.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "analysis/core/CoreErrors.h"

namespace SgCore {
namespace {

constexpr double kNaturalEnd = 9.9e29;

std::unique_ptr<double[]> Work(int64_t n) { return std::unique_ptr<double[]>(new (std::nothrow) double[n]); }

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

// The bracketing interval [lo, lo + 1] of the bisection from lo = 0,
// hi = n - 1: for ascending x (by the end points) the last lo with
// x[lo] <= x0, for descending x the last with x[lo] >= x0, kept within
// 0 .. n - 2. Inside the range the search starts at the index the end
// points suggest and gallops from there, which finds the same interval in
// a few steps for spread-out points; outside it (or for a NaN) it bisects.
template <typename Before>
int64_t Bracket(const double* x, int64_t n, double x0, Before before) {
  int64_t lo = 0, hi = n - 1;
  if (n > 2 && !before(x0, x[0]) && before(x0, x[n - 1])) {
    const double guess = (x0 - x[0]) / (x[n - 1] - x[0]) * static_cast<double>(n - 1);
    int64_t g = guess >= 0.0 && guess < static_cast<double>(n - 1) ? static_cast<int64_t>(guess) : 0;
    const bool below = before(x0, x[g]);
    if (!below && before(x0, x[g + 1])) return g;  // the usual case
    int64_t step = 1;
    if (!below) {
      lo = g;
      while (lo + step < n - 1 && !before(x0, x[lo + step])) {
        lo += step;
        step *= 2;
      }
      hi = lo + step < n - 1 ? lo + step : n - 1;
    } else {
      hi = g;
      while (hi - step > 0 && before(x0, x[hi - step])) {
        hi -= step;
        step *= 2;
      }
      lo = hi - step > 0 ? hi - step : 0;
    }
  }
  while (hi - lo > 1) {
    const int64_t mid = (hi + lo) / 2;
    if (before(x0, x[mid])) hi = mid;
    else lo = mid;
  }
  return lo;
}

int64_t SplineInterval(const double* x, int64_t n, double x0) {
  if (n < 2) return 0;
  if (x[n - 1] > x[0]) return Bracket(x, n, x0, [](double a, double b) { return a < b; });
  // Descending: x0 <= x[mid] keeps the lower end, so a NaN moves the upper.
  return Bracket(x, n, x0, [](double a, double b) { return !(a <= b); });
}

}  // namespace

int PolynomialInterpolateCore(const double* x, const double* y, int count, double x0,
                              double* value, double* error) {
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

int SplineSecondDerivativesCore(const double* x, const double* y, int count, double yp1,
                                double ypn, double* y2) {
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

int SplineInterpolateCore(const double* x, const double* y, const double* y2, int count, double x0,
                          double* value) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  const int64_t lo = SplineInterval(x, n, x0), hi = lo + 1 < n ? lo + 1 : lo;
  const double h = x[hi] - x[lo];
  if (h == 0.0) return ErrDistinctX;
  const double a = (x[hi] - x0) / h, b = (x0 - x[lo]) / h;
  *value = a * y[lo] + b * y[hi] + ((a * a * a - a) * y2[lo] + (b * b * b - b) * y2[hi]) * (h * h) / 6.0;
  return ErrNone;
}

}  // namespace SgCore
