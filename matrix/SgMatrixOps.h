#pragma once
// The building blocks of the matrix arithmetic. Sums and differences work
// over the common shape (the smaller row count and the smaller column
// count), each operand read with its own column count. Integer elements wrap
// around in their own width.
// The product a x b needs a.cols = b.rows; a product whose inner sizes differ
// is refused with the matrix access exception, naming the first element the
// product would need that the shorter operand lacks, before the target
// changes.

#include "containers/SgElementArithmetic.h"
#include "matrix/CSgMatrixAccessException.h"
#include "matrix/CSgMatrixT.h"

#include <algorithm>

namespace SG {

inline void MinMatrixSize(const CSgMatrix& a, const CSgMatrix& b, unsigned int& rows,
                          unsigned int& cols) {
  rows = std::min(a.GetRows(), b.GetRows());
  cols = std::min(a.GetCols(), b.GetCols());
}

namespace detail {
// target(i, j) = op(a(i, j), b(i, j)) over the common shape. target may be a:
// its array stays when its shape is already the common one; otherwise the
// result is formed apart and swapped in.
template <class T, class Op>
void MatrixCombine(const CSgMatrixT<T>& a, const CSgMatrixT<T>& b, CSgMatrixT<T>& target, Op op) {
  unsigned int r, c;
  MinMatrixSize(a, b, r, c);
  if ((&target == &a || &target == &b) && (target.GetRows() != r || target.GetCols() != c)) {
    CSgMatrixT<T> result;
    MatrixCombine(a, b, result, op);
    target.Swap(result);
    return;
  }
  target.SetSize(r, c, TRUE);
  const T* x = a.GetData();
  const T* y = b.GetData();
  T* d = target.GetData();
  for (unsigned int i = 0; i < r; ++i)
    for (unsigned int j = 0; j < c; ++j)
      d[static_cast<std::size_t>(i) * c + j] = op(x[static_cast<std::size_t>(i) * a.GetCols() + j],
                                                  y[static_cast<std::size_t>(i) * b.GetCols() + j]);
}
}  // namespace detail

template <class T>
void MatrixAdd(const CSgMatrixT<T>& a, const CSgMatrixT<T>& b, CSgMatrixT<T>& target) {
  detail::MatrixCombine(a, b, target, Arith::Add<T>);
}

template <class T>
void MatrixSubtract(const CSgMatrixT<T>& a, const CSgMatrixT<T>& b, CSgMatrixT<T>& target) {
  detail::MatrixCombine(a, b, target, Arith::Sub<T>);
}

template <class T>
void MatrixNegate(const CSgMatrixT<T>& source, CSgMatrixT<T>& target) {
  target.SetSize(source.GetRows(), source.GetCols(), TRUE);
  const T* s = source.GetData();
  T* d = target.GetData();
  for (unsigned int k = 0; k < source.GetCount(); ++k) d[k] = Arith::Neg(s[k]);
}

// target must not be a or b (the operators form the product apart).
template <class T>
void MatrixMultiply(const CSgMatrixT<T>& a, const CSgMatrixT<T>& b, CSgMatrixT<T>& target) {
  const unsigned int rows = a.GetRows(), cols = b.GetCols(), inner = a.GetCols();
  if (inner > b.GetRows()) throw new CSgMatrixAccessException(b, b.GetRows(), 0, TRUE);
  if (inner < b.GetRows()) throw new CSgMatrixAccessException(a, 0, inner, TRUE);
  target.SetSize(rows, cols, TRUE);
  const T* x = a.GetData();
  const T* y = b.GetData();
  T* d = target.GetData();
  for (unsigned int i = 0; i < rows; ++i)
    for (unsigned int j = 0; j < cols; ++j) {
      T sum = T(0);
      for (unsigned int k = 0; k < inner; ++k)
        sum = Arith::Add(sum, Arith::Mul(x[static_cast<std::size_t>(i) * inner + k],
                                         y[static_cast<std::size_t>(k) * cols + j]));
      d[static_cast<std::size_t>(i) * cols + j] = sum;
    }
}

}  // namespace SG
