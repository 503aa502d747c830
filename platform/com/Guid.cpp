#include "platform/com/Guid.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win/HResult.h"

namespace {

std::string BracedText(REFGUID g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

// A GUID text is ASCII; any wider character makes it malformed.
bool NarrowAscii(LPCOLESTR text, std::string& out) {
  for (; *text != 0; ++text) {
    if (*text > 0x7F) return false;
    out.push_back(static_cast<char>(*text));
  }
  return true;
}

HRESULT ParseBraced(LPCOLESTR text, GUID* out, HRESULT failure) {
  if (out == nullptr) return E_INVALIDARG;
  std::string narrow;
  if (text == nullptr || !NarrowAscii(text, narrow) || narrow.size() != 38 ||
      narrow.front() != '{' || !guid_detail::Parse(narrow, *out))
    return failure;
  return S_OK;
}

HRESULT AllocText(REFGUID guid, LPOLESTR* text) {
  if (text == nullptr) return E_INVALIDARG;
  *text = static_cast<LPOLESTR>(CoTaskMemAlloc(39 * sizeof(OLECHAR)));
  if (*text == nullptr) return E_OUTOFMEMORY;
  StringFromGUID2(guid, *text, 39);
  return S_OK;
}

}  // namespace

int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int cch) {
  const std::string text = BracedText(guid);
  if (buffer == nullptr || cch < static_cast<int>(text.size()) + 1) return 0;
  for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = static_cast<OLECHAR>(text[i]);
  buffer[text.size()] = 0;
  return static_cast<int>(text.size()) + 1;
}

HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid) {
  return ParseBraced(text, clsid, CO_E_CLASSSTRING);
}
HRESULT IIDFromString(LPCOLESTR text, LPIID iid) { return ParseBraced(text, iid, CO_E_IIDSTRING); }

HRESULT CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid) {
  if (clsid == nullptr) return E_INVALIDARG;
  *clsid = CLSID_NULL;
  return CO_E_CLASSSTRING;
}

HRESULT StringFromCLSID(REFCLSID clsid, LPOLESTR* text) { return AllocText(clsid, text); }
HRESULT StringFromIID(REFIID iid, LPOLESTR* text) { return AllocText(iid, text); }

LPVOID CoTaskMemAlloc(SIZE_T bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }
void CoTaskMemFree(LPVOID memory) { std::free(memory); }
