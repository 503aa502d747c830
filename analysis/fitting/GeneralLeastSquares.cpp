// The general linear least-squares fit and its six solution algorithms.
#include <cmath>
#include <cstring>
#include <memory>

#include "analysis/core/CoreErrors.h"
#include "analysis/fitting/Fitting.h"
#include "analysis/linalg/DenseMatrix.h"
#include "analysis/linalg/WorkArray.h"

namespace SgCore {
namespace {

constexpr int kMaxCoefficients = 90;

// x from an upper triangle (first a rows of t, a columns) and rhs.
void BackSubstitute(const double* t, int64_t a, const double* rhs, double* x, bool unitDiagonal) {
  for (int64_t i = a - 1; i >= 0; --i) {
    double s = rhs[i];
    for (int64_t k = i + 1; k < a; ++k) s -= t[i * a + k] * x[k];
    x[i] = unitDiagonal ? s : s / t[i * a + i];
  }
}

// Weighted normal equations N = H^T W H, r = H^T W y, W = diag(1 / sigma^2).
void NormalEquations(const double* h, int64_t n, int64_t a, const double* y, const double* sigma,
                     double* normal, double* rhs) {
  for (int64_t k = 0; k < a * a; ++k) normal[k] = 0.0;
  for (int64_t k = 0; k < a; ++k) rhs[k] = 0.0;
  for (int64_t i = 0; i < n; ++i) {
    const double wt = sigma ? 1.0 / (sigma[i] * sigma[i]) : 1.0;
    const double* row = h + i * a;
    for (int64_t k = 0; k < a; ++k) {
      const double wk = wt * row[k];
      for (int64_t l = 0; l < a; ++l) normal[k * a + l] += wk * row[l];
      rhs[k] += wk * y[i];
    }
  }
}

// Q = sum H_ik H_il / sigma_i^2, leaving out points with sigma 0, inverted.
int WeightedCovariance(const double* h, int64_t n, int64_t a, const double* sigma,
                       double* covariance) {
  WorkArray q = AllocateWork(a * a);
  if (!q) return ErrOutOfMemory;
  for (int64_t k = 0; k < a * a; ++k) q[k] = 0.0;
  for (int64_t i = 0; i < n; ++i) {
    if (sigma && sigma[i] == 0.0) continue;
    const double wt = sigma ? 1.0 / (sigma[i] * sigma[i]) : 1.0;
    for (int64_t k = 0; k < a; ++k)
      for (int64_t l = 0; l < a; ++l) q[k * a + l] += wt * h[i * a + k] * h[i * a + l];
  }
  return MatrixInverse(q.get(), static_cast<int>(a), covariance);
}

int SolveOrthogonal(const double* h, int64_t n, int64_t a, const double* y, const double* sigma,
                    int algorithm, double* coefficients) {
  WorkArray m = AllocateWork(n * a), rhs = AllocateWork(n);
  if (!m || !rhs) return ErrOutOfMemory;
  for (int64_t i = 0; i < n; ++i) {
    const double scale = sigma ? 1.0 / sigma[i] : 1.0;
    for (int64_t k = 0; k < a; ++k) m[i * a + k] = h[i * a + k] * scale;
    rhs[i] = y[i] * scale;
  }
  const int rows = static_cast<int>(n), cols = static_cast<int>(a);
  switch (algorithm) {
    case LsSvd: {
      WorkArray w = AllocateWork(a), v = AllocateWork(a * a);
      if (!w || !v) return ErrOutOfMemory;
      if (const int code = SvdDecompose(m.get(), rows, cols, w.get(), v.get())) return code;
      double largest = 0.0;
      for (int64_t k = 0; k < a; ++k) largest = std::fmax(largest, w[k]);
      for (int64_t k = 0; k < a; ++k)
        if (w[k] < 1e-30 * largest) w[k] = 0.0;
      return SvdSolve(m.get(), w.get(), v.get(), rows, cols, rhs.get(), coefficients);
    }
    case LsGivens: GivensTriangularize(m.get(), rows, cols, rhs.get()); break;
    case LsFastGivens: FastGivensTriangularize(m.get(), rows, cols, rhs.get()); break;
    default: HouseholderTriangularize(m.get(), rows, cols, rhs.get()); break;
  }
  BackSubstitute(m.get(), a, rhs.get(), coefficients, algorithm == LsFastGivens);
  return ErrNone;
}

int SolveNormal(const double* h, int64_t n, int64_t a, const double* y, const double* sigma,
                int algorithm, double* coefficients, double* covariance) {
  WorkArray normal = AllocateWork(a * a), rhs = AllocateWork(a);
  std::unique_ptr<int[]> perm(new (std::nothrow) int[a]);
  if (!normal || !rhs || !perm) return ErrOutOfMemory;
  NormalEquations(h, n, a, y, sigma, normal.get(), rhs.get());
  const int cols = static_cast<int>(a);
  if (covariance) {
    if (const int code = MatrixInverse(normal.get(), cols, covariance)) return code;
  }
  if (algorithm == LsLu) {
    int parity = 0;
    if (LuDecompose(normal.get(), cols, perm.get(), &parity) != ErrNone) return ErrSingular;
    LuForwardSubstitute(normal.get(), rhs.get(), cols, rhs.get(), perm.get());
    if (LuBackSubstitute(normal.get(), rhs.get(), cols, coefficients) != ErrNone)
      return ErrSingular;
    return ErrNone;
  }
  if (CholeskyFactor(normal.get(), cols) != ErrNone) return ErrSingular;
  CholeskySolve(normal.get(), rhs.get(), coefficients, cols);
  return ErrNone;
}

}  // namespace

int GeneralLeastSquaresCore(const double* h, int count, int a, const double* y, const double* sigma,
                            int algorithm, double* fit, double* coefficients, double* covariance,
                            double* mse) {
  if (count <= 0) return ErrSamplesGtZero;
  if (count < a) return ErrSizeOrder;
  if (a < 1 || a > kMaxCoefficients) return ErrOrder;
  if (algorithm < LsSvd || algorithm > LsCholesky) return ErrSelection;
  const int64_t n = count;
  int code = ErrNone;
  if (algorithm <= LsHouseholder) {
    if (covariance) code = WeightedCovariance(h, n, a, sigma, covariance);
    if (code == ErrNone) code = SolveOrthogonal(h, n, a, y, sigma, algorithm, coefficients);
  } else {
    code = SolveNormal(h, n, a, y, sigma, algorithm, coefficients, covariance);
  }
  if (code != ErrNone) return code;
  // The fit through the unweighted basis; y is read before fit is written,
  // so the two may share an array.
  WorkArray model = AllocateWork(n);
  if (!model) return ErrOutOfMemory;
  MatrixMultiply(h, coefficients, count, a, 1, model.get());
  MeanSquaredError(y, count, model.get(), count, mse);
  std::memcpy(fit, model.get(), sizeof(double) * n);
  return ErrNone;
}

}  // namespace SgCore
