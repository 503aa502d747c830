#include "containers/CSgColor.h"

#include "platform/win/HResult.h"

#include <atomic>

namespace SG {

namespace {
std::atomic<SystemColorResolver> g_resolver{nullptr};
constexpr int kLastSystemColor = 30;  // COLOR_MENUBAR
}  // namespace

SystemColorResolver SetSystemColorResolver(SystemColorResolver resolver) {
  return g_resolver.exchange(resolver);
}

HRESULT TranslateOleColor(OLE_COLOR color, COLORREF* result) {
  const DWORD form = color >> 24;
  switch (form) {
    case 0x00:  // plain RGB
      *result = color;
      return S_OK;
    case 0x02:  // palette-relative RGB: the RGB part
      *result = color & 0x00FFFFFFu;
      return S_OK;
    case 0x80: {  // system colour index
      const int index = static_cast<int>(color & 0xFFFFu);
      const SystemColorResolver resolver = g_resolver.load();
      if ((color & 0x00FF0000u) || index > kLastSystemColor || !resolver) return E_INVALIDARG;
      *result = resolver(index);
      return S_OK;
    }
    default:  // palette indices need a palette; none is given
      return E_INVALIDARG;
  }
}

HRESULT CSgColor::SetOleColor(OLE_COLOR color) {
  COLORREF value = 0;
  const HRESULT hr = TranslateOleColor(color, &value);
  if (SUCCEEDED(hr)) m_value = value;
  return hr;
}

}  // namespace SG
