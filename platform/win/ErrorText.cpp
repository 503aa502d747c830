#include "platform/win/ErrorText.h"

#include <cstdlib>
#include <cstring>

#include "platform/win/HResult.h"
#include "platform/win/LastError.h"

namespace {

struct CodeText {
  DWORD code;
  const char* text;
};

constexpr CodeText kHResults[] = {
#define PELMORAN_HRESULT(name, value, text) {value, text},
#define PELMORAN_WIN32_ERROR(name, value, text)
#include "platform/win/ErrorCodes.def"
#undef PELMORAN_HRESULT
#undef PELMORAN_WIN32_ERROR
};

constexpr CodeText kWin32Errors[] = {
#define PELMORAN_HRESULT(name, value, text)
#define PELMORAN_WIN32_ERROR(name, value, text) {value, text},
#include "platform/win/ErrorCodes.def"
#undef PELMORAN_HRESULT
#undef PELMORAN_WIN32_ERROR
};

template <std::size_t N>
const char* Find(const CodeText (&table)[N], DWORD code) {
  for (const CodeText& row : table)
    if (row.code == code) return row.text;
  return nullptr;
}

}  // namespace

std::optional<std::string> SystemMessageText(DWORD code) {
  const char* text = nullptr;
  if (code <= 0xFFFFu) {
    text = Find(kWin32Errors, code);
  } else {
    text = Find(kHResults, code);
    if (text == nullptr && HRESULT_FACILITY(static_cast<HRESULT>(code)) == FACILITY_WIN32)
      text = Find(kWin32Errors, HRESULT_CODE(static_cast<HRESULT>(code)));
  }
  if (text == nullptr) return std::nullopt;
  return std::string(text) + "\r\n";
}

DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                     DWORD size, va_list* arguments) {
  if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 ||
      (flags & (FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_FROM_HMODULE)) != 0 ||
      buffer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::optional<std::string> text = SystemMessageText(messageId);
  if (!text) {
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
  }
  const DWORD length = static_cast<DWORD>(text->size());
  if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
    // buffer is really the address of the caller's pointer.
    auto* allocated = static_cast<char*>(std::malloc(length + 1));
    if (allocated == nullptr) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return 0;
    }
    std::memcpy(allocated, text->c_str(), length + 1);
    *reinterpret_cast<char**>(buffer) = allocated;
    return length;
  }
  if (size < length + 1) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(buffer, text->c_str(), length + 1);
  return length;
}

HLOCAL LocalFree(HLOCAL memory) {
  std::free(memory);
  return nullptr;
}
