// The windows that are not cosine sums: triangle, Kaiser, cosine taper,
// exponential and force.
#include "analysis/core/CoreErrors.h"
#include "analysis/windows/SymmetricWindow.h"
#include "analysis/windows/Windows.h"

#include <algorithm>
#include <cmath>

namespace SgCore {
using detail::ApplySymmetric;

int TriangleWindowCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  if (n > 1) {
    const double h = n / 2;
    ApplySymmetric(x, n, 0.0, [&](int k) { return k / h; });
  }
  x[0] = 0.0;
  return 0;
}

double BesselI0(double x) {
  // Power series sum of ((x/2)^j / j!)^2, stopped when a term no longer
  // changes the sum relatively: an absolute test ends early for large x.
  const double q = x * x / 4.0;
  double sum = 1.0, term = 1.0;
  for (int j = 1; j < 5000; ++j) {
    term *= q / (double(j) * j);
    sum += term;
    if (term <= sum * 1e-17) break;
  }
  return sum;
}

namespace {
// ln I0(x) for large x, where I0 itself overflows (x above about 700).
double LogBesselI0Large(double x) {
  const double r = 1.0 / (8.0 * x);
  const double series = 1.0 + r * (1.0 + r * (4.5 + r * (37.5 + r * 459.375)));
  return x - 0.5 * std::log(2.0 * M_PI * x) + std::log(series);
}
}  // namespace

int KaiserWindowCore(double* x, int n, double beta) {
  if (n <= 0) return ErrSamplesGtZero;
  const double i0Beta = BesselI0(beta);
  const double step = 2.0 / n;
  auto arg = [&](int k) {
    const double t = 1.0 - k * step;
    return beta * std::sqrt(std::max(0.0, 1.0 - t * t));
  };
  if (std::isfinite(i0Beta)) {
    const double scale = 1.0 / i0Beta;
    ApplySymmetric(x, n, scale, [&](int k) { return BesselI0(arg(k)) * scale; });
  } else {
    const double logBeta = LogBesselI0Large(std::fabs(beta));
    auto w = [&](double a) {
      const double i0 = BesselI0(a);
      return std::isfinite(i0) ? std::exp(std::log(i0) - logBeta)
                               : std::exp(LogBesselI0Large(a) - logBeta);
    };
    ApplySymmetric(x, n, std::exp(-logBeta), [&](int k) { return w(std::fabs(arg(k))); });
  }
  return 0;
}

int CosineTaperWindowCore(double* x, int n) {
  // An empty array is an error like for every other window.
  if (n <= 0) return ErrSamplesGtZero;
  const int m = n / 10;
  if (m < 1) return 0;
  x[0] = 0.0;
  x[n - 1] = 0.0;
  for (int k = 1; k < m; ++k) {
    const double s = std::sin(M_PI * k / (2.0 * m));
    x[k] *= s * s;
    x[n - 1 - k] *= s * s;
  }
  return 0;
}

int ExponentialWindowCore(double* x, int n, double finalValue) {
  if (n < 2) return ErrSamplesGeTwo;
  if (!(finalValue > 0.0)) return ErrFinalValue;
  const double s = std::log(finalValue) / (n - 1);
  // Sample 0 keeps its value: 0 * s is NaN for an infinite final value.
  for (int k = 1; k < n; ++k) x[k] *= std::exp(k * s);
  return 0;
}

int ForceWindowCore(double* x, int n, double duty) {
  if (n < 2) return ErrSamplesGeTwo;
  const double kept = duty * 0.01 * n;
  // Limited before the conversion, so a huge or NaN duty is no undefined cast.
  const int k = !(kept > 0.0) ? 0 : kept >= n ? n : int(kept);
  std::fill(x + k, x + n, 0.0);
  return 0;
}

}  // namespace SgCore
