#pragma once
// The matrix with arithmetic. Here only its construction forms; the
// arithmetic, archive form and run-time classes belong to this class too.

#include "matrix/CSgMatrixT.h"

#include <cstring>

namespace SG {

template <class T>
class CSgScalarMatrix : public CSgMatrixT<T>, public CSgScalarType {
 public:
  CSgScalarMatrix() = default;
  CSgScalarMatrix(unsigned int rows, unsigned int cols) : CSgMatrixT<T>(rows, cols) {}
  // rows x cols values given row by row (the graph wrappers' single-point
  // temporaries: 2 rows, 1 column, x then y).
  CSgScalarMatrix(unsigned int rows, unsigned int cols, const T* values) : CSgMatrixT<T>(rows, cols) {
    if (this->GetCount()) std::memcpy(this->GetData(), values, sizeof(T) * this->GetCount());
  }
  explicit CSgScalarMatrix(const CSgVariant& source) { this->AssignVariant(source); }
  CSgScalarMatrix(const CSgScalarMatrix&) = default;
  CSgScalarMatrix& operator=(const CSgScalarMatrix&) = default;
  ~CSgScalarMatrix() override = default;
};

}  // namespace SG
