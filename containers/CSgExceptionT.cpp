#include "containers/CSgExceptionT.h"

#include "containers/CSgTextStream.h"
#include "platform/win/ErrorText.h"
#include "platform/win/LastError.h"

namespace SG {

const SgMathErrorRow SgMathErrorTable[kSgMathErrorRows] = {
#define SG_MATH_ERROR(code, name, text) {code, text},
#define SG_MATH_ERROR_UNLISTED(code, name)
#include "containers/SgMathErrors.def"
#undef SG_MATH_ERROR_UNLISTED
#undef SG_MATH_ERROR
};

const char* FindMathErrorText(LONG code) {
  for (const SgMathErrorRow& row : SgMathErrorTable)
    if (row.code == code) return row.message;
  return nullptr;
}

namespace {
// A byte, as the flag is shared process-wide and read without a lock.
volatile bool SgMathExceptionsEnabled = true;
}  // namespace

bool AreMathExceptionsEnabled() { return SgMathExceptionsEnabled; }
void EnableMathExceptions(bool enable) { SgMathExceptionsEnabled = enable; }

template <class Code>
CSgExceptionT<Code>::CSgExceptionT(Code code, BOOL autoDelete)
    : CSgException(autoDelete), m_code(code) {
  CSgTextStream s;
  s << CString("Exception generated: error code = ");
  if constexpr (std::is_same_v<Code, ULONG>)
    s << static_cast<ULONG>(code);  // "%lu"
  else
    s << static_cast<int>(code);  // "%d"
  SetErrorString(s.GetText());
}

template class CSgExceptionT<ULONG>;
template class CSgExceptionT<MathError>;

CSgSystemException::CSgSystemException(ULONG code, BOOL autoDelete)
    : CSgExceptionT<ULONG>(code, autoDelete) {
  FormatSystemMessage();
}

void CSgSystemException::FormatSystemMessage() {
  if (GetErrorCode() == 0xFFFFFFFFu) SetErrorCode(GetLastError());
  char* text = nullptr;
  const DWORD n = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
      nullptr, GetErrorCode(), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
      reinterpret_cast<LPSTR>(&text), 0, nullptr);
  // Without a system text the message is empty (and there is nothing to free).
  if (n == 0 || text == nullptr) {
    SetErrorString(CString());
    return;
  }
  SetErrorString(CString(text));
  LocalFree(text);
}

CSgMathException::CSgMathException(MathError code, BOOL autoDelete)
    : CSgExceptionT<MathError>(code, autoDelete) {
  CString text("Unknown math error.");
  if (const char* message = FindMathErrorText(code))
    text = CString("Math Exception: ") + CString(message);
  SetErrorString(text);
}

}  // namespace SG
