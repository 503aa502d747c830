#pragma once
// The exception of a matrix element access outside the matrix. The matrix
// classes have no element accessor, so nothing raises it yet; the
// unsigned-long forms of the library coincide with the unsigned-int ones here.

#include "containers/CSgException.h"

namespace SG {

class CSgMatrix;

class CSgMatrixAccessException : public CSgException {
 public:
  // "row and column index values cannot be negative"
  explicit CSgMatrixAccessException(BOOL autoDelete);
  CSgMatrixAccessException(const CSgMatrix& matrix, unsigned int row, unsigned int column,
                           BOOL autoDelete);
  CSgMatrixAccessException(unsigned int row, unsigned int column, unsigned int rows,
                           unsigned int cols, BOOL autoDelete);
};

}  // namespace SG
