// LU decomposition with partial pivoting, its substitutions, the inverse and
// the matrix product.
#include <cmath>
#include <cstring>
#include <utility>

#include "analysis/core/CoreErrors.h"
#include "analysis/linalg/DenseMatrix.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {
constexpr double kPivotFloor = 1e-12;
}

int LuDecompose(double* a, int count, int* perm, int* parity) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  for (int64_t i = 0; i < n; ++i) perm[i] = static_cast<int>(i);
  *parity = 0;
  for (int64_t i = 0; i < n; ++i) {
    for (int64_t r = 0; r < i; ++r) {
      double s = a[r * n + i];
      for (int64_t k = 0; k < r; ++k) s -= a[r * n + k] * a[k * n + i];
      a[r * n + i] = s;
    }
    int64_t pivot = -1;
    double biggest = kPivotFloor;
    for (int64_t r = i; r < n; ++r) {
      double s = a[r * n + i];
      for (int64_t k = 0; k < i; ++k) s -= a[r * n + k] * a[k * n + i];
      a[r * n + i] = s;
      if (std::fabs(s) > biggest) {
        biggest = std::fabs(s);
        pivot = r;
      }
    }
    if (pivot < 0) return ErrSingular;
    if (pivot != i) {
      for (int64_t k = 0; k < n; ++k) std::swap(a[pivot * n + k], a[i * n + k]);
      perm[i] = static_cast<int>(pivot);
      *parity ^= 1;
    }
    const double d = a[i * n + i];
    for (int64_t r = i + 1; r < n; ++r) a[r * n + i] /= d;
  }
  return ErrNone;
}

int LuForwardSubstitute(const double* lu, const double* b, int count, double* y, const int* perm) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  if (y != b) std::memmove(y, b, sizeof(double) * n);
  for (int64_t i = 0; i < n; ++i) std::swap(y[i], y[perm[i]]);
  for (int64_t i = 0; i < n; ++i) {
    double s = y[i];
    for (int64_t k = 0; k < i; ++k) s -= lu[i * n + k] * y[k];
    y[i] = s;
  }
  return ErrNone;
}

int LuBackSubstitute(const double* lu, const double* y, int count, double* x) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  for (int64_t i = n - 1; i >= 0; --i) {
    const double d = lu[i * n + i];
    if (d == 0.0) return ErrSingular;
    double s = y[i];
    for (int64_t k = i + 1; k < n; ++k) s -= lu[i * n + k] * x[k];
    x[i] = s / d;
  }
  return ErrNone;
}

int MatrixInverse(const double* a, int count, double* out) {
  if (count < 1) return ErrSamplesGtZero;
  const int64_t n = count;
  WorkArray lu = AllocateWork(n * n), column = AllocateWork(n);
  std::unique_ptr<int[]> perm(new (std::nothrow) int[n]);
  if (!lu || !column || !perm) return ErrOutOfMemory;
  std::memcpy(lu.get(), a, sizeof(double) * n * n);  // before out, which may be a
  int parity = 0;
  if (const int code = LuDecompose(lu.get(), count, perm.get(), &parity)) return code;
  for (int64_t j = 0; j < n; ++j) {
    for (int64_t i = 0; i < n; ++i) column[i] = i == j ? 1.0 : 0.0;
    LuForwardSubstitute(lu.get(), column.get(), count, column.get(), perm.get());
    if (const int code = LuBackSubstitute(lu.get(), column.get(), count, column.get())) return code;
    for (int64_t i = 0; i < n; ++i) out[i * n + j] = column[i];
  }
  return ErrNone;
}

int MatrixMultiply(const double* a, const double* b, int r, int n, int c, double* out) {
  if (r < 1 || n < 1 || c < 1) return ErrSamplesGtZero;
  const int64_t rows = r, inner = n, cols = c;
  // A product written over one of its factors goes through a copy.
  WorkArray scratch;
  double* target = out;
  if (out == a || out == b) {
    scratch = AllocateWork(rows * cols);
    if (!scratch) return ErrOutOfMemory;
    target = scratch.get();
  }
  for (int64_t i = 0; i < rows; ++i) {
    for (int64_t j = 0; j < cols; ++j) target[i * cols + j] = 0.0;
    for (int64_t k = 0; k < inner; ++k) {
      const double f = a[i * inner + k];
      for (int64_t j = 0; j < cols; ++j) target[i * cols + j] += f * b[k * cols + j];
    }
  }
  if (target != out) std::memcpy(out, target, sizeof(double) * rows * cols);
  return ErrNone;
}

}  // namespace SgCore
