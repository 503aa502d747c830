#pragma once
// GUIDs with the platform's layout and text form
// ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"). Identifiers can be written as
// constants: constexpr IID IID_X = GuidFromText("...").

#include <cstring>
#include <stdexcept>
#include <string_view>

#include "platform/win/WinTypes.h"

struct GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using LPGUID = GUID*;
using LPIID = IID*;
using LPCLSID = CLSID*;

constexpr bool IsEqualGUID(REFGUID a, REFGUID b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}
constexpr bool IsEqualIID(REFIID a, REFIID b) { return IsEqualGUID(a, b); }
constexpr bool IsEqualCLSID(REFCLSID a, REFCLSID b) { return IsEqualGUID(a, b); }
constexpr bool operator==(REFGUID a, REFGUID b) { return IsEqualGUID(a, b); }

namespace guid_detail {
constexpr int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
// Parses "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", braces optional; false on
// any other text.
constexpr bool Parse(std::string_view text, GUID& out) {
  if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
  if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
    return false;
  auto field = [&](std::size_t pos, std::size_t digits, unsigned long long& value) {
    value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
      const int v = HexValue(text[pos + i]);
      if (v < 0) return false;
      value = value * 16 + static_cast<unsigned>(v);
    }
    return true;
  };
  unsigned long long v = 0;
  GUID g{};
  if (!field(0, 8, v)) return false;
  g.Data1 = static_cast<DWORD>(v);
  if (!field(9, 4, v)) return false;
  g.Data2 = static_cast<WORD>(v);
  if (!field(14, 4, v)) return false;
  g.Data3 = static_cast<WORD>(v);
  constexpr std::size_t bytePos[8] = {19, 21, 24, 26, 28, 30, 32, 34};
  for (int i = 0; i < 8; ++i) {
    if (!field(bytePos[i], 2, v)) return false;
    g.Data4[i] = static_cast<BYTE>(v);
  }
  out = g;
  return true;
}
}  // namespace guid_detail

// For constants; a malformed literal fails to compile (or throws at run time).
constexpr GUID GuidFromText(std::string_view text) {
  GUID g{};
  if (!guid_detail::Parse(text, g)) throw std::invalid_argument("malformed GUID text");
  return g;
}

inline constexpr GUID GUID_NULL{};
inline constexpr IID IID_NULL{};
inline constexpr CLSID CLSID_NULL{};

// Writes the braced upper-case form (39 characters with the terminator);
// returns the characters written including the terminator, 0 when cch is
// too small.
int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int cch);
// Braced text only; CO_E_CLASSSTRING for anything else.
HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid);
// CO_E_IIDSTRING for malformed text.
HRESULT IIDFromString(LPCOLESTR text, LPIID iid);
// No program-id registry exists here: always CO_E_CLASSSTRING.
HRESULT CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid);
// The braced form in memory from CoTaskMemAlloc, freed with CoTaskMemFree.
HRESULT StringFromCLSID(REFCLSID clsid, LPOLESTR* text);
HRESULT StringFromIID(REFIID iid, LPOLESTR* text);

// Task memory, as the platform's out-parameters use it.
LPVOID CoTaskMemAlloc(SIZE_T bytes);
void CoTaskMemFree(LPVOID memory);
