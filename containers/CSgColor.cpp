#include "containers/CSgColor.h"

#include "platform/win/HResult.h"

namespace SG {

HRESULT CSgColor::SetOleColor(OLE_COLOR color) {
  COLORREF value = 0;
  const HRESULT hr = OleTranslateColor(color, nullptr, &value);
  if (SUCCEEDED(hr)) m_value = value;
  return hr;
}

}  // namespace SG
