#pragma once
// BSTR: 16-bit text with a 32-bit byte-length prefix just before the first
// character and a terminating 0 after the last, so a BSTR may hold zeros
// and its length is known without scanning. NULL is a valid empty BSTR.

#include <string>
#include <string_view>

#include "platform/win/WinTypes.h"

// A copy of the zero-terminated text; NULL text gives NULL.
BSTR SysAllocString(const OLECHAR* text);
// length characters from text (any zeros included); NULL text leaves the
// characters uninitialised apart from the terminator.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// length bytes copied as they are (the string may have an odd byte length).
BSTR SysAllocStringByteLen(LPCSTR bytes, UINT length);
// Replaces *target with a new copy; FALSE (target unchanged) when out of memory.
INT SysReAllocString(BSTR* target, const OLECHAR* text);
INT SysReAllocStringLen(BSTR* target, const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
// Characters (bytes / 2, rounded down); 0 for NULL.
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);

// Conveniences for our own code: UTF-8 <-> BSTR and a BSTR's characters.
BSTR SysAllocStringFromUtf8(std::string_view utf8);
std::u16string_view BstrView(BSTR text);
