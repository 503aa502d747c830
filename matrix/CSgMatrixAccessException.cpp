#include "matrix/CSgMatrixAccessException.h"

#include "containers/CSgTextStream.h"
#include "matrix/CSgMatrix.h"

namespace SG {

CSgMatrixAccessException::CSgMatrixAccessException(BOOL autoDelete) : CSgException(autoDelete) {
  SetErrorString("Invalid matrix access: row and column index values cannot be negative.");
}

CSgMatrixAccessException::CSgMatrixAccessException(const CSgMatrix& matrix, unsigned int row,
                                                   unsigned int column, BOOL autoDelete)
    : CSgMatrixAccessException(row, column, matrix.GetRows(), matrix.GetCols(), autoDelete) {}

CSgMatrixAccessException::CSgMatrixAccessException(unsigned int row, unsigned int column,
                                                   unsigned int rows, unsigned int cols,
                                                   BOOL autoDelete)
    : CSgException(autoDelete) {
  CSgTextStream s;
  s << CString("Invalid matrix access: row index = ") << row << CString(", column index = ")
    << column << CString(". Matrix size is ") << rows << CString("x") << cols << CString(".");
  SetErrorString(s.GetText());
}

}  // namespace SG
