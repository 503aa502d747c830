// Singular value decomposition by the Golub-Reinsch method: Householder
// bidiagonalisation, accumulation of both transformations, then implicit-
// shift QR sweeps on the bidiagonal form, one singular value at a time.
#include <algorithm>
#include <cmath>

#include "analysis/core/CoreErrors.h"
#include "analysis/linalg/DenseMatrix.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {

constexpr int kMaxSweeps = 29;

// Row-major views with 64-bit index arithmetic.
struct View {
  double* p;
  int64_t cols;
  double& operator()(int64_t i, int64_t j) const { return p[i * cols + j]; }
};

// Rotates columns i and j of M (rows 0..rows-1) by (c, s).
void RotateColumns(const View& m, int64_t rows, int64_t i, int64_t j, double c, double s) {
  for (int64_t r = 0; r < rows; ++r) {
    const double y = m(r, i), z = m(r, j);
    m(r, i) = y * c + z * s;
    m(r, j) = z * c - y * s;
  }
}

}  // namespace

int SvdDecompose(double* data, int rows, int cols, double* w, double* vdata) {
  if (rows < cols || cols < 1) return ErrSamplesGtZero;
  const int64_t m = rows, n = cols;
  const View a{data, n}, v{vdata, n};
  WorkArray rv1 = AllocateWork(n);
  if (!rv1) return ErrOutOfMemory;

  // Bidiagonalisation; every column and row is scaled by the sum of its
  // magnitudes before its reflection.
  double g = 0.0, scale = 0.0, anorm = 0.0;
  int64_t l = 0;
  for (int64_t i = 0; i < n; ++i) {
    l = i + 1;
    rv1[i] = scale * g;
    g = scale = 0.0;
    double s = 0.0;
    for (int64_t k = i; k < m; ++k) scale += std::fabs(a(k, i));
    if (scale != 0.0) {
      for (int64_t k = i; k < m; ++k) {
        a(k, i) /= scale;
        s += a(k, i) * a(k, i);
      }
      const double f = a(i, i);
      g = -std::copysign(std::sqrt(s), f);
      const double h = f * g - s;
      a(i, i) = f - g;
      for (int64_t j = l; j < n; ++j) {
        double t = 0.0;
        for (int64_t k = i; k < m; ++k) t += a(k, i) * a(k, j);
        const double ff = t / h;
        for (int64_t k = i; k < m; ++k) a(k, j) += ff * a(k, i);
      }
      for (int64_t k = i; k < m; ++k) a(k, i) *= scale;
    }
    w[i] = scale * g;
    g = scale = s = 0.0;
    if (i != n - 1) {
      for (int64_t k = l; k < n; ++k) scale += std::fabs(a(i, k));
      if (scale != 0.0) {
        for (int64_t k = l; k < n; ++k) {
          a(i, k) /= scale;
          s += a(i, k) * a(i, k);
        }
        const double f = a(i, l);
        g = -std::copysign(std::sqrt(s), f);
        const double h = f * g - s;
        a(i, l) = f - g;
        for (int64_t k = l; k < n; ++k) rv1[k] = a(i, k) / h;
        for (int64_t j = l; j < m; ++j) {
          double t = 0.0;
          for (int64_t k = l; k < n; ++k) t += a(j, k) * a(i, k);
          for (int64_t k = l; k < n; ++k) a(j, k) += t * rv1[k];
        }
        for (int64_t k = l; k < n; ++k) a(i, k) *= scale;
      }
    }
    anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(rv1[i]));
  }

  // Right-hand transformations into V.
  for (int64_t i = n - 1; i >= 0; --i) {
    if (i < n - 1) {
      if (g != 0.0) {
        // Double division avoids a possible underflow.
        for (int64_t j = l; j < n; ++j) v(j, i) = (a(i, j) / a(i, l)) / g;
        for (int64_t j = l; j < n; ++j) {
          double t = 0.0;
          for (int64_t k = l; k < n; ++k) t += a(i, k) * v(k, j);
          for (int64_t k = l; k < n; ++k) v(k, j) += t * v(k, i);
        }
      }
      for (int64_t j = l; j < n; ++j) v(i, j) = v(j, i) = 0.0;
    }
    v(i, i) = 1.0;
    g = rv1[i];
    l = i;
  }

  // Left-hand transformations into U (in place of A).
  for (int64_t i = std::min(m, n) - 1; i >= 0; --i) {
    l = i + 1;
    g = w[i];
    for (int64_t j = l; j < n; ++j) a(i, j) = 0.0;
    if (g != 0.0) {
      g = 1.0 / g;
      for (int64_t j = l; j < n; ++j) {
        double t = 0.0;
        for (int64_t k = l; k < m; ++k) t += a(k, i) * a(k, j);
        const double f = (t / a(i, i)) * g;
        for (int64_t k = i; k < m; ++k) a(k, j) += f * a(k, i);
      }
      for (int64_t j = i; j < m; ++j) a(j, i) *= g;
    } else {
      for (int64_t j = i; j < m; ++j) a(j, i) = 0.0;
    }
    a(i, i) += 1.0;
  }

  // Diagonalisation of the bidiagonal form, from the last singular value.
  for (int64_t k = n - 1; k >= 0; --k) {
    for (int sweep = 0;; ++sweep) {
      bool cancel = true;
      int64_t nm = 0;
      for (l = k; l >= 0; --l) {
        nm = l - 1;
        // rv1[0] is always 0: the search stops at l = 0 at the latest.
        if (l == 0 || std::fabs(rv1[l]) + anorm == anorm) {
          cancel = false;
          break;
        }
        if (std::fabs(w[nm]) + anorm == anorm) break;
      }
      if (cancel) {
        // w[nm] is negligible: chase the superdiagonal element rv1[l] out.
        double c = 0.0, s = 1.0;
        for (int64_t i = l; i <= k; ++i) {
          const double f = s * rv1[i];
          rv1[i] = c * rv1[i];
          if (std::fabs(f) + anorm == anorm) break;
          g = w[i];
          double h = std::hypot(f, g);
          w[i] = h;
          h = 1.0 / h;
          c = g * h;
          s = -f * h;
          RotateColumns(a, m, nm, i, c, s);
        }
      }
      double z = w[k];
      if (l == k) {
        if (z < 0.0) {
          w[k] = -z;
          for (int64_t j = 0; j < n; ++j) v(j, k) = -v(j, k);
        }
        break;
      }
      if (sweep == kMaxSweeps) return ErrSamplesGtZero;
      // Shift from the bottom 2 by 2 minor.
      double x = w[l];
      nm = k - 1;
      double y = w[nm];
      g = rv1[nm];
      double h = rv1[k];
      double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
      g = std::hypot(f, 1.0);
      f = ((x - z) * (x + z) + h * ((y / (f + std::copysign(g, f))) - h)) / x;
      double c = 1.0, s = 1.0;
      for (int64_t j = l; j <= nm; ++j) {
        const int64_t i = j + 1;
        g = rv1[i];
        y = w[i];
        h = s * g;
        g = c * g;
        z = std::hypot(f, h);
        rv1[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y *= c;
        RotateColumns(v, n, j, i, c, s);
        z = std::hypot(f, h);
        w[j] = z;
        if (z != 0.0) {
          z = 1.0 / z;
          c = f * z;
          s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        RotateColumns(a, m, j, i, c, s);
      }
      rv1[l] = 0.0;
      rv1[k] = f;
      w[k] = x;
    }
  }
  return ErrNone;
}

int SvdSolve(const double* u, const double* w, const double* v, int rows, int cols, const double* b,
             double* x) {
  const int64_t m = rows, n = cols;
  WorkArray tmp = AllocateWork(n);
  if (!tmp) return ErrOutOfMemory;
  for (int64_t j = 0; j < n; ++j) {
    double s = 0.0;
    if (w[j] != 0.0) {
      for (int64_t i = 0; i < m; ++i) s += u[i * n + j] * b[i];
      s /= w[j];
    }
    tmp[j] = s;
  }
  for (int64_t j = 0; j < n; ++j) {
    double s = 0.0;
    for (int64_t k = 0; k < n; ++k) s += v[j * n + k] * tmp[k];
    x[j] = s;
  }
  return ErrNone;
}

}  // namespace SgCore
