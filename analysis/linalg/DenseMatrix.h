#pragma once
// Dense matrix routines of the analysis core, used by the fits. Matrices are
// row-major: an n by a matrix holds element (i, j) at i * a + j. Routines
// with a result return 0 or a negative code; ErrSamplesGtZero for a count of 0 or less
// where noted, ErrSingular for a singular matrix, ErrOutOfMemory for exhausted memory.
#include <cstdint>

namespace SgCore {

// A (n by a, n >= a) = U diag(w) V^T; U replaces A, V is a by a. ErrSamplesGtZero when
// n < a or when a singular value does not converge within 29 sweeps.
int SvdDecompose(double* a, int n, int cols, double* w, double* v);
// x = V diag(1/w) U^T b, leaving out the terms with w = 0.
int SvdSolve(const double* u, const double* w, const double* v, int n, int cols, const double* b,
             double* x);

// Make A (n by a) upper triangular in its first a rows, applying the same
// transformations to b (least squares: the first a rows then solve it).
void GivensTriangularize(double* a, int n, int cols, double* b);
// Square-root-free rotations; the triangle has a unit diagonal.
void FastGivensTriangularize(double* a, int n, int cols, double* b);
void HouseholderTriangularize(double* a, int n, int cols, double* b);

// Lower Cholesky factor L (A = L L^T) in place of A (a by a); the upper
// triangle becomes 0. A pivot not > 0 gives ErrSingular.
int CholeskyFactor(double* a, int cols);
void CholeskyFactorUnchecked(double* a, int cols);
// Forward then back substitution with the factor; x may be b.
void CholeskySolve(const double* factor, const double* b, double* x, int cols);
void CholeskySolveTwin(const double* factor, const double* b, double* x, int cols);
void CholeskySolvePackedTwin(const double* factor, const double* b, double* x, int cols);
// Factor of A (n by n) through packed storage, written into out (may be A).
int CholeskyFactorPacked(const double* a, int n, double* out);
// Cholesky factorisation of a packed lower triangle (layout 2), refusing a
// pivot not > 0 and a diagonal below 1e-8 of the largest factor element.
int PackedCholeskyFactor(double* packed, int n);
// One triangle of A (n by n) into n (n + 1) / 2 values: layouts 0 and 2 the
// lower triangle column by column from the diagonal down, layout 1 the upper
// triangle column by column from the top down; other layouts copy nothing.
int PackTriangle(const double* a, int n, int layout, double* packed);

// LU decomposition with partial pivoting (Crout order) in place of A; perm[i]
// is the row chosen as pivot at step i, parity flips at every exchange.
int LuDecompose(double* a, int n, int* perm, int* parity);
// y with L y = P b (unit lower factor); y may be b.
int LuForwardSubstitute(const double* lu, const double* b, int n, double* y, const int* perm);
// x with U x = y; a zero diagonal gives ErrSingular; x may be y.
int LuBackSubstitute(const double* lu, const double* y, int n, double* x);
// Inverse of A (n by n) into out (may be A).
int MatrixInverse(const double* a, int n, double* out);
// out (r by c) = A (r by n) B (n by c); out may be A or B.
int MatrixMultiply(const double* a, const double* b, int r, int n, int c, double* out);

// (1/m) sum (p_i - q_i)^2 over m = min(m1, m2) values.
int MeanSquaredError(const double* p, int m1, const double* q, int m2, double* out);
// Mean and population variance, accumulated about the middle element.
int MeanAndVariance(const double* x, int n, double* mean, double* variance);
int ArrayNegate(const double* in, int n, double* out);
// True when n < 2, else when x[0] != 0 and every x[i] has its sign.
bool IsStrictlySigned(const double* x, int n);

}  // namespace SgCore
