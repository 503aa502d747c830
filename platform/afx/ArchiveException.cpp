#include "platform/afx/ArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace {

struct CauseText {
  int cause;
  const char* text;  // %1 stands for the file name
};

constexpr CauseText kTexts[] = {
    {CArchiveException::none, "No error occurred."},
    {CArchiveException::genericException,
     "An unexpected error occurred while reading or writing %1."},
    {CArchiveException::readOnly, "Tried to write to %1 while it was being read."},
    {CArchiveException::endOfFile, "An unexpected end of file was encountered while reading %1."},
    {CArchiveException::writeOnly, "Tried to read from %1 while it was being written."},
    {CArchiveException::badIndex, "%1 has a bad format."},
    {CArchiveException::badClass, "%1 contained an unexpected object."},
    {CArchiveException::badSchema, "%1 contains an incorrect schema."},
    {CArchiveException::bufferFull, "The buffer of %1 is full."},
};

}  // namespace

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName) {}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                        UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  CString text = kTexts[CArchiveException::genericException].text;
  for (const auto& row : kTexts) {
    if (row.cause == m_cause) text = row.text;
  }
  text.Replace("%1", m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName.GetString());
  AfxCopyErrorText(lpszError, nMaxError, text);
  return TRUE;
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName) {
  throw new CArchiveException(cause, lpszArchiveName);
}
