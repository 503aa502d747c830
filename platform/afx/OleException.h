#pragma once
// The OLE exceptions: COleException carries a status code (m_sc) and reports
// the system's text for it; COleDispatchException is an automation object's
// own error (code, description, source, help file and context, status code).

#include "platform/afx/Exception.h"
#include "platform/afx/String.h"

class COleException : public CException {
  DECLARE_DYNAMIC(COleException)
 public:
  COleException() = default;

  // The system's text for m_sc (as the system gives it, line end included);
  // FALSE and an empty text when it has none.
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                       UINT* pnHelpContext = nullptr) const override;

  // The status code that stands for any framework exception: its own for an
  // OLE exception, E_OUTOFMEMORY for out of memory, E_NOTIMPL for an
  // unsupported operation, E_UNEXPECTED otherwise.
  static SCODE Process(const CException* pAnyException);

  SCODE m_sc = 0;
};

class COleDispatchException : public CException {
  DECLARE_DYNAMIC(COleDispatchException)
 public:
  COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode);

  // The description; FALSE when it is empty.
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                       UINT* pnHelpContext = nullptr) const override;

  WORD m_wCode;
  SCODE m_scError = 0;
  DWORD m_dwHelpContext;
  CString m_strHelpFile;
  CString m_strDescription;
  CString m_strSource;
};

[[noreturn]] void AfxThrowOleException(SCODE sc);
[[noreturn]] void AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription,
                                               UINT nHelpID = 0);
// Throws for a failed status: out of memory as CMemoryException, anything
// else as COleException.
void AfxCheckError(SCODE sc);
