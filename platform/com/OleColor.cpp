#include "platform/com/OleColor.h"

#include "platform/win/HResult.h"

#include <atomic>

namespace {
std::atomic<SystemColorLookup> g_lookup{nullptr};
constexpr DWORD kLastSystemColor = 30;  // COLOR_MENUBAR
}  // namespace

SystemColorLookup SetSystemColorLookup(SystemColorLookup lookup) {
  return g_lookup.exchange(lookup);
}

HRESULT OleTranslateColor(OLE_COLOR color, void* palette, COLORREF* result) {
  if (palette != nullptr || result == nullptr) return E_INVALIDARG;  // no palettes here
  switch (color >> 24) {
    case 0x00:  // plain RGB
      *result = color;
      return S_OK;
    case 0x02:  // palette-relative RGB: without a palette, the RGB part
      *result = color & 0x00FFFFFFu;
      return S_OK;
    case 0x80: {  // system colour index
      const DWORD index = color & 0x00FFFFFFu;
      const SystemColorLookup lookup = g_lookup.load();
      if (index > kLastSystemColor || !lookup) return E_INVALIDARG;
      *result = lookup(static_cast<int>(index));
      return S_OK;
    }
    default:  // palette indices need a palette
      return E_INVALIDARG;
  }
}
