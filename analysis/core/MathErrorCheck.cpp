// The raising half of the error check every facade function ends with.
#include "analysis/core/MathErrorCheck.h"

#include "containers/CSgExceptionT.h"
#include "platform/afx/Exception.h"

namespace SG {

void RaiseMathError(int code) {
  if (code == 0 || !AreMathExceptionsEnabled()) return;
  if (code == MathErrOutOfMemory) AfxThrowMemoryException();
  throw new CSgMathException(static_cast<MathError>(code), TRUE);
}

}  // namespace SG
