#include "containers/CSgOleException.h"

#include "containers/CSgException.h"

#include <memory>

namespace SG {

CSgOleException::CSgOleException() { m_sc = 0; }

BOOL CSgOleException::GetErrorMessage(LPTSTR buffer, UINT bufferSize, UINT* helpContext) const {
  char scratch[2] = {0, 0};
  const BOOL base = COleException::GetErrorMessage(scratch, 2, helpContext);
  CopyMessage(m_message, buffer, bufferSize);
  return (base || !m_message.IsEmpty()) ? TRUE : FALSE;
}

void ThrowOleException(HRESULT hr, const char* text) {
  // Owned until thrown, so a failure while building the text frees it.
  auto e = std::make_unique<CSgOleException>();
  e->m_sc = hr;
  char systemText[512] = {0};
  CString message;
  if (e->COleException::GetErrorMessage(systemText, sizeof systemText, nullptr)) {
    message = systemText;
    message += "\n";
  }
  message += text ? text : "";
  e->SetErrorString(message);
  throw e.release();
}

void ThrowIfFailed(HRESULT hr, const char* text) {
  if (FAILED(hr)) ThrowOleException(hr, text);
}

}  // namespace SG
