#pragma once
// CArchiveException: reading or writing an archive failed (its end reached,
// a wrong class or schema, a bad object index), with the archive's file name.

#include "platform/afx/Exception.h"
#include "platform/afx/String.h"

class CArchiveException : public CException {
  DECLARE_DYNAMIC(CArchiveException)
 public:
  // Values of m_cause; they keep the platform's numbering.
  enum {
    none = 0,
    genericException = 1,
    readOnly = 2,  // stored into an archive that loads
    endOfFile = 3,
    writeOnly = 4,  // loaded from an archive that stores
    badIndex = 5,
    badClass = 6,
    badSchema = 7,
    bufferFull = 9,
  };

  explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                       UINT* pnHelpContext = nullptr) const override;

  int m_cause;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
