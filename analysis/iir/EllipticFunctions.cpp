#include "analysis/iir/EllipticFunctions.h"

#include <cmath>
#include <numbers>

namespace SgCore {
namespace {

constexpr int kMaxLevels = 25;
constexpr double kMeanTolerance = 1e-10;

// Carlson's symmetric integral R_F(x, y, z) by duplication; converges for
// any non-negative arguments with at most one zero.
double CarlsonRf(double x, double y, double z) {
  for (int i = 0; i < 60; ++i) {
    const double mean = (x + y + z) / 3.0;
    const double dx = 1.0 - x / mean, dy = 1.0 - y / mean, dz = 1.0 - z / mean;
    const double spread = std::fmax(std::fabs(dx), std::fmax(std::fabs(dy), std::fabs(dz)));
    if (spread < 1e-4) {
      const double e2 = dx * dy - dz * dz, e3 = dx * dy * dz;
      return (1.0 + (e2 / 24.0 - 0.1 - 3.0 * e3 / 44.0) * e2 + e3 / 14.0) / std::sqrt(mean);
    }
    const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
    const double lambda = sx * (sy + sz) + sy * sz;
    x = 0.25 * (x + lambda);
    y = 0.25 * (y + lambda);
    z = 0.25 * (z + lambda);
  }
  return 1.0 / std::sqrt((x + y + z) / 3.0);
}

}  // namespace

double EllipticIntegralK(double kc) {
  double a = 1.0, g = std::fabs(kc);
  for (int i = 0; i < kMaxLevels && (a - g) >= kMeanTolerance * a; ++i) {
    const double next = 0.5 * (a + g);
    g = std::sqrt(a * g);
    a = next;
  }
  // One more arithmetic mean: the means agree to 1e-10, so this is exact to
  // rounding.
  return std::numbers::pi / (a + g);
}

void JacobiSnCnDn(double u, double kc, double* sn, double* cn, double* dn) {
  if (u == 0.0) {
    *sn = 0.0;
    *cn = 1.0;
    *dn = 1.0;
    return;
  }
  // Descending arithmetic-geometric means a_n, b_n with c_n = (a_n - b_n)/2,
  // then the amplitude recursion back down to the first level.
  kc = std::fabs(kc);
  if (kc == 0.0) {
    // Modulus 1: the means never meet; the functions are hyperbolic.
    *sn = std::tanh(u);
    *cn = *dn = 1.0 / std::cosh(u);
    return;
  }
  double a[kMaxLevels + 1], c[kMaxLevels + 1];
  a[0] = 1.0;
  c[0] = std::sqrt(std::fmax(0.0, (1.0 - kc) * (1.0 + kc)));
  double b = kc;
  int levels = 0;
  while (levels < kMaxLevels && c[levels] >= kMeanTolerance * a[levels]) {
    const double an = a[levels];
    a[levels + 1] = 0.5 * (an + b);
    c[levels + 1] = 0.5 * (an - b);
    b = std::sqrt(an * b);
    ++levels;
  }
  double phi = std::ldexp(a[levels] * u, levels);
  for (int n = levels; n > 0; --n) {
    phi = 0.5 * (phi + std::asin(c[n] / a[n] * std::sin(phi)));
  }
  *sn = std::sin(phi);
  *cn = std::cos(phi);
  // dn^2 = 1 - k^2 sn^2 = k'^2 + k^2 cn^2, free of cancellation near k = 1.
  *dn = std::sqrt(kc * kc + c[0] * c[0] * *cn * *cn);
}

double EllipticIntegralFArctan(double x, double m) {
  if (x == 0.0) return 0.0;
  // With phi = arctan |x|: F = sin(phi) R_F(cos^2, 1 - k^2 sin^2, 1), where
  // 1 - k^2 sin^2 = cos^2 + m^2 sin^2 avoids cancellation for k near 1.
  const double ax = std::fabs(x);
  if (std::isinf(ax)) {
    return std::copysign(EllipticIntegralK(m), x);
  }
  const double hyp = std::hypot(1.0, ax);
  const double s = ax / hyp, c2 = 1.0 / (hyp * hyp), s2 = s * s;
  return std::copysign(s * CarlsonRf(c2, c2 + m * m * s2, 1.0), x);
}

double EllipticModulusFromNome(double x) {
  const double q = std::exp(-std::numbers::pi * x);
  double numerator = 1.0, denominator = 1.0;
  for (int m = 1; m <= kMaxLevels; ++m) {
    const double termN = std::pow(q, static_cast<double>(m) * (m + 1));
    const double termD = std::pow(q, static_cast<double>(m) * m);
    if (termN >= 1e-10) numerator += termN;
    if (termD >= 1e-10) denominator += 2.0 * termD;
    if (termN < 1e-10 && termD < 1e-10) break;
  }
  const double k = 4.0 * std::sqrt(q) * (numerator * numerator) / (denominator * denominator);
  return k > 1.0 ? 1.0 : k;
}

int EllipticDesignParameters(double r, double a, int n, double* epsP, double* k1, double* k1c,
                             double* bigK1, double* bigK1c, double* k, double* kc, double* bigK,
                             double* bigKc, double* v0, double* sn1, double* cn1, double* dn1) {
  const double ep = std::sqrt(std::pow(10.0, r / 10.0) - 1.0);
  const double es = std::sqrt(std::pow(10.0, a / 10.0) - 1.0);
  *epsP = ep;
  *k1 = ep / es;
  *k1c = std::sqrt((1.0 - *k1) * (1.0 + *k1));
  *bigK1 = EllipticIntegralK(*k1c);
  *bigK1c = EllipticIntegralK(*k1);
  // A sharp design puts k within rounding of 1, where sqrt(1 - k^2) loses
  // k' entirely (k' = 0 makes K infinite and the poles unstable). Below x = 1
  // k' is the modulus of the complementary nome exp(-pi / x), whose series
  // converges fast, and k follows from it.
  const double x = *bigK1c / (*bigK1 * n);
  if (x < 1.0) {
    *kc = EllipticModulusFromNome(1.0 / x);
    *k = std::sqrt((1.0 - *kc) * (1.0 + *kc));
  } else {
    *k = EllipticModulusFromNome(x);
    *kc = std::sqrt((1.0 - *k) * (1.0 + *k));
  }
  *bigK = EllipticIntegralK(*kc);
  *bigKc = EllipticIntegralK(*k);
  *v0 = EllipticIntegralFArctan(1.0 / ep, *k1) * (*bigK / n) / *bigK1;
  JacobiSnCnDn(*v0, *k, sn1, cn1, dn1);
  return 0;
}

}  // namespace SgCore
