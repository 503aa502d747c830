#pragma once
// CStdioFile: a file over a C library stream (m_pStream), buffered, in text
// mode unless typeBinary is given: text mode writes CR LF line ends and reads
// CR LF or LF (TextModeStream.h). ReadString reads one line; WriteString
// writes text as it stands. Failures throw CFileException.

#include "platform/afx/File.h"

#include <cstdio>

class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)
 public:
  CStdioFile() = default;
  // Wraps a stream the caller opened and closes (it is not closed here).
  explicit CStdioFile(std::FILE* pOpenStream);
  // Opens or throws CFileException.
  CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
  ~CStdioFile() override;

  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
  BOOL IsOpen() const override { return m_pStream != nullptr; }

  // One line without its line end into rString; FALSE at the end of the
  // file when nothing is left.
  BOOL ReadString(CString& rString);
  // At most nMax - 1 characters of one line, its LF kept; null at the end.
  LPSTR ReadString(LPSTR lpsz, UINT nMax);
  void WriteString(LPCSTR lpsz);

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override;
  ULONGLONG GetLength() const override;
  void SetLength(ULONGLONG dwNewLen) override;  // not supported for streams
  void Flush() override;
  void Close() override;
  void Abort() override;

  std::FILE* m_pStream = nullptr;

 private:
  void CheckStream() const;
  [[noreturn]] void ThrowStreamError() const;
  bool m_bCloseOnDelete = true;
};
