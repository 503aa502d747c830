#include "platform/afx/Exception.h"

#include "platform/afx/String.h"
#include "platform/services/Services.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

void CException::Delete() {
  if (m_bAutoDelete > 0) delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  AfxCopyErrorText(lpszError, nMaxError, "");
  return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  char text[512];
  CString message;
  if (GetErrorMessage(text, sizeof text))
    message = text;
  else if (nMessageID == 0 || !message.LoadString(nMessageID))
    message = "No error message is available.";
  return AfxReportError(message, nType);
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                       UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  AfxCopyErrorText(lpszError, nMaxError, GetFixedText());
  return TRUE;
}

LPCSTR CMemoryException::GetFixedText() const { return "Out of memory."; }

LPCSTR CNotSupportedException::GetFixedText() const {
  return "An unsupported operation was attempted.";
}

LPCSTR CInvalidArgException::GetFixedText() const { return "Encountered an improper argument."; }

LPCSTR CUserException::GetFixedText() const { return "The operation was ended by the user."; }

void AfxThrowMemoryException() {
  static CMemoryException shared(FALSE);
  throw &shared;
}

void AfxThrowNotSupportedException() {
  static CNotSupportedException shared(FALSE);
  throw &shared;
}

void AfxThrowInvalidArgException() {
  static CInvalidArgException shared(FALSE);
  throw &shared;
}

void AfxThrowUserException() { throw new CUserException; }

void AfxCopyErrorText(LPTSTR lpszError, UINT nMaxError, LPCSTR text) {
  if (!lpszError || nMaxError == 0) return;
  std::size_t n = std::strlen(text);
  if (n > nMaxError - 1) {
    n = nMaxError - 1;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
      --n;  // never cut a character in two
  }
  std::memcpy(lpszError, text, n);
  lpszError[n] = '\0';
}

int AfxReportError(LPCSTR text, UINT nType) {
  return services::ShowMessageBox(nullptr, text, nullptr, nType ? nType : MB_OK);
}
