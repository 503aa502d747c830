// The error check every facade function ends with.
#include "analysis/core/CoreErrors.h"
#include "analysis/facade/SgAnalysis.h"
#include "containers/CSgExceptionT.h"
#include "platform/afx/Exception.h"

namespace SG {

// The core's codes are the exception table's codes.
static_assert(SgCore::ErrOutOfMemory == MathErrOutOfMemory);
static_assert(SgCore::ErrSamplesGtZero == MathErrSamplesGtZero);
static_assert(SgCore::ErrSamplesGeTwo == MathErrSamplesGeTwo);
static_assert(SgCore::ErrPowerOfTwo == MathErrPowerOfTwo);
static_assert(SgCore::ErrCycles == MathErrCycles);
static_assert(SgCore::ErrDelayWidth == MathErrDelayWidth);
static_assert(SgCore::ErrDtDx == MathErrDtDx);
static_assert(SgCore::ErrIndex == MathErrIndex);
static_assert(SgCore::ErrFinalValue == MathErrFinalValue);
static_assert(SgCore::ErrDivideByZero == MathErrDivideByZero);
static_assert(SgCore::ErrNoiseInit == MathErrNoiseInit);
static_assert(SgCore::ErrRankDeficient == MathErrRankDeficient);
static_assert(SgCore::ErrInternal == MathErrInternal);

void RaiseMathError(int code) {
  if (code == 0 || !AreMathExceptionsEnabled()) return;
  if (code == MathErrOutOfMemory) AfxThrowMemoryException();
  throw new CSgMathException(static_cast<MathError>(code), TRUE);
}

int CheckMathError(int code) {
  RaiseMathError(code);
  return code;
}

}  // namespace SG
