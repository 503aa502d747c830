#include "platform/afx/Utf.h"

#include "platform/com/CodePage.h"

std::string AfxUtf16ToUtf8(std::u16string_view text) { return Utf8FromWide(text); }

std::u16string AfxUtf8ToUtf16(std::string_view text) { return WideFromUtf8(text); }

std::string AfxWideToUtf8(std::wstring_view text) {
  std::u16string utf16;
  utf16.reserve(text.size());
  for (wchar_t c : text) {
    auto code = static_cast<char32_t>(c);
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    if (code >= 0x10000) {
      utf16 += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      utf16 += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      utf16 += static_cast<char16_t>(code);
    }
  }
  return Utf8FromWide(utf16);
}
