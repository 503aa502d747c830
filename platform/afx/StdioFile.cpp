#include "platform/afx/StdioFile.h"

#include "platform/afx/TextModeStream.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile(std::FILE* pOpenStream) : m_pStream(pOpenStream), m_bCloseOnDelete(false) {
  if (!pOpenStream) AfxThrowInvalidArgException();
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
  if (m_bCloseOnDelete) Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  Abort();
  m_bCloseOnDelete = true;
  if (!CFile::Open(lpszFileName, nOpenFlags, pError)) return FALSE;
  const int fd = ReleaseDescriptor();
  const UINT access = nOpenFlags & 3;
  const char* mode = access == modeWrite ? "wb" : access == modeReadWrite ? "r+b" : "rb";
  std::FILE* binary = ::fdopen(fd, mode);
  if (!binary) {
    SetOpenError(pError, errno, lpszFileName);
    ::close(fd);
    return FALSE;
  }
  m_pStream = (nOpenFlags & typeBinary) ? binary : AfxOpenTextStream(binary);
  if (!m_pStream) {
    SetOpenError(pError, errno, lpszFileName);
    std::fclose(binary);
    return FALSE;
  }
  return TRUE;
}

void CStdioFile::CheckStream() const {
  if (!m_pStream) AfxThrowFileException(CFileException::invalidFile, 6, GetFilePath());
}

void CStdioFile::ThrowStreamError() const {
  const int error = errno;
  std::clearerr(m_pStream);
  CFileException::ThrowErrno(error ? error : EIO, GetFilePath());
}

BOOL CStdioFile::ReadString(CString& rString) {
  CheckStream();
  std::string line;
  char chunk[256];
  while (std::fgets(chunk, sizeof chunk, m_pStream)) {
    line += chunk;
    if (!line.empty() && line.back() == '\n') break;
  }
  if (std::ferror(m_pStream)) ThrowStreamError();
  if (line.empty()) {
    rString.Empty();
    return FALSE;
  }
  if (line.back() == '\n') line.pop_back();
  rString = CString(line);
  return TRUE;
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax) {
  CheckStream();
  if (!lpsz || nMax == 0) AfxThrowInvalidArgException();
  char* result = std::fgets(lpsz, static_cast<int>(nMax), m_pStream);
  if (!result && std::ferror(m_pStream)) ThrowStreamError();
  return result;
}

void CStdioFile::WriteString(LPCSTR lpsz) {
  CheckStream();
  if (!lpsz) AfxThrowInvalidArgException();
  if (std::fputs(lpsz, m_pStream) == EOF) ThrowStreamError();
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
  CheckStream();
  const std::size_t n = std::fread(lpBuf, 1, nCount, m_pStream);
  if (n < nCount && std::ferror(m_pStream)) ThrowStreamError();
  return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
  CheckStream();
  if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount) ThrowStreamError();
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
  CheckStream();
  static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (nFrom > end) AfxThrowInvalidArgException();
  if (fseeko(m_pStream, lOff, kWhence[nFrom]) != 0) {
    if (errno == EINVAL) AfxThrowFileException(CFileException::badSeek, 131, GetFilePath());
    ThrowStreamError();
  }
  return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const {
  CheckStream();
  const off_t position = ftello(m_pStream);
  if (position < 0) ThrowStreamError();
  return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::GetLength() const {
  CheckStream();
  const off_t here = ftello(m_pStream);
  if (here < 0 || fseeko(m_pStream, 0, SEEK_END) != 0) ThrowStreamError();
  const off_t length = ftello(m_pStream);
  if (length < 0 || fseeko(m_pStream, here, SEEK_SET) != 0) ThrowStreamError();
  return static_cast<ULONGLONG>(length);
}

void CStdioFile::SetLength(ULONGLONG) { AfxThrowNotSupportedException(); }

void CStdioFile::Flush() {
  if (m_pStream && std::fflush(m_pStream) != 0) ThrowStreamError();
}

void CStdioFile::Close() {
  if (!m_pStream) return;
  std::FILE* stream = m_pStream;
  m_pStream = nullptr;
  if (m_bCloseOnDelete && std::fclose(stream) != 0)
    CFileException::ThrowErrno(errno ? errno : EIO, GetFilePath());
}

void CStdioFile::Abort() {
  if (!m_pStream) return;
  if (m_bCloseOnDelete) std::fclose(m_pStream);
  m_pStream = nullptr;
}
