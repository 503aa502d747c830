#include "platform/afx/OleException.h"

#include "platform/win/ErrorText.h"
#include "platform/win/HResult.h"

IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  const auto text = SystemMessageText(static_cast<DWORD>(m_sc));
  AfxCopyErrorText(lpszError, nMaxError, text ? text->c_str() : "");
  return text.has_value();
}

SCODE COleException::Process(const CException* pAnyException) {
  if (const auto* ole = dynamic_cast<const COleException*>(pAnyException)) return ole->m_sc;
  if (dynamic_cast<const CMemoryException*>(pAnyException)) return E_OUTOFMEMORY;
  if (dynamic_cast<const CNotSupportedException*>(pAnyException)) return E_NOTIMPL;
  return E_UNEXPECTED;
}

COleDispatchException::COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_dwHelpContext(nHelpID), m_strDescription(lpszDescription) {}

BOOL COleDispatchException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                            UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = m_dwHelpContext;
  AfxCopyErrorText(lpszError, nMaxError, m_strDescription);
  return !m_strDescription.IsEmpty();
}

void AfxThrowOleException(SCODE sc) {
  auto* e = new COleException;
  e->m_sc = sc;
  throw e;
}

void AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription, UINT nHelpID) {
  throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

void AfxCheckError(SCODE sc) {
  if (!FAILED(sc)) return;
  if (sc == E_OUTOFMEMORY) AfxThrowMemoryException();
  AfxThrowOleException(sc);
}
