#pragma once
// Narrow <-> wide text. Narrow text is UTF-8 in this program, so the ANSI
// code page (CP_ACP, CP_THREAD_ACP, CP_OEMCP) is UTF-8 too; wide text is
// UTF-16, with surrogate pairs for characters beyond the BMP.

#include <string>
#include <string_view>

#include "platform/win/WinTypes.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_THREAD_ACP = 3;
constexpr UINT CP_UTF8 = 65001;
constexpr DWORD MB_PRECOMPOSED = 0x00000001;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x00000008;
constexpr DWORD WC_ERR_INVALID_CHARS = 0x00000080;

UINT GetACP();

// The platform's contract: a length of -1 means zero-terminated (the
// terminator is converted and counted); an output size of 0 asks for the
// size needed. Returns the units written, or 0 with the last error set
// (ERROR_INSUFFICIENT_BUFFER, ERROR_INVALID_PARAMETER,
// ERROR_NO_UNICODE_TRANSLATION with the ERR_INVALID_CHARS flags). Invalid
// sequences otherwise become U+FFFD.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR target,
                        int targetChars);
// defaultChar and usedDefaultChar must be NULL for UTF-8, as on the platform.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceChars, LPSTR target,
                        int targetBytes, LPCSTR defaultChar, BOOL* usedDefaultChar);

// Conversions for our own code; invalid input becomes U+FFFD.
std::u16string WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::u16string_view wide);
