#pragma once
// The loop shared by the symmetric windows: w[0] on x[0], then one factor per
// pair (x[k], x[n-k]) for k = 1..(n-1)/2; the centre of an even n is left to
// the caller. One evaluation of the window per pair.
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

// Three-term cosine sums written in powers of c = cos(2 pi k / n).
inline void ApplyCosinePowers(double* x, int n, double w0, double c0, double c1, double c2) {
  const double step = kTwoPi / n;
  ApplySymmetric(x, n, w0, [&](int k) {
    const double c = std::cos(k * step);
    return c0 + c * (c1 + c * c2);
  });
}

}  // namespace SgCore::detail
