// Equiripple FIR design: the McClellan-Parks-Rabiner program (Remez exchange
// on a dense frequency grid, barycentric Lagrange interpolation, inverse
// DFT of the best approximation). Arrays are indexed from 1 as in the
// published program, whose search for the extremal frequencies is kept step
// by step (its labels as goto targets).
#include <cmath>
#include <cstdint>
#include <numbers>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kDensity = 16;
constexpr int kDefaultLimit = 100;
constexpr int kMaxFunctions = 2048;

struct Remez {
  int64_t nfcns = 0, ngrid = 0;
  WorkArray grid, des, wt, xgrid;         // 1..ngrid
  WorkArray x, y, ad, alpha, a, p, q;     // 1..nfcns + 2 (x to nfcns + 2)
  std::unique_ptr<int64_t[]> iext;        // 1..nfcns + 2
  double dev = 0.0;

  bool Allocate(int64_t points) {
    grid = AllocateWork(points + 2);
    des = AllocateWork(points + 2);
    wt = AllocateWork(points + 2);
    xgrid = AllocateWork(points + 2);
    const int64_t m = nfcns + 4;
    x = AllocateWork(m);
    y = AllocateWork(m);
    ad = AllocateWork(m);
    alpha = AllocateWork(m);
    a = AllocateWork(m);
    p = AllocateWork(m);
    q = AllocateWork(m);
    iext.reset(new (std::nothrow) int64_t[m]);
    if (!grid || !des || !wt || !xgrid || !x || !y || !ad || !alpha || !a || !p || !q || !iext)
      return false;
    for (int64_t i = 0; i < m; ++i) x[i] = y[i] = ad[i] = alpha[i] = a[i] = p[i] = q[i] = 0.0;
    return true;
  }

  // Barycentric weights 1 / prod (2 (x_k - x_j)), the products taken in
  // interleaved strides against overflow; false for coincident abscissae.
  bool Weights(int64_t nz) {
    const int64_t jet = (nfcns - 1) / 15 + 1;
    for (int64_t k = 1; k <= nz; ++k) {
      double d = 1.0;
      const double xk = x[k];
      for (int64_t l = 1; l <= jet; ++l)
        for (int64_t j = l; j <= nz; j += jet)
          if (j != k) d = 2.0 * d * (xk - x[j]);
      if (d == 0.0 || !std::isfinite(d)) return false;
      ad[k] = 1.0 / d;
    }
    return true;
  }

  // The interpolant through (x_j, y_j) at abscissa xf.
  double Interpolate(double xf, int64_t nz) const {
    double num = 0.0, den = 0.0;
    for (int64_t j = 1; j <= nz; ++j) {
      double c = xf - x[j];
      if (c == 0.0) return y[j];
      c = ad[j] / c;
      den += c;
      num += c * y[j];
    }
    return num / den;
  }

  double Error(int64_t l, int64_t nz) const { return (Interpolate(xgrid[l], nz) - des[l]) * wt[l]; }

  int Exchange(int limit);
  void Coefficients(bool transform);
};

// Returns 0 on convergence, -20031 when the deviation shrinks, abscissae
// coincide or the iteration limit is used up.
int Remez::Exchange(int limit) {
  const int64_t nz = nfcns + 1, nzz = nfcns + 2;
  double devl = -1.0;
  double comp = 0.0, y1 = 0.0, ynz = 0.0, err = 0.0;
  int64_t j = 0, l = 0, k1 = 0, knz = 0, klow = 0, kup = 0, jchnge = 0, luck = 0;
  int64_t nu = 0, nut = 0, nut1 = 0;
  int niter = 0;
L100:
  iext[nzz] = ngrid + 1;
  ++niter;
  if (niter >= limit) return ErrFilterDesign;
  for (j = 1; j <= nz; ++j) x[j] = xgrid[iext[j]];
  if (!Weights(nz)) return ErrFilterDesign;
  {
    double dnum = 0.0, dden = 0.0, sign = 1.0;
    for (j = 1; j <= nz; ++j) {
      const int64_t at = iext[j];
      dnum += ad[j] * des[at];
      dden += sign * ad[j] / wt[at];
      sign = -sign;
    }
    dev = dnum / dden;
  }
  {
    nu = dev > 0.0 ? -1 : 1;
    dev = -static_cast<double>(nu) * dev;
    double sign = static_cast<double>(nu);
    for (j = 1; j <= nz; ++j) {
      const int64_t at = iext[j];
      y[j] = des[at] + sign * dev / wt[at];
      sign = -sign;
    }
    if (dev < devl) return ErrFilterDesign;
    devl = dev;
    jchnge = 0;
    k1 = iext[1];
    knz = iext[nz];
    klow = 0;
    nut = -nu;
    j = 1;
  }
  // Search for the new extremal frequencies.
L200:
  if (j == nzz) ynz = comp;
  if (j >= nzz) goto L300;
  kup = iext[j + 1];
  l = iext[j] + 1;
  nut = -nut;
  if (j == 2) y1 = comp;
  comp = dev;
  if (l >= kup) goto L220;
  err = Error(l, nz);
  if (nut * err - comp <= 0.0) goto L220;
  comp = nut * err;
L210:
  ++l;
  if (l >= kup) goto L215;
  err = Error(l, nz);
  if (nut * err - comp <= 0.0) goto L215;
  comp = nut * err;
  goto L210;
L215:
  iext[j] = l - 1;
  ++j;
  klow = l - 1;
  ++jchnge;
  goto L200;
L220:
  --l;
L225:
  --l;
  if (l <= klow) goto L250;
  err = Error(l, nz);
  if (nut * err - comp > 0.0) goto L230;
  if (jchnge <= 0) goto L225;
  goto L260;
L230:
  comp = nut * err;
L235:
  --l;
  if (l <= klow) goto L240;
  err = Error(l, nz);
  if (nut * err - comp <= 0.0) goto L240;
  comp = nut * err;
  goto L235;
L240:
  klow = iext[j];
  iext[j] = l + 1;
  ++j;
  ++jchnge;
  goto L200;
L250:
  l = iext[j] + 1;
  if (jchnge > 0) goto L215;
L255:
  ++l;
  if (l >= kup) goto L260;
  err = Error(l, nz);
  if (nut * err - comp <= 0.0) goto L255;
  comp = nut * err;
  goto L210;
L260:
  klow = iext[j];
  ++j;
  goto L200;
  // The ends: a further extremum below the first or above the last one.
L300:
  if (j > nzz) goto L320;
  if (k1 > iext[1]) k1 = iext[1];
  if (knz < iext[nz]) knz = iext[nz];
  nut1 = nut;
  nut = -nu;
  l = 0;
  kup = k1;
  comp = ynz * 1.00001;
  luck = 1;
L310:
  ++l;
  if (l >= kup) goto L315;
  err = Error(l, nz);
  if (nut * err - comp <= 0.0) goto L310;
  comp = nut * err;
  j = nzz;
  goto L210;
L315:
  luck = 6;
  goto L325;
L320:
  if (luck > 9) goto L350;
  if (comp > y1) y1 = comp;
  k1 = iext[nzz];
L325:
  l = ngrid + 1;
  klow = knz;
  nut = -nut1;
  comp = y1 * 1.00001;
L330:
  --l;
  if (l <= klow) goto L340;
  err = Error(l, nz);
  if (nut * err - comp <= 0.0) goto L330;
  j = nzz;
  comp = nut * err;
  luck += 10;
  goto L235;
L340:
  if (luck == 6) goto L370;
  for (int64_t m = 1; m <= nfcns; ++m) iext[nzz - m] = iext[nz - m];
  iext[1] = k1;
  goto L100;
L350: {
  const int64_t kn = iext[nzz];
  for (int64_t m = 1; m <= nfcns; ++m) iext[m] = iext[m + 1];
  iext[nz] = kn;
  goto L100;
}
L370:
  if (jchnge > 0) goto L100;
  return ErrNone;
}

// The best approximation's cosine coefficients alpha by the inverse DFT
// over 2 nfcns - 1 points; with transform, the covered grid range is first
// stretched onto the whole interval and the result mapped back.
void Remez::Coefficients(bool transform) {
  const int64_t nz = nfcns + 1, nzz = nfcns + 2, nm1 = nfcns - 1;
  const double fsh = 1.0e-6;
  x[nzz] = -2.0;
  const double cn = static_cast<double>(2 * nfcns - 1);
  const double delf = 1.0 / cn;
  double aa = 0.0, bb = 0.0;
  if (transform) {
    const double lo = std::cos(kTwoPi * grid[1]), hi = std::cos(kTwoPi * grid[ngrid]);
    aa = 2.0 / (lo - hi);
    bb = -(lo + hi) / (lo - hi);
  }
  int64_t l = 1;
  for (int64_t j = 1; j <= nfcns; ++j) {
    double ft = static_cast<double>(j - 1) * delf;
    double xt = std::cos(kTwoPi * ft);
    if (transform) {
      xt = (xt - bb) / aa;
      ft = std::acos(xt) / kTwoPi;
    }
    // Walk the extremal abscissae (descending) to xt; a near match takes the
    // stored value, otherwise interpolate.
    for (;;) {
      const double xe = x[l];
      if (xt > xe) {
        a[j] = (xt - xe) < fsh ? y[l] : Interpolate(std::cos(kTwoPi * ft), nz);
        break;
      }
      if ((xe - xt) < fsh) {
        a[j] = y[l];
        break;
      }
      ++l;
    }
    if (l > 1) --l;
  }
  const double dden = kTwoPi / cn;
  for (int64_t j = 1; j <= nfcns; ++j) {
    double sum = 0.0;
    const double dnum = static_cast<double>(j - 1) * dden;
    for (int64_t k = 1; k <= nm1; ++k) sum += a[k + 1] * std::cos(dnum * static_cast<double>(k));
    alpha[j] = 2.0 * sum + a[1];
  }
  for (int64_t j = 2; j <= nfcns; ++j) alpha[j] = 2.0 * alpha[j] / cn;
  alpha[1] /= cn;
  if (transform) {
    p[1] = 2.0 * alpha[nfcns] * bb + alpha[nm1];
    p[2] = 2.0 * aa * alpha[nfcns];
    q[1] = alpha[nfcns - 2] - alpha[nfcns];
    for (int64_t j = 2; j <= nm1; ++j) {
      if (j >= nm1) {
        aa *= 0.5;
        bb *= 0.5;
      }
      p[j + 1] = 0.0;
      for (int64_t k = 1; k <= j; ++k) {
        a[k] = p[k];
        p[k] = 2.0 * bb * a[k];
      }
      p[2] += a[1] * 2.0 * aa;
      for (int64_t k = 1; k <= j - 1; ++k) p[k] += q[k] + aa * a[k + 1];
      for (int64_t k = 3; k <= j + 1; ++k) p[k] += aa * a[k - 1];
      if (j != nm1) {
        for (int64_t k = 1; k <= j; ++k) q[k] = -a[k];
        q[1] += alpha[nfcns - 1 - j];
      }
    }
    for (int64_t j = 1; j <= nfcns; ++j) alpha[j] = p[j];
  }
  if (nfcns <= 3) {
    alpha[nfcns + 1] = 0.0;
    alpha[nfcns + 2] = 0.0;
  }
}

bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

// The argument checks in their order; 0 when the design may start.
int CheckDesign(int nbands, const double* desired, const double* weights, double fs,
                const double* edges, int type, int n) {
  if (n < 3) return ErrFilterDesign;
  if (nbands < 1) return ErrSamplesGtZero;
  if (!Positive(fs)) return ErrBand;
  const int64_t ne = 2 * static_cast<int64_t>(nbands);
  for (int64_t i = 0; i < ne; ++i)
    if (!(edges[i] >= 0.0) || !std::isfinite(edges[i])) return ErrBand;
  for (int64_t b = 0; b < nbands; ++b) {
    if (!Positive(weights[b]) || !(desired[b] >= 0.0) || !std::isfinite(desired[b])) return ErrBand;
  }
  if (edges[ne - 1] / fs > 0.5) return ErrCutoff;
  for (int64_t i = 1; i < ne; ++i)
    if (!(edges[i] > edges[i - 1])) return ErrBand;
  const double first = edges[0], toNyquist = fs / 2.0 - edges[ne - 1];
  const bool odd = n % 2 != 0;
  switch (type) {
    case EquirippleMultiband:
      if (first != 0.0 || toNyquist > 0.001) return ErrFilterDesign;
      if (!odd && desired[nbands - 1] != 0.0) return ErrOddTaps;
      break;
    case EquirippleDifferentiator:
      if (first != 0.0 || (odd ? toNyquist < 0.01 : toNyquist > 0.001)) return ErrFilterDesign;
      break;
    case EquirippleHilbert:
      if (first == 0.0 || (odd ? toNyquist < 0.001 : toNyquist > 0.001)) return ErrFilterDesign;
      break;
    default:
      break;
  }
  return ErrNone;
}

}  // namespace

int RemezDesign(int nbands, const double* desired, const double* weights, double fs,
                const double* edges, int type, int n, double* out, double* deviation, int limit) {
  if (const int code = CheckDesign(nbands, desired, weights, fs, edges, type, n)) return code;
  if (limit < 1) limit = kDefaultLimit;
  const bool symmetric = type == EquirippleMultiband;
  const bool odd = n % 2 != 0;
  Remez r;
  r.nfcns = n / 2 + (symmetric && odd ? 1 : 0);
  if (r.nfcns + 2 >= kMaxFunctions) return ErrOutOfMemory;
  const double delf = 0.5 / (kDensity * static_cast<double>(r.nfcns));

  // The dense grid, band by band: from the lower edge in steps of delf while
  // not past the upper edge, whose value replaces the last point. Counted
  // first so the arrays are sized exactly.
  auto lowerStart = [&](int64_t b) {
    double f = edges[2 * b] / fs;
    if (b == 0 && !symmetric && f < delf) f = delf;
    return f;
  };
  int64_t points = 0;
  for (int64_t b = 0; b < nbands; ++b) {
    const double fup = edges[2 * b + 1] / fs;
    double f = lowerStart(b);
    do {
      ++points;
      f += delf;
    } while (f <= fup);
  }
  if (!r.Allocate(points)) return ErrOutOfMemory;
  int64_t g = 0;
  for (int64_t b = 0; b < nbands; ++b) {
    const int64_t first = g + 1;
    const double fup = edges[2 * b + 1] / fs;
    double f = lowerStart(b);
    do {
      r.grid[++g] = f;
      f += delf;
    } while (f <= fup);
    r.grid[g] = fup;
    // Desired value (a slope for the differentiator) and weight per point.
    for (int64_t k = first; k <= g; ++k) {
      const double at = r.grid[k];
      const bool slope = type == EquirippleDifferentiator;
      r.des[k] = slope ? desired[b] * at : desired[b];
      r.wt[k] = slope && desired[b] >= 0.0001 ? weights[b] / at : weights[b];
    }
  }
  r.ngrid = points;
  // A response that is zero at half the sampling rate cannot fit a point
  // there.
  if (symmetric != odd && r.grid[r.ngrid] > 0.5 - delf) --r.ngrid;

  // Fold the symmetry and length case into the desired values and weights.
  for (int64_t k = 1; k <= r.ngrid; ++k) {
    double change = 1.0;
    if (symmetric && !odd) change = std::cos(kPi * r.grid[k]);
    if (!symmetric) change = odd ? std::sin(kTwoPi * r.grid[k]) : std::sin(kPi * r.grid[k]);
    r.des[k] /= change;
    r.wt[k] *= change;
    r.xgrid[k] = std::cos(kTwoPi * r.grid[k]);
  }

  for (int64_t j = 1; j <= r.nfcns + 1; ++j) r.iext[j] = (j - 1) * (r.ngrid - 1) / r.nfcns + 1;
  if (const int code = r.Exchange(limit)) return code;
  r.Coefficients(type == EquirippleHilbert && r.nfcns > 3);

  // The impulse response from the cosine coefficients, by symmetry case,
  // written from both ends towards the centre.
  const int64_t nf = r.nfcns, nz = nf + 1, nm1 = nf - 1;
  WorkArray half = AllocateWork(nf + 2);
  if (!half) return ErrOutOfMemory;
  const double* al = r.alpha.get();
  double* hh = half.get();
  if (symmetric) {
    if (odd) {
      for (int64_t j = 1; j <= nm1; ++j) hh[j] = 0.5 * al[nz - j];
      hh[nf] = al[1];
    } else {
      hh[1] = 0.25 * al[nf];
      for (int64_t j = 2; j <= nm1; ++j) hh[j] = 0.25 * (al[nz - j] + al[nf + 2 - j]);
      hh[nf] = 0.5 * al[1] + 0.25 * al[2];
    }
  } else if (odd) {
    hh[1] = 0.25 * al[nf];
    hh[2] = 0.25 * al[nm1];
    for (int64_t j = 3; j <= nm1; ++j) hh[j] = 0.25 * (al[nz - j] - al[nf + 3 - j]);
    hh[nf] = 0.5 * al[1] - 0.25 * al[3];
  } else {
    hh[1] = 0.25 * al[nf];
    for (int64_t j = 2; j <= nm1; ++j) hh[j] = 0.25 * (al[nz - j] - al[nf + 2 - j]);
    hh[nf] = 0.5 * al[1] - 0.25 * al[2];
  }
  for (int64_t j = 1; j <= nf; ++j) {
    out[j - 1] = hh[j];
    out[n - j] = symmetric ? hh[j] : -hh[j];
  }
  if (!symmetric && odd) out[nf] = 0.0;
  *deviation = std::fabs(r.dev);
  return ErrNone;
}

int EquirippleDesignCore(int nbands, const double* desired, const double* weights, double fs,
                         const double* edges, int type, int n, double* out, double* deviation) {
  return RemezDesign(nbands, desired, weights, fs, edges, type, n, out, deviation, kDefaultLimit);
}

}  // namespace SgCore
