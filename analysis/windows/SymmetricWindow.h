#pragma once
// The loop shared by the symmetric windows: w[0] on x[0], then one factor per
// pair (x[k], x[n-k]) for k = 1..(n-1)/2; the centre of an even n is left to
// the caller. One evaluation of the window per pair.
#include <algorithm>
#include <cmath>

namespace SgCore::detail {

inline constexpr double kTwoPi = 6.283185307179586476925286766559;

template <typename Factor>
void ApplySymmetric(double* x, int n, double w0, Factor&& w) {
  x[0] *= w0;
  const int last = (n - 1) / 2;
  for (int k = 1; k <= last; ++k) {
    const double f = w(k);
    x[k] *= f;
    x[n - k] *= f;
  }
}

// The same loop with w(c, s) of c = cos(k step), s = sin(k step). The pair is
// advanced by rotation and evaluated afresh every kReseed samples, which keeps
// it within a few dozen ulp (relative, also for small s) at a fraction of the
// cost of one sine a sample.
template <typename Factor>
void ApplySymmetricRotating(double* x, int n, double step, double w0, Factor&& w) {
  constexpr int kReseed = 32;
  x[0] *= w0;
  const int last = (n - 1) / 2;
  const double cs = std::cos(step), sn = std::sin(step);
  for (int k0 = 1; k0 <= last; k0 += kReseed) {
    double c = std::cos(k0 * step), s = std::sin(k0 * step);
    const int k1 = std::min(last, k0 + kReseed - 1);
    for (int k = k0; k <= k1; ++k) {
      const double f = w(c, s);
      x[k] *= f;
      x[n - k] *= f;
      const double next = c * cs - s * sn;
      s = s * cs + c * sn;
      c = next;
    }
  }
}

// Three-term cosine sums written in powers of c = cos(2 pi k / n).
inline void ApplyCosinePowers(double* x, int n, double w0, double c0, double c1, double c2) {
  ApplySymmetricRotating(x, n, kTwoPi / n, w0,
                         [&](double c, double) { return c0 + c * (c1 + c * c2); });
}

}  // namespace SgCore::detail
