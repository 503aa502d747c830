#include "containers/CSgVectorAccessException.h"

#include "containers/CSgTextStream.h"
#include "containers/CSgVector.h"

namespace SG {

CSgVectorAccessException::CSgVectorAccessException(BOOL autoDelete) : CSgException(autoDelete) {
  SetErrorString("Invalid vector access: index value cannot be negative.");
}

CSgVectorAccessException::CSgVectorAccessException(const CSgVector& vector, unsigned int index,
                                                   BOOL autoDelete)
    : CSgVectorAccessException(index, vector.GetSize(), autoDelete) {}

CSgVectorAccessException::CSgVectorAccessException(unsigned int index, unsigned int size,
                                                   BOOL autoDelete)
    : CSgException(autoDelete) {
  CSgTextStream s;
  s << CString("Invalid vector access: index = ") << index << CString(". Vector size is ") << size
    << CString(".");
  SetErrorString(s.GetText());
}

}  // namespace SG
