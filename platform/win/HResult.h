#pragma once
// Status codes of the platform: HRESULT/SCODE values with their helpers and
// the Win32 error codes. Each code is written once, with the system's text,
// in ErrorCodes.def; this header and the message lookup both read that table.

#include "platform/win/WinTypes.h"

#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#define IS_ERROR(status) (static_cast<std::uint32_t>(status) >> 31 == 1)

constexpr std::uint32_t SEVERITY_SUCCESS = 0;
constexpr std::uint32_t SEVERITY_ERROR = 1;
constexpr std::uint32_t FACILITY_NULL = 0;
constexpr std::uint32_t FACILITY_RPC = 1;
constexpr std::uint32_t FACILITY_DISPATCH = 2;
constexpr std::uint32_t FACILITY_ITF = 4;
constexpr std::uint32_t FACILITY_WIN32 = 7;

constexpr HRESULT MAKE_HRESULT(std::uint32_t severity, std::uint32_t facility, std::uint32_t code) {
  return static_cast<HRESULT>((severity << 31) | (facility << 16) | (code & 0xFFFFu));
}
constexpr HRESULT MAKE_SCODE(std::uint32_t severity, std::uint32_t facility, std::uint32_t code) {
  return MAKE_HRESULT(severity, facility, code);
}
constexpr std::uint32_t HRESULT_CODE(HRESULT hr) {
  return static_cast<std::uint32_t>(hr) & 0xFFFFu;
}
constexpr std::uint32_t SCODE_CODE(SCODE sc) { return HRESULT_CODE(sc); }
constexpr std::uint32_t HRESULT_FACILITY(HRESULT hr) {
  return (static_cast<std::uint32_t>(hr) >> 16) & 0x1FFFu;
}
constexpr std::uint32_t HRESULT_SEVERITY(HRESULT hr) {
  return static_cast<std::uint32_t>(hr) >> 31;
}

// Win32 errors map into FACILITY_WIN32; zero and values that already look
// like HRESULTs pass unchanged, as on the platform.
constexpr HRESULT HRESULT_FROM_WIN32(DWORD error) {
  return static_cast<HRESULT>(error) <= 0
             ? static_cast<HRESULT>(error)
             : static_cast<HRESULT>((error & 0xFFFFu) | (FACILITY_WIN32 << 16) | 0x80000000u);
}

#define PELMORAN_HRESULT(name, value, text) constexpr HRESULT name = static_cast<HRESULT>(value);
#define PELMORAN_WIN32_ERROR(name, value, text) constexpr DWORD name = value;
#include "platform/win/ErrorCodes.def"
#undef PELMORAN_HRESULT
#undef PELMORAN_WIN32_ERROR

// Aliases the platform spells two ways.
constexpr HRESULT NOERROR = S_OK;
constexpr DWORD NO_ERROR = ERROR_SUCCESS;
