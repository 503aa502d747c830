#pragma once
// A failed COM call inside the library: the framework's OLE exception (status
// code) with a message of its own, the system's text for the code followed
// by the caller's extra text.

#include "platform/afx/OleException.h"
#include "platform/afx/String.h"
#include "platform/win/HResult.h"

namespace SG {

class CSgOleException : public COleException {
 public:
  // Status code 0, auto-delete set, empty message.
  CSgOleException();
  ~CSgOleException() override = default;

  CString GetErrorString() const { return m_message; }
  void SetErrorString(const CString& message) { m_message = message; }
  BOOL GetErrorMessage(LPTSTR buffer, UINT bufferSize, UINT* helpContext = nullptr) const override;

 private:
  CString m_message;
};

// Throws a new CSgOleException for hr whose message is the system's text for
// hr and a line feed (nothing when there is no text), then text.
[[noreturn]] void ThrowOleException(HRESULT hr, const char* text);

// ThrowOleException(hr, text) when hr is a failure code.
void ThrowIfFailed(HRESULT hr, const char* text);

}  // namespace SG
