// Cholesky factorisation in full and in packed storage, and the solves.
#include <cmath>
#include <cstring>

#include "analysis/core/CoreErrors.h"
#include "analysis/linalg/DenseMatrix.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {

// Column by column; returns false at the first pivot not > 0 when checked.
bool Factor(double* a, int64_t n, bool checked) {
  for (int64_t j = 0; j < n; ++j) {
    double pivot = a[j * n + j];
    for (int64_t k = 0; k < j; ++k) pivot -= a[j * n + k] * a[j * n + k];
    if (checked && !(pivot > 0.0)) return false;
    const double d = std::sqrt(pivot);
    a[j * n + j] = d;
    for (int64_t i = j + 1; i < n; ++i) {
      double s = a[i * n + j];
      for (int64_t k = 0; k < j; ++k) s -= a[i * n + k] * a[j * n + k];
      a[i * n + j] = s / d;
      a[j * n + i] = 0.0;
    }
  }
  return true;
}

// Start of column j of a packed lower triangle (layout 2) of order n.
int64_t ColumnStart(int64_t j, int64_t n) { return j * n - j * (j - 1) / 2; }

}  // namespace

int CholeskyFactor(double* a, int cols) { return Factor(a, cols, true) ? ErrNone : ErrSingular; }

void CholeskyFactorUnchecked(double* a, int cols) { Factor(a, cols, false); }

void CholeskySolve(const double* l, const double* b, double* x, int cols) {
  const int64_t n = cols;
  for (int64_t i = 0; i < n; ++i) {
    double s = b[i];
    for (int64_t k = 0; k < i; ++k) s -= l[i * n + k] * x[k];
    x[i] = s / l[i * n + i];
  }
  for (int64_t i = n - 1; i >= 0; --i) {
    double s = x[i];
    for (int64_t k = i + 1; k < n; ++k) s -= l[k * n + i] * x[k];
    x[i] = s / l[i * n + i];
  }
}

void CholeskySolveTwin(const double* l, const double* b, double* x, int cols) {
  CholeskySolve(l, b, x, cols);
}

void CholeskySolvePackedTwin(const double* l, const double* b, double* x, int cols) {
  CholeskySolve(l, b, x, cols);
}

int PackTriangle(const double* a, int count, int layout, double* packed) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  int64_t p = 0;
  if (layout == 0 || layout == 2) {
    for (int64_t j = 0; j < n; ++j)
      for (int64_t i = j; i < n; ++i) packed[p++] = a[i * n + j];
  } else if (layout == 1) {
    for (int64_t j = 0; j < n; ++j)
      for (int64_t i = 0; i <= j; ++i) packed[p++] = a[i * n + j];
  }
  return ErrNone;
}

int PackedCholeskyFactor(double* packed, int count) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  auto at = [&](int64_t i, int64_t j) -> double& { return packed[ColumnStart(j, n) + (i - j)]; };
  double largest = 0.0;
  for (int64_t j = 0; j < n; ++j) {
    double pivot = at(j, j);
    for (int64_t k = 0; k < j; ++k) pivot -= at(j, k) * at(j, k);
    if (!(pivot > 0.0)) return ErrSingular;
    const double d = std::sqrt(pivot);
    at(j, j) = d;
    largest = std::fmax(largest, d);
    for (int64_t i = j + 1; i < n; ++i) {
      double s = at(i, j);
      for (int64_t k = 0; k < j; ++k) s -= at(i, k) * at(j, k);
      at(i, j) = s / d;
      largest = std::fmax(largest, std::fabs(at(i, j)));
    }
    // A diagonal tiny beside the factor's elements means a singular matrix.
    for (int64_t k = 0; k <= j; ++k) {
      if (at(k, k) < 1e-8 * largest) return ErrSingular;
    }
  }
  return ErrNone;
}

int CholeskyFactorPacked(const double* a, int count, double* out) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  WorkArray packed = AllocateWork(n * (n + 1) / 2);
  if (!packed) return ErrOutOfMemory;
  if (out != a) std::memmove(out, a, sizeof(double) * n * n);
  PackTriangle(out, count, 2, packed.get());
  if (const int code = PackedCholeskyFactor(packed.get(), count)) return code;
  int64_t p = 0;
  for (int64_t j = 0; j < n; ++j) {
    for (int64_t i = 0; i < j; ++i) out[i * n + j] = 0.0;
    for (int64_t i = j; i < n; ++i) out[i * n + j] = packed[p++];
  }
  return ErrNone;
}

}  // namespace SgCore
