// Orthogonal triangularisations of a least-squares system A x ~ b: Givens
// rotations, Gentleman's square-root-free rotations and Householder
// reflections. None tests for singularity; callers check their inputs.
#include <cmath>

#include "analysis/linalg/DenseMatrix.h"

namespace SgCore {

void GivensTriangularize(double* a, int rows, int cols, double* b) {
  const int64_t m = rows, n = cols;
  for (int64_t i = 0; i < n; ++i) {
    for (int64_t k = i + 1; k < m; ++k) {
      const double p = a[i * n + i], q = a[k * n + i];
      if (q == 0.0) continue;
      // hypot(p, q) as the larger magnitude times sqrt(1 + ratio^2).
      const double big = std::fmax(std::fabs(p), std::fabs(q));
      const double small = std::fmin(std::fabs(p), std::fabs(q));
      const double r = big * std::sqrt(1.0 + (small / big) * (small / big));
      const double c = p / r, s = q / r;
      for (int64_t j = i; j < n; ++j) {
        const double t1 = a[i * n + j], t2 = a[k * n + j];
        a[i * n + j] = c * t1 + s * t2;
        a[k * n + j] = c * t2 - s * t1;
      }
      const double t1 = b[i], t2 = b[k];
      b[i] = c * t1 + s * t2;
      b[k] = c * t2 - s * t1;
    }
  }
}

// Gentleman's rotations keep a weight per row: the triangular row i carries
// weight w with a unit diagonal, and every lower row its own weight, which a
// combination scales by w / g. (Leaving the lower rows at weight 1 would be
// right only for consistent systems.) A lower row's weight lives in its
// column-0 element, which is zero once column 0 is done, and is cleared at
// the end so the lower part reads as zeros.
void FastGivensTriangularize(double* a, int rows, int cols, double* b) {
  const int64_t m = rows, n = cols;
  auto rowWeight = [&](int64_t k, int64_t step) { return step == 0 ? 1.0 : a[k * n]; };
  for (int64_t i = 0; i < n && i < m; ++i) {
    const double d = a[i * n + i];
    double weight = rowWeight(i, i) * d * d;
    if (i > 0) a[i * n] = 0.0;
    for (int64_t j = i; j < n; ++j) a[i * n + j] /= d;
    b[i] /= d;
    a[i * n + i] = 1.0;
    for (int64_t k = i + 1; k < m; ++k) {
      const double f = a[k * n + i];
      const double delta = rowWeight(k, i);
      if (f != 0.0) {
        const double g = weight + delta * f * f;
        const double keep = weight / g, take = delta * f / g;
        for (int64_t j = i; j < n; ++j) {
          const double old = a[i * n + j];
          a[i * n + j] = keep * old + take * a[k * n + j];
          a[k * n + j] -= f * old;
        }
        const double old = b[i];
        b[i] = keep * old + take * b[k];
        b[k] -= f * old;
        a[k * n] = delta * weight / g;
        weight = g;
      } else {
        a[k * n] = delta;
      }
    }
  }
  for (int64_t k = n; k < m; ++k) a[k * n] = 0.0;
}

void HouseholderTriangularize(double* a, int rows, int cols, double* b) {
  const int64_t m = rows, n = cols;
  for (int64_t i = 0; i < n; ++i) {
    double scale = 0.0;
    for (int64_t k = i; k < m; ++k) scale += std::fabs(a[k * n + i]);
    if (scale == 0.0) continue;
    double sum = 0.0;
    for (int64_t k = i; k < m; ++k) {
      a[k * n + i] /= scale;
      sum += a[k * n + i] * a[k * n + i];
    }
    // Reflection vector v = column + alpha e_i, alpha with the leading sign.
    const double alpha = std::copysign(std::sqrt(sum), a[i * n + i]);
    a[i * n + i] += alpha;
    const double beta = alpha * a[i * n + i];
    for (int64_t j = i + 1; j < n; ++j) {
      double t = 0.0;
      for (int64_t k = i; k < m; ++k) t += a[k * n + i] * a[k * n + j];
      t /= beta;
      for (int64_t k = i; k < m; ++k) a[k * n + j] -= t * a[k * n + i];
    }
    double t = 0.0;
    for (int64_t k = i; k < m; ++k) t += a[k * n + i] * b[k];
    t /= beta;
    for (int64_t k = i; k < m; ++k) b[k] -= t * a[k * n + i];
    a[i * n + i] = -scale * alpha;
    for (int64_t k = i + 1; k < m; ++k) a[k * n + i] = 0.0;
  }
}

}  // namespace SgCore
