// The raising half of the error check every facade function ends with.
#include "analysis/core/CoreErrors.h"
#include "analysis/facade/MathErrorCheck.h"
#include "containers/CSgExceptionT.h"
#include "platform/afx/Exception.h"

namespace SG {

// The core's codes are the exception table's codes.
static_assert(int(SgCore::ErrOutOfMemory) == int(MathErrOutOfMemory));
static_assert(int(SgCore::ErrSamplesGtZero) == int(MathErrSamplesGtZero));
static_assert(int(SgCore::ErrSamplesGeTwo) == int(MathErrSamplesGeTwo));
static_assert(int(SgCore::ErrPowerOfTwo) == int(MathErrPowerOfTwo));
static_assert(int(SgCore::ErrCycles) == int(MathErrCycles));
static_assert(int(SgCore::ErrDelayWidth) == int(MathErrDelayWidth));
static_assert(int(SgCore::ErrDtDx) == int(MathErrDtDx));
static_assert(int(SgCore::ErrIndex) == int(MathErrIndex));
static_assert(int(SgCore::ErrFinalValue) == int(MathErrFinalValue));
static_assert(int(SgCore::ErrDivideByZero) == int(MathErrDivideByZero));
static_assert(int(SgCore::ErrNoiseInit) == int(MathErrNoiseInit));
static_assert(int(SgCore::ErrRankDeficient) == int(MathErrRankDeficient));
static_assert(int(SgCore::ErrInternal) == int(MathErrInternal));

void RaiseMathError(int code) {
  if (code == 0 || !AreMathExceptionsEnabled()) return;
  if (code == MathErrOutOfMemory) AfxThrowMemoryException();
  throw new CSgMathException(static_cast<MathError>(code), TRUE);
}

}  // namespace SG
