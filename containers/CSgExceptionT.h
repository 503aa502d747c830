#pragma once
// Exceptions that carry an error code: Win32 codes (CSgSystemException) and
// the analysis error codes (CSgMathException), with the analysis error table.

#include "containers/CSgException.h"

namespace SG {

// The analysis services' result codes; 0 is success.
enum MathError : LONG {
  MathErrSuccess = 0,
#define SG_MATH_ERROR(code, name, text) MathErr##name = code,
#define SG_MATH_ERROR_UNLISTED(code, name) MathErr##name = code,
#include "containers/SgMathErrors.def"
#undef SG_MATH_ERROR_UNLISTED
#undef SG_MATH_ERROR
};

struct SgMathErrorRow {
  LONG code;
  const char* message;
};
// The rows of the analysis error table (the codes with a text).
inline constexpr int kSgMathErrorRows = 0
#define SG_MATH_ERROR(code, name, text) +1
#define SG_MATH_ERROR_UNLISTED(code, name)
#include "containers/SgMathErrors.def"
#undef SG_MATH_ERROR_UNLISTED
#undef SG_MATH_ERROR
    ;
// The analysis error table, in search order.
extern const SgMathErrorRow SgMathErrorTable[kSgMathErrorRows];
// The table text of a code, or null when the table has no row for it.
const char* FindMathErrorText(LONG code);

template <class Code>
class CSgExceptionT : public CSgException {
 public:
  CSgExceptionT(Code code, BOOL autoDelete);
  Code GetErrorCode() const { return m_code; }

 protected:
  void SetErrorCode(Code code) { m_code = code; }

 private:
  Code m_code;
};

extern template class CSgExceptionT<ULONG>;
extern template class CSgExceptionT<MathError>;

// A Win32 error with the system's text for it (trailing line break kept).
// Code 0xFFFFFFFF means "the thread's last error".
class CSgSystemException : public CSgExceptionT<ULONG> {
 public:
  CSgSystemException(ULONG code, BOOL autoDelete);

 private:
  void FormatSystemMessage();
};

// "Math Exception: " and the table text, or "Unknown math error.".
class CSgMathException : public CSgExceptionT<MathError> {
 public:
  CSgMathException(MathError code, BOOL autoDelete);
  CSgMathException(int code, BOOL autoDelete)
      : CSgMathException(static_cast<MathError>(code), autoDelete) {}
};

// The process-wide switch that lets analysis errors throw; on at start.
bool AreMathExceptionsEnabled();
void EnableMathExceptions(bool enable);

}  // namespace SG
