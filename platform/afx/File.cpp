#include "platform/afx/File.h"

#include "platform/afx/FileErrors.h"
#include "platform/win/LastError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

// ENOENT for a missing folder is the platform's "path not found".
LONG OpenError(int error, const CString& nativePath) {
  if (error == ENOENT) {
    const std::filesystem::path parent = std::filesystem::path(nativePath.str()).parent_path();
    std::error_code ec;
    if (!parent.empty() && !std::filesystem::is_directory(parent, ec))
      return 3;  // ERROR_PATH_NOT_FOUND
  }
  return AfxOsErrorFromErrno(error);
}

void FillError(CFileException* pError, LONG osError, LPCSTR fileName) {
  SetLastError(static_cast<DWORD>(osError));
  if (!pError) return;
  pError->m_cause = CFileException::OsErrorToException(osError);
  pError->m_lOsError = osError;
  pError->m_strFileName = fileName;
}

}  // namespace

CString AfxNativePath(LPCSTR lpszPath) {
  CString path(lpszPath);
  path.Replace('\\', '/');
  return path;
}

CString AfxFullPath(LPCSTR lpszFileName) {
  std::error_code ec;
  const auto full = std::filesystem::absolute(AfxNativePath(lpszFileName).str(), ec);
  return ec ? CString(lpszFileName) : CString(full.lexically_normal().string());
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  Abort();
  const CString native = AfxNativePath(lpszFileName);
  int flags = O_CLOEXEC;
  switch (nOpenFlags & 3) {
    case modeRead: flags |= O_RDONLY; break;
    case modeWrite: flags |= O_WRONLY; break;
    case modeReadWrite: flags |= O_RDWR; break;
    default:
      FillError(pError, 87, lpszFileName);  // ERROR_INVALID_PARAMETER
      return FALSE;
  }
  if (nOpenFlags & modeCreate) flags |= O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : O_TRUNC);
  const int fd = ::open(native, flags, 0666);
  if (fd < 0) {
    FillError(pError, OpenError(errno, native), lpszFileName);
    return FALSE;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);  // the platform opens no folder as a file
    FillError(pError, 5, lpszFileName);
    return FALSE;
  }
  m_fd = fd;
  m_strFileName = AfxFullPath(lpszFileName);
  return TRUE;
}

void CFile::CheckOpen() const {
  if (m_fd < 0) AfxThrowFileException(CFileException::invalidFile, 6, m_strFileName);
}

void CFile::ThrowErrno(int nErrno) const { CFileException::ThrowErrno(nErrno, m_strFileName); }

void CFile::SetOpenError(CFileException* pError, int nErrno, LPCSTR lpszFileName) {
  FillError(pError, AfxOsErrorFromErrno(nErrno), lpszFileName);
}

int CFile::ReleaseDescriptor() {
  const int fd = m_fd;
  m_fd = -1;
  return fd;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  CheckOpen();
  auto* out = static_cast<char*>(lpBuf);
  UINT done = 0;
  while (done < nCount) {
    const ssize_t n = ::read(m_fd, out + done, nCount - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno);
    if (n == 0) break;
    done += static_cast<UINT>(n);
  }
  return done;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  CheckOpen();
  const auto* in = static_cast<const char*>(lpBuf);
  UINT done = 0;
  while (done < nCount) {
    const ssize_t n = ::write(m_fd, in + done, nCount - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno);
    if (n == 0) AfxThrowFileException(CFileException::diskFull, 112, m_strFileName);
    done += static_cast<UINT>(n);
  }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  CheckOpen();
  static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (nFrom > end) AfxThrowInvalidArgException();
  const off_t position = ::lseek(m_fd, lOff, kWhence[nFrom]);
  if (position < 0) {
    if (errno == EINVAL)  // before the start of the file
      AfxThrowFileException(CFileException::badSeek, 131, m_strFileName);
    ThrowErrno(errno);
  }
  return static_cast<ULONGLONG>(position);
}

ULONGLONG CFile::GetPosition() const {
  CheckOpen();
  const off_t position = ::lseek(m_fd, 0, SEEK_CUR);
  if (position < 0) ThrowErrno(errno);
  return static_cast<ULONGLONG>(position);
}

ULONGLONG CFile::GetLength() const {
  CheckOpen();
  struct stat info {};
  if (::fstat(m_fd, &info) != 0) ThrowErrno(errno);
  return static_cast<ULONGLONG>(info.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  CheckOpen();
  if (::ftruncate(m_fd, static_cast<off_t>(dwNewLen)) != 0) ThrowErrno(errno);
}

void CFile::Flush() {
  CheckOpen();  // writes are unbuffered: nothing is held back
}

void CFile::Close() {
  if (m_fd < 0) return;
  const int fd = ReleaseDescriptor();
  if (::close(fd) != 0 && errno != EINTR) ThrowErrno(errno);
}

void CFile::Abort() {
  if (m_fd >= 0) ::close(ReleaseDescriptor());
}

CString CFile::GetFileName() const {
  const CString native = AfxNativePath(m_strFileName);
  return native.Mid(native.ReverseFind('/') + 1);
}

CString CFile::GetFileTitle() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind('.');
  return dot > 0 ? name.Left(dot) : name;
}

CString CFile::GetFilePath() const { return m_strFileName; }

void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
  return !m_strFileName.IsEmpty() && GetStatus(m_strFileName, rStatus);
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus) {
  const CString native = AfxNativePath(lpszFileName);
  struct stat info {};
  if (::stat(native, &info) != 0) {
    SetLastError(static_cast<DWORD>(OpenError(errno, native)));
    rStatus.m_szFullName[0] = '\0';
    return FALSE;
  }
  rStatus.m_ctime = CTime(info.st_ctime);
  rStatus.m_mtime = CTime(info.st_mtime);
  rStatus.m_atime = CTime(info.st_atime);
  rStatus.m_size = S_ISDIR(info.st_mode) ? 0 : static_cast<ULONGLONG>(info.st_size);
  BYTE attribute = S_ISDIR(info.st_mode) ? directory : 0;
  if (!(info.st_mode & S_IWUSR)) attribute |= readOnly;
  const CString full = AfxFullPath(lpszFileName);
  const CString name = full.Mid(full.ReverseFind('/') + 1);
  if (name.GetLength() > 1 && name[0] == '.' && name != "..") attribute |= hidden;
  rStatus.m_attribute = attribute;
  std::snprintf(rStatus.m_szFullName, sizeof rStatus.m_szFullName, "%s", full.GetString());
  return TRUE;
}

void CFile::SetStatus(LPCSTR lpszFileName, const CFileStatus& status) {
  const CString native = AfxNativePath(lpszFileName);
  struct stat info {};
  if (::stat(native, &info) != 0) CFileException::ThrowErrno(errno, lpszFileName);
  mode_t mode = info.st_mode & 07777;
  mode =
      (status.m_attribute & readOnly) ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
  if (::chmod(native, mode) != 0) CFileException::ThrowErrno(errno, lpszFileName);
  if (status.m_mtime.GetTime() != 0 || status.m_atime.GetTime() != 0) {
    timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_OMIT}};
    if (status.m_atime.GetTime() != 0)
      times[0] = {static_cast<time_t>(status.m_atime.GetTime()), 0};
    if (status.m_mtime.GetTime() != 0)
      times[1] = {static_cast<time_t>(status.m_mtime.GetTime()), 0};
    if (::utimensat(AT_FDCWD, native, times, 0) != 0)
      CFileException::ThrowErrno(errno, lpszFileName);
  }
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName) {
  const CString from = AfxNativePath(lpszOldName);
  const CString to = AfxNativePath(lpszNewName);
  struct stat info {};
  if (::lstat(from, &info) != 0) CFileException::ThrowErrno(errno, lpszOldName);
  if (::lstat(to, &info) == 0)
    CFileException::ThrowOsError(183, lpszOldName);  // ERROR_ALREADY_EXISTS
  if (::rename(from, to) != 0) CFileException::ThrowErrno(errno, lpszOldName);
}

void CFile::Remove(LPCSTR lpszFileName) {
  const CString native = AfxNativePath(lpszFileName);
  if (::unlink(native) != 0) CFileException::ThrowOsError(OpenError(errno, native), lpszFileName);
}
