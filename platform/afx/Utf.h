#pragma once
// Conversions between the narrow text of the framework (UTF-8) and the wide
// text of OLE (UTF-16, char16_t, through platform/com/CodePage.h) or of the C
// library (wchar_t, UTF-32 here). Invalid sequences become U+FFFD, so a
// conversion never fails.

#include <string>
#include <string_view>

std::string AfxUtf16ToUtf8(std::u16string_view text);
std::u16string AfxUtf8ToUtf16(std::string_view text);
std::string AfxWideToUtf8(std::wstring_view text);
