// The spline's value at one abscissa; included by Interpolation.h. Inline
// because the editor's spline fill calls it once per sample through the
// facade, where a call's fixed cost is most of the work.
#pragma once

#include <cstdint>

#include "analysis/core/CoreErrors.h"

namespace SgCore {
namespace spline_detail {

// Two lanes divided by one instruction: each lane is the correctly rounded
// quotient, exactly as two scalar divisions would give.
using Pair = double __attribute__((vector_size(16)));

// The interval the end points suggest for x0, within 0 .. n - 2. Only a
// starting point: the scale does not depend on x0, so it stays off the path
// from x0 to the value.
inline int64_t Guess(const double* x, int64_t n, double x0) {
  const double scale = static_cast<double>(n - 1) / (x[n - 1] - x[0]);
  const double guess = (x0 - x[0]) * scale;
  // A NaN or a guess beyond the integer range starts at 0.
  int64_t g = guess > 0.0 && guess < 0x1p62 ? static_cast<int64_t>(guess) : 0;
  return g < n - 2 ? g : n - 2;
}

// The bracketing interval [lo, lo + 1] of the bisection from lo = 0,
// hi = n - 1: for ascending x (by the end points) the last lo with
// x[lo] <= x0, for descending x the last with x[lo] >= x0, kept within
// 0 .. n - 2. It gallops from the guessed interval g and ends in the
// bisection; for ordered x only one interval holds x0, and outside the range
// (or for a NaN) the gallop runs to the end the bisection reaches, so the
// start changes nothing but the number of steps.
template <typename Before>
int64_t Bracket(const double* x, int64_t n, double x0, int64_t g, Before before) {
  int64_t lo = 0, hi = n - 1, step = 1;
  if (!before(x0, x[g])) {
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
  while (hi - lo > 1) {
    const int64_t mid = (hi + lo) / 2;
    if (before(x0, x[mid]))
      hi = mid;
    else
      lo = mid;
  }
  return lo;
}

inline int64_t Interval(const double* x, int64_t n, double x0) {
  if (n < 2) return 0;
  const int64_t g = Guess(x, n, x0);
  if (x[n - 1] > x[0]) return Bracket(x, n, x0, g, [](double a, double b) { return a < b; });
  // Descending: x0 <= x[mid] keeps the lower end, so a NaN moves the upper.
  return Bracket(x, n, x0, g, [](double a, double b) { return !(a <= b); });
}

// The cubic on [xLo, xHi] at x0: with h = xHi - xLo, a = (xHi - x0) / h and
// b = (x0 - xLo) / h, a y[lo] + b y[hi] + ((a^3 - a) y2[lo] + (b^3 - b) y2[hi])
// h^2 / 6. Each lane operation is the scalar formula's, in its order, so the
// result is the same to the bit.
inline double Evaluate(double x0, double xLo, double xHi, const double* y, const double* y2,
                       int64_t lo, int64_t hi) {
  const double h = xHi - xLo;
  const Pair ab = Pair{xHi - x0, x0 - xLo} / h;
  const Pair ends = ab * Pair{y[lo], y[hi]};
  const Pair cubic = (ab * ab * ab - ab) * Pair{y2[lo], y2[hi]};
  return ends[0] + ends[1] + (cubic[0] + cubic[1]) * (h * h) / 6.0;
}

// Where this thread's last evaluation found its interval: only a starting
// point for the next search, checked against the points before it is used.
struct LastInterval {
  const double* x = nullptr;
  int64_t n = 0, lo = 0;
};
inline thread_local LastInterval tLastInterval;

}  // namespace spline_detail

inline int SplineInterpolateCore(const double* x, const double* y, const double* y2, int count,
                                 double x0, double* value) {
  using namespace spline_detail;
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  if (x[n - 1] > x[0]) [[likely]] {
    // Ascending points: an interval with x[lo] <= x0 < x[lo + 1] is the
    // bisection's, and its width cannot be 0. A fill asks for the samples
    // in order, so the interval of this thread's last call on the same
    // points, or the next one, holds x0 whatever the spacing of the knots;
    // otherwise the end points suggest one.
    LastInterval& last = tLastInterval;
    int64_t g = last.x == x && last.n == n ? last.lo : Guess(x, n, x0);
    for (int tries = 0; tries < 2 && g < n - 1; ++tries, ++g) {
      const double xLo = x[g], xHi = x[g + 1];
      if (xLo <= x0 && x0 < xHi) [[likely]] {
        last = {x, n, g};
        *value = Evaluate(x0, xLo, xHi, y, y2, g, g + 1);
        return ErrNone;
      }
    }
  }
  const int64_t lo = Interval(x, n, x0), hi = lo + 1 < n ? lo + 1 : lo;
  if (x[hi] - x[lo] == 0.0) return ErrDistinctX;
  tLastInterval = {x, n, lo};
  *value = Evaluate(x0, x[lo], x[hi], y, y2, lo, hi);
  return ErrNone;
}

}  // namespace SgCore
