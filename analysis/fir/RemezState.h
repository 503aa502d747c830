#pragma once
// The state of one equiripple design and the two stages of the
// McClellan-Parks-Rabiner program that work on it: the Remez exchange and the
// inverse DFT of the best approximation. Arrays are indexed from 1 as in the
// published program. Not part of the library's interface.
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "analysis/linalg/WorkArray.h"

namespace SgCore::remez {

struct Remez {
  int64_t nfcns = 0, ngrid = 0;
  WorkArray grid, des, wt, xgrid;      // 1..ngrid
  WorkArray x, y, ad, alpha, a, p, q;  // 1..nfcns + 2 (x to nfcns + 2)
  std::unique_ptr<int64_t[]> iext;     // 1..nfcns + 2
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

  // 0 on convergence; ErrFilterDesign when the deviation shrinks, abscissae
  // coincide or the iteration limit is used up.
  int Exchange(int limit);
  // alpha from the converged extremal values; with transform the covered
  // grid range is stretched onto the whole interval first.
  void Coefficients(bool transform);
};

}  // namespace SgCore::remez
