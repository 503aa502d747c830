#pragma once
// The matrix with arithmetic: element-wise sum and difference over the common
// shape, negation, increment and decrement of every element, the matrix
// product, and a serial run-time class per element type.

#include "matrix/SgMatrixOps.h"
#include "containers/SgScalarRuntimeClass.h"

#include <cstring>

namespace SG {

template <class T>
class CSgScalarMatrix : public CSgMatrixT<T>, public CSgScalarType {
  using Base = CSgMatrixT<T>;

 public:
  CSgScalarMatrix() = default;
  CSgScalarMatrix(unsigned int rows, unsigned int cols) : Base(rows, cols) {}
  CSgScalarMatrix(unsigned int rows, unsigned int cols, T value) : Base(rows, cols, value) {}
  // rows x cols values given row by row (the graph wrappers' single-point
  // temporaries: 2 rows, 1 column, x then y).
  CSgScalarMatrix(unsigned int rows, unsigned int cols, const T* values) : Base(rows, cols) {
    if (this->GetCount() && values)
      std::memcpy(this->GetData(), values, sizeof(T) * this->GetCount());
  }
  explicit CSgScalarMatrix(unsigned int n) : Base(n) {}
  explicit CSgScalarMatrix(const CSgVariant& source) : Base(source) {}
  CSgScalarMatrix(const CSgMatrixT<T>& other) : Base(other) {}
  CSgScalarMatrix(const CSgScalarMatrix& other) : Base(other) {}
  CSgScalarMatrix& operator=(const CSgMatrixT<T>& other) {
    Base::operator=(other);
    return *this;
  }
  CSgScalarMatrix& operator=(const CSgScalarMatrix& other) {
    Base::operator=(other);
    return *this;
  }
  ~CSgScalarMatrix() override = default;

  SG_DECLARE_SCALAR_CLASS(CSgScalarMatrix)

  // In place: each element below zero becomes its negation.
  void Abs() {
    for (unsigned int k = 0; k < this->GetCount(); ++k)
      this->GetData()[k] = Arith::Abs(this->GetData()[k]);
  }
  void Increment() { AddEach(T(1)); }
  void Decrement() { AddEach(T(-1)); }

  CSgScalarMatrix operator+(const CSgMatrixT<T>& b) const {
    CSgScalarMatrix r;
    MatrixAdd<T>(*this, b, r);
    return r;
  }
  CSgScalarMatrix operator-(const CSgMatrixT<T>& b) const {
    CSgScalarMatrix r;
    MatrixSubtract<T>(*this, b, r);
    return r;
  }
  CSgScalarMatrix operator-() const {
    CSgScalarMatrix r;
    MatrixNegate<T>(*this, r);
    return r;
  }
  CSgScalarMatrix operator*(const CSgMatrixT<T>& b) const {
    CSgScalarMatrix r;
    MatrixMultiply<T>(*this, b, r);
    return r;
  }
  CSgScalarMatrix& operator+=(const CSgMatrixT<T>& b) {
    MatrixAdd<T>(*this, b, *this);
    return *this;
  }
  CSgScalarMatrix& operator-=(const CSgMatrixT<T>& b) {
    MatrixSubtract<T>(*this, b, *this);
    return *this;
  }
  // The product is formed apart and swapped in, so a *= a squares a.
  CSgScalarMatrix& operator*=(const CSgMatrixT<T>& b) {
    CSgMatrixT<T> product;
    MatrixMultiply<T>(*this, b, product);
    this->Swap(product);
    return *this;
  }
  // Prefix forms return a copy after the change, postfix a copy before it.
  CSgScalarMatrix operator++() {
    Increment();
    return *this;
  }
  CSgScalarMatrix operator--() {
    Decrement();
    return *this;
  }
  CSgScalarMatrix operator++(int) {
    CSgScalarMatrix before(*this);
    Increment();
    return before;
  }
  CSgScalarMatrix operator--(int) {
    CSgScalarMatrix before(*this);
    Decrement();
    return before;
  }

 private:
  void AddEach(T delta) {
    for (unsigned int k = 0; k < this->GetCount(); ++k)
      this->GetData()[k] = Arith::Add(this->GetData()[k], delta);
  }
};

#define SG_MATRIX_RECORD(T, stem) SG_DECLARE_SCALAR_RECORD(CSgScalarMatrix, T)
SG_SCALAR_ELEMENT_TABLE(SG_MATRIX_RECORD)
#undef SG_MATRIX_RECORD

// Reads a matrix stored as an object (class tag first) of this class.
template <class T>
CArchive& operator>>(CArchive& archive, CSgScalarMatrix<T>*& target) {
  target = static_cast<CSgScalarMatrix<T>*>(
      AfxReadObjectFromArchive(archive, CSgScalarMatrix<T>::GetThisClass()));
  return archive;
}

}  // namespace SG
