#pragma once
// The exception of a vector element access outside the vector. The
// unsigned-long forms of the library coincide with the unsigned-int ones here
// (both 32-bit) and print the same text.

#include "containers/CSgException.h"

namespace SG {

class CSgVector;

class CSgVectorAccessException : public CSgException {
 public:
  // "index value cannot be negative"
  explicit CSgVectorAccessException(BOOL autoDelete);
  CSgVectorAccessException(const CSgVector& vector, unsigned int index, BOOL autoDelete);
  CSgVectorAccessException(unsigned int index, unsigned int size, BOOL autoDelete);
  ~CSgVectorAccessException() override = default;
};

}  // namespace SG
