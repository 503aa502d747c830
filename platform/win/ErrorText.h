#pragma once
// System message texts for the status codes of ErrorCodes.def, reached the
// platform's way (FormatMessageA from the system table, LocalFree) or
// directly. Texts end with the system's "\r\n", as callers show them as is.

#include <cstdarg>
#include <optional>
#include <string>

#include "platform/win/WinTypes.h"

using HLOCAL = void*;

constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x00000100;
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_STRING = 0x00000400;
constexpr DWORD FORMAT_MESSAGE_FROM_HMODULE = 0x00000800;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;
constexpr DWORD FORMAT_MESSAGE_ARGUMENT_ARRAY = 0x00002000;
constexpr DWORD FORMAT_MESSAGE_MAX_WIDTH_MASK = 0x000000FF;

constexpr DWORD LANG_NEUTRAL = 0x00;
constexpr DWORD SUBLANG_DEFAULT = 0x01;
constexpr DWORD MAKELANGID(DWORD primary, DWORD sub) { return (sub << 10) | primary; }

// The text for a Win32 error code or an HRESULT (FACILITY_WIN32 codes give
// the Win32 text), with the trailing "\r\n"; nullopt when the system has none.
std::optional<std::string> SystemMessageText(DWORD code);

// Only FORMAT_MESSAGE_FROM_SYSTEM is supported (with or without
// ALLOCATE_BUFFER, where buffer is the address of a char* to receive a
// LocalFree-able copy); inserts are never expanded. Returns the characters
// written without the terminator, or 0 with the last error set:
// ERROR_INVALID_PARAMETER (unsupported flags), ERROR_INSUFFICIENT_BUFFER, or
// ERROR_MR_MID_NOT_FOUND when the system has no text for the code.
DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                     DWORD size, va_list* arguments);

// Frees a buffer that FormatMessageA allocated; returns NULL on success.
HLOCAL LocalFree(HLOCAL memory);
