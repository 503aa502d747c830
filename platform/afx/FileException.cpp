#include "platform/afx/FileException.h"

#include "platform/afx/FileErrors.h"
#include "platform/win/LastError.h"

IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

// By cause; %1 stands for the file name.
constexpr const char* kCauseTexts[] = {
    "No error occurred.",
    "An unexpected error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1.",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

}  // namespace

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

void CFileException::Clear() {
  m_cause = none;
  m_lOsError = -1;
  m_strFileName.Empty();
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  const int count = static_cast<int>(std::size(kCauseTexts));
  CString text = kCauseTexts[(m_cause >= 0 && m_cause < count) ? m_cause : genericException];
  text.Replace("%1", m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName.GetString());
  AfxCopyErrorText(lpszError, nMaxError, text);
  return TRUE;
}

int CFileException::OsErrorToException(LONG lOsError) { return AfxFileCauseFromOsError(lOsError); }

int CFileException::ErrnoToException(int nErrno) {
  return AfxFileCauseFromOsError(AfxOsErrorFromErrno(nErrno));
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName) {
  SetLastError(static_cast<DWORD>(lOsError));
  AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName) {
  ThrowOsError(AfxOsErrorFromErrno(nErrno), lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}
