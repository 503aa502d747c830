// Dense matrix routines against reconstructions and closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "analysis/core/CoreErrors.h"
#include "analysis/linalg/DenseMatrix.h"

using namespace SgCore;

namespace {

std::vector<double> RandomMatrix(int rows, int cols, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> d(-1.0, 1.0);
  std::vector<double> m(static_cast<size_t>(rows) * cols);
  for (double& v : m) v = d(rng);
  return m;
}

std::vector<double> Multiply(const std::vector<double>& a, const std::vector<double>& b, int r,
                             int n, int c) {
  std::vector<double> out(static_cast<size_t>(r) * c);
  EXPECT_EQ(MatrixMultiply(a.data(), b.data(), r, n, c, out.data()), 0);
  return out;
}

double MaxDiff(const std::vector<double>& a, const std::vector<double>& b) {
  double worst = 0;
  for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::fabs(a[i] - b[i]));
  return worst;
}

}  // namespace

TEST(Svd, ReconstructsAndOrthogonal) {
  for (auto [rows, cols] : {std::pair{5, 3}, {4, 4}, {12, 6}, {3, 1}}) {
    const std::vector<double> a = RandomMatrix(rows, cols, rows * 31 + cols);
    std::vector<double> u = a, w(cols), v(static_cast<size_t>(cols) * cols);
    ASSERT_EQ(SvdDecompose(u.data(), rows, cols, w.data(), v.data()), 0);
    // U diag(w) V^T == A.
    std::vector<double> rebuilt(a.size(), 0.0);
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < cols; ++j)
        for (int k = 0; k < cols; ++k)
          rebuilt[i * cols + j] += u[i * cols + k] * w[k] * v[j * cols + k];
    EXPECT_LT(MaxDiff(rebuilt, a), 1e-13) << rows << "x" << cols;
    for (double s : w) EXPECT_GE(s, 0.0);
    // V^T V == I.
    for (int i = 0; i < cols; ++i)
      for (int j = 0; j < cols; ++j) {
        double dot = 0;
        for (int k = 0; k < cols; ++k) dot += v[k * cols + i] * v[k * cols + j];
        EXPECT_NEAR(dot, i == j ? 1.0 : 0.0, 1e-13);
      }
  }
  std::vector<double> wide(6), w(3), v(9);
  EXPECT_EQ(SvdDecompose(wide.data(), 2, 3, w.data(), v.data()), ErrSamplesGtZero);
}

TEST(Svd, SolvesLeastSquaresAndSkipsZeroValues) {
  // Overdetermined consistent system.
  const int rows = 6, cols = 3;
  const std::vector<double> a = RandomMatrix(rows, cols, 9);
  const std::vector<double> x0 = {1.5, -2.0, 0.25};
  const std::vector<double> b = Multiply(a, x0, rows, cols, 1);
  std::vector<double> u = a, w(cols), v(cols * cols), x(cols);
  ASSERT_EQ(SvdDecompose(u.data(), rows, cols, w.data(), v.data()), 0);
  ASSERT_EQ(SvdSolve(u.data(), w.data(), v.data(), rows, cols, b.data(), x.data()), 0);
  EXPECT_LT(MaxDiff(x, x0), 1e-12);
  // Two equal columns: zeroing the null singular value gives the minimum-norm
  // solution, which splits the weight equally.
  std::vector<double> m = {1, 1, 2, 2, 3, 3}, bb = {2, 4, 6}, ww(2), vv(4), xx(2);
  ASSERT_EQ(SvdDecompose(m.data(), 3, 2, ww.data(), vv.data()), 0);
  const double big = std::max(ww[0], ww[1]);
  for (double& s : ww)
    if (s < 1e-12 * big) s = 0;
  SvdSolve(m.data(), ww.data(), vv.data(), 3, 2, bb.data(), xx.data());
  EXPECT_NEAR(xx[0], 1.0, 1e-12);
  EXPECT_NEAR(xx[1], 1.0, 1e-12);
}

TEST(Triangularize, AllThreeGiveTheLeastSquaresSolution) {
  const int rows = 7, cols = 3;
  const std::vector<double> a = RandomMatrix(rows, cols, 4);
  std::vector<double> b = RandomMatrix(rows, 1, 5);
  // Reference: normal equations through the LU routines.
  std::vector<double> ata(cols * cols, 0.0), atb(cols, 0.0);
  for (int i = 0; i < cols; ++i) {
    for (int j = 0; j < cols; ++j)
      for (int k = 0; k < rows; ++k) ata[i * cols + j] += a[k * cols + i] * a[k * cols + j];
    for (int k = 0; k < rows; ++k) atb[i] += a[k * cols + i] * b[k];
  }
  std::vector<int> perm(cols);
  int parity = 0;
  std::vector<double> expected(cols);
  ASSERT_EQ(LuDecompose(ata.data(), cols, perm.data(), &parity), 0);
  LuForwardSubstitute(ata.data(), atb.data(), cols, expected.data(), perm.data());
  LuBackSubstitute(ata.data(), expected.data(), cols, expected.data());

  struct Row {
    const char* name;
    void (*run)(double*, int, int, double*);
    bool unit;
  };
  for (const Row& r : {Row{"Givens", GivensTriangularize, false},
                       Row{"fast Givens", FastGivensTriangularize, true},
                       Row{"Householder", HouseholderTriangularize, false}}) {
    std::vector<double> t = a, bb = b, x(cols);
    r.run(t.data(), rows, cols, bb.data());
    for (int i = 1; i < cols; ++i)
      for (int j = 0; j < i; ++j) EXPECT_NEAR(t[i * cols + j], 0.0, 1e-14) << r.name;
    if (r.unit) {
      for (int i = 0; i < cols; ++i) EXPECT_DOUBLE_EQ(t[i * cols + i], 1.0) << r.name;
    }
    for (int i = cols - 1; i >= 0; --i) {
      double s = bb[i];
      for (int k = i + 1; k < cols; ++k) s -= t[i * cols + k] * x[k];
      x[i] = s / t[i * cols + i];
    }
    EXPECT_LT(MaxDiff(x, expected), 1e-12) << r.name;
  }
}

TEST(Cholesky, FactorsSolvesAndRefuses) {
  // A = M M^T + I is positive definite.
  const int n = 4;
  const std::vector<double> m = RandomMatrix(n, n, 8);
  std::vector<double> a(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      double s = i == j ? 1.0 : 0.0;
      for (int k = 0; k < n; ++k) s += m[i * n + k] * m[j * n + k];
      a[i * n + j] = s;
    }
  std::vector<double> l = a;
  ASSERT_EQ(CholeskyFactor(l.data(), n), 0);
  std::vector<double> lt(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) lt[j * n + i] = l[i * n + j];
  EXPECT_LT(MaxDiff(Multiply(l, lt, n, n, n), a), 1e-13);
  std::vector<double> packedOut = a;
  ASSERT_EQ(CholeskyFactorPacked(packedOut.data(), n, packedOut.data()), 0);
  EXPECT_LT(MaxDiff(packedOut, l), 1e-14);
  const std::vector<double> x0 = {1, -1, 2, 0.5};
  std::vector<double> b = Multiply(a, x0, n, n, 1), x(n);
  CholeskySolve(l.data(), b.data(), x.data(), n);
  EXPECT_LT(MaxDiff(x, x0), 1e-12);
  CholeskySolvePackedTwin(l.data(), b.data(), b.data(), n);  // in place
  EXPECT_LT(MaxDiff(b, x0), 1e-12);

  std::vector<double> indefinite = {1, 2, 2, 1};
  EXPECT_EQ(CholeskyFactor(indefinite.data(), 2), ErrSingular);
  double identity[] = {1, 0, 0, 0, 1, 0};  // packed 3 by 3 identity, layout 2
  identity[3] = 1;
  identity[4] = 0;
  identity[5] = 1;
  EXPECT_EQ(PackedCholeskyFactor(identity, 3), 0);
  double tiny[] = {1, 0, 1e-20};
  EXPECT_EQ(PackedCholeskyFactor(tiny, 2), ErrSingular);
  EXPECT_EQ(PackedCholeskyFactor(tiny, 0), ErrSamplesGtZero);
  EXPECT_EQ(CholeskyFactorPacked(a.data(), 0, a.data()), ErrSamplesGtZero);
}

TEST(PackTriangle, Layouts) {
  const double a[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  double p[6] = {0};
  ASSERT_EQ(PackTriangle(a, 3, 0, p), 0);
  EXPECT_EQ(std::vector<double>(p, p + 6), (std::vector<double>{1, 4, 7, 5, 8, 9}));
  ASSERT_EQ(PackTriangle(a, 3, 1, p), 0);
  EXPECT_EQ(std::vector<double>(p, p + 6), (std::vector<double>{1, 2, 5, 3, 6, 9}));
  double q[6] = {-1, -1, -1, -1, -1, -1};
  ASSERT_EQ(PackTriangle(a, 3, 5, q), 0);
  EXPECT_EQ(q[0], -1);
  EXPECT_EQ(PackTriangle(a, 0, 0, q), ErrSamplesGtZero);
}

TEST(Lu, DecomposesInvertsAndRefuses) {
  const int n = 5;
  const std::vector<double> a = RandomMatrix(n, n, 12);
  std::vector<double> inv(n * n);
  ASSERT_EQ(MatrixInverse(a.data(), n, inv.data()), 0);
  std::vector<double> id(n * n, 0.0);
  for (int i = 0; i < n; ++i) id[i * n + i] = 1.0;
  EXPECT_LT(MaxDiff(Multiply(a, inv, n, n, n), id), 1e-12);
  std::vector<double> same = a;
  ASSERT_EQ(MatrixInverse(same.data(), n, same.data()), 0);  // in place
  EXPECT_LT(MaxDiff(same, inv), 1e-15);

  // Permutation matrix needing one exchange.
  double p[] = {0, 1, 1, 0};
  int perm[2], parity = -1;
  ASSERT_EQ(LuDecompose(p, 2, perm, &parity), 0);
  EXPECT_EQ(parity, 1);
  EXPECT_EQ(perm[0], 1);
  double small[] = {1e-13, 0, 0, 1e-13};
  EXPECT_EQ(LuDecompose(small, 2, perm, &parity), ErrSingular);
  EXPECT_EQ(LuDecompose(small, 0, perm, &parity), ErrSamplesGtZero);
  double zeroDiagonal[] = {1, 2, 0, 0}, y[] = {1, 1}, x[2];
  EXPECT_EQ(LuBackSubstitute(zeroDiagonal, y, 2, x), ErrSingular);
  double singular[] = {1, 2, 2, 4}, out[4];
  EXPECT_EQ(MatrixInverse(singular, 2, out), ErrSingular);
}

TEST(MatrixMultiply, ProductAndInPlace) {
  std::vector<double> a = {1, 2, 3, 4, 5, 6};        // 2 by 3
  const std::vector<double> b = {1, 0, 0, 1, 1, 1};  // 3 by 2
  EXPECT_EQ(Multiply(a, b, 2, 3, 2), (std::vector<double>{4, 5, 10, 11}));
  std::vector<double> sq = {1, 2, 3, 4};
  ASSERT_EQ(MatrixMultiply(sq.data(), sq.data(), 2, 2, 2, sq.data()), 0);
  EXPECT_EQ(sq, (std::vector<double>{7, 10, 15, 22}));
  double out[1];
  EXPECT_EQ(MatrixMultiply(a.data(), b.data(), 0, 3, 2, out), ErrSamplesGtZero);
}

TEST(SequenceStatistics, Cases) {
  const double p[] = {1, 2, 3, 100, 100}, q[] = {1, 4, 0};
  double mse = 0;
  ASSERT_EQ(MeanSquaredError(p, 5, q, 3, &mse), 0);
  EXPECT_DOUBLE_EQ(mse, (0 + 4 + 9) / 3.0);
  EXPECT_EQ(MeanSquaredError(p, 0, q, 3, &mse), ErrSamplesGtZero);
  const double x[] = {1e9 + 1, 1e9 + 2, 1e9 + 3, 1e9 + 4};
  double mean = 0, variance = 0;
  ASSERT_EQ(MeanAndVariance(x, 4, &mean, &variance), 0);
  EXPECT_DOUBLE_EQ(mean, 1e9 + 2.5);
  EXPECT_DOUBLE_EQ(variance, 1.25);
  double neg[3];
  ASSERT_EQ(ArrayNegate(p, 3, neg), 0);
  EXPECT_EQ(neg[2], -3);
  EXPECT_EQ(ArrayNegate(p, 0, neg), ErrSamplesGtZero);
  const double zero[] = {0}, zeroOne[] = {0, 1}, negatives[] = {-1, -2}, mixed[] = {1, -1};
  EXPECT_TRUE(IsStrictlySigned(zero, 1));
  EXPECT_FALSE(IsStrictlySigned(zeroOne, 2));
  EXPECT_TRUE(IsStrictlySigned(negatives, 2));
  EXPECT_FALSE(IsStrictlySigned(mixed, 2));
}
