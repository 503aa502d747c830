// The Remez exchange and the coefficient stage of the equiripple design, as
// in the McClellan-Parks-Rabiner program, whose search for the extremal
// frequencies is kept step by step (its labels as goto targets).
#include <cmath>
#include <cstdint>
#include <numbers>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/RemezState.h"

namespace SgCore::remez {
namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

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
L350 : {
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

}  // namespace SgCore::remez
