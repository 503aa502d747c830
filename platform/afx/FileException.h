#pragma once
// CFileException: a file operation failed. It carries the framework's cause
// code, the platform's error code (-1 when there is none) and the file name.

#include "platform/afx/Exception.h"
#include "platform/afx/String.h"

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)
 public:
  // Values of m_cause; they keep the platform's numbering.
  enum {
    none = 0,
    genericException = 1,
    fileNotFound = 2,
    badPath = 3,
    tooManyOpenFiles = 4,
    accessDenied = 5,
    invalidFile = 6,
    removeCurrentDir = 7,
    directoryFull = 8,
    badSeek = 9,
    hardIO = 10,
    sharingViolation = 11,
    lockViolation = 12,
    diskFull = 13,
    endOfFile = 14,
  };

  explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = nullptr);

  void Clear();
  // "<file> was not found." and the like, by cause.
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                       UINT* pnHelpContext = nullptr) const override;

  static int OsErrorToException(LONG lOsError);
  static int ErrnoToException(int nErrno);
  [[noreturn]] static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
  [[noreturn]] static void ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1,
                                        LPCSTR lpszFileName = nullptr);
