// The file class's path, directory and status operations.
#include "controls/CSgFile.h"

#include "platform/afx/FileErrors.h"
#include "platform/win/LastError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace SG {
namespace {

constexpr BYTE kDirectory = 0x10;

// The platform's error code of the last C library failure, kept as the
// thread's last error as the platform's own calls do.
LONG LastOsError(int error = errno) {
  const LONG code = AfxOsErrorFromErrno(error);
  SetLastError(static_cast<DWORD>(code));
  return code;
}

LONG OsError(const std::error_code& ec) { return LastOsError(ec.value()); }

fs::path Native(const CString& path) { return fs::path(AfxNativePath(path).str()); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

CString CSgFile::RemoveTrailingSeparator(const CString& path) {
  // UTF-8 never has a separator byte inside a character, so the last byte
  // decides.
  std::string text = path.str();
  if (!text.empty() && text.back() == '\\') text.pop_back();
  return CString(text.c_str());
}

bool CSgFile::QueryStatus(const CString& path, CFileStatus& status) {
  return CFile::GetStatus(RemoveTrailingSeparator(path), status) != FALSE;
}

bool CSgFile::Exists(const CString& path) {
  CFileStatus status;
  return QueryStatus(path, status);
}

CFileStatus CSgFile::GetPathStatus(const CString& path) {
  CFileStatus status;
  if (!QueryStatus(path, status))
    AfxThrowFileException(CFileException::fileNotFound, GetLastError(), path);
  return status;
}

DWORD CSgFile::GetSize(const CString& path) {
  return static_cast<DWORD>(GetPathStatus(path).m_size);
}
bool CSgFile::IsReadOnly(const CString& path) {
  return GetPathStatus(path).m_attribute & CFile::readOnly;
}
CTime CSgFile::GetModificationTime(const CString& path) { return GetPathStatus(path).m_mtime; }

void CSgFile::SetModificationTime(const CString& path, const CTime& time) {
  CFileStatus status = GetPathStatus(path);
  status.m_mtime = time;
  CFile::SetStatus(path, status);
}

BOOL CSgFile::CopyFileTo(const CString& source, const CString& target, bool overwrite) {
  std::error_code ec;
  const auto options = overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
  if (!fs::copy_file(Native(source), Native(target), options, ec) || ec)
    AfxThrowFileException(CFileException::genericException, ec ? OsError(ec) : LastOsError(EEXIST),
                          source);
  return TRUE;
}

void CSgFile::RenameFile(const CString& oldPath, const CString& newPath) {
  if (std::rename(AfxNativePath(oldPath), AfxNativePath(newPath)) == 0) return;
  const int error = errno;
  const int cause = error == ENOENT   ? CFileException::fileNotFound
                    : error == EACCES ? CFileException::accessDenied
                    : error == EINVAL ? CFileException::badPath
                                      : CFileException::none;
  if (cause != CFileException::none) AfxThrowFileException(cause, LastOsError(error), oldPath);
}

void CSgFile::SplitPath(const CString& path, CString& drive, CString& directory, CString& name,
                        CString& extension) {
  std::string rest = path.str();
  std::string d;
  if (rest.size() >= 2 && rest[1] == ':') {
    d = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  size_t slash = std::string::npos;
  for (size_t i = 0; i < rest.size(); ++i)
    if (IsSeparator(rest[i])) slash = i;
  const std::string dir = slash == std::string::npos ? "" : rest.substr(0, slash + 1);
  std::string file = slash == std::string::npos ? rest : rest.substr(slash + 1);
  const size_t dot = file.rfind('.');
  const std::string ext = dot == std::string::npos ? "" : file.substr(dot);
  if (dot != std::string::npos) file.erase(dot);
  auto part = [](const std::string& s) { return CString(s.substr(0, 259).c_str()); };
  drive = part(d);
  directory = part(dir);
  name = part(file);
  extension = part(ext);
}

CString CSgFile::MakePath(const CString& drive, const CString& directory, const CString& name,
                          const CString& extension) {
  std::string path = drive.str();
  if (!path.empty() && path.back() != ':') path += ':';
  path += directory.str();
  if (!path.empty() && !IsSeparator(path.back()) && path.back() != ':') path += '\\';
  path += name.str();
  const std::string ext = extension.str();
  if (!ext.empty() && ext.front() != '.') path += '.';
  path += ext;
  return CString(path.substr(0, 259).c_str());  // what fits the 260-byte buffer
}

CString CSgFile::GetWorkingDirectory() {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  return ec ? CString() : CString(current.string().substr(0, 259).c_str());
}

void CSgFile::SetWorkingDirectory(const CString& path) {
  std::error_code ec;
  fs::current_path(Native(path), ec);
  if (ec) AfxThrowFileException(CFileException::badPath, OsError(ec), path);
}

void CSgFile::SetWorkingDrive(int drive) {
  constexpr DWORD kDrives = 1u << 2;  // the one root stands for C:
  if (drive < 1 || drive > 32 || !(kDrives & (1u << (drive - 1))))
    AfxThrowFileException(CFileException::genericException, -1);
  if (::chdir("/") != 0) AfxThrowFileException(CFileException::genericException, LastOsError());
}

void CSgFile::GetFullPath(const CString& path, CString& result) {
  result.Empty();
  result = CString(AfxFullPath(path).str().substr(0, 259).c_str());
}

void CSgFile::GetModulePath(CString& path) {
  path.Empty();
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) path = CString(self.string().substr(0, 259).c_str());
}

void CSgFile::GetModuleDirectory(CString& directory) {
  CString path;
  GetModulePath(path);
  const std::string text = path.str();
  size_t last = std::string::npos;
  for (size_t i = 0; i < text.size(); ++i)
    if (IsSeparator(text[i])) last = i;
  directory = last == std::string::npos ? CString() : CString(text.substr(0, last + 1).c_str());
}

void CSgFile::CreateDirectoryPath(const CString& path) {
  std::string copy = path.str();
  if (!copy.empty() && IsSeparator(copy.back())) copy.pop_back();
  size_t last = std::string::npos;
  for (size_t i = 0; i < copy.size(); ++i)
    if (IsSeparator(copy[i])) last = i;
  if (last != std::string::npos && last != 0) {
    const std::string parent = copy.substr(0, last);
    bool hasSeparator = false;
    for (char c : parent) hasSeparator = hasSeparator || IsSeparator(c);
    CFileStatus status;
    if (hasSeparator && !CFile::GetStatus(parent.c_str(), status))
      CreateDirectoryPath(CString(parent.c_str()));
  }
  std::error_code ec;
  if (fs::create_directory(Native(CString(copy.c_str())), ec)) return;
  if (ec && ec != std::errc::file_exists)
    AfxThrowFileException(CFileException::badPath, OsError(ec), copy.c_str());
  CFileStatus status;
  if (!CFile::GetStatus(copy.c_str(), status))
    AfxThrowFileException(CFileException::genericException, GetLastError(), copy.c_str());
  if (!(status.m_attribute & kDirectory))
    AfxThrowFileException(CFileException::accessDenied, LastOsError(EEXIST), copy.c_str());
}

void CSgFile::RemoveDirectoryTree(const CString& path, bool force) {
  const CString copy = RemoveTrailingSeparator(path);
  CFileStatus status;
  if (!CFile::GetStatus(copy, status) || !(status.m_attribute & kDirectory))
    AfxThrowFileException(CFileException::badPath, -1, path);
  bool removable = true;
  if (status.m_attribute & CFile::readOnly) {
    if (force) {
      status.m_attribute &= ~CFile::readOnly;
      status.m_mtime = CTime(0);
      CFile::SetStatus(copy, status);
    } else {
      removable = false;
    }
  }
  std::error_code ec;
  std::vector<fs::directory_entry> entries;
  for (const auto& entry : fs::directory_iterator(Native(copy), ec)) entries.push_back(entry);
  for (const auto& entry : entries) {
    const CString name(entry.path().string().c_str());
    // A link goes as a link: following it would empty (or unprotect) a
    // folder outside the tree.
    if (std::error_code linkError; entry.is_symlink(linkError)) {
      CFile::Remove(name);
      continue;
    }
    CFileStatus entryStatus;
    if (!CFile::GetStatus(name, entryStatus)) continue;
    if (entryStatus.m_attribute & CFile::readOnly) {
      if (!force) {
        removable = false;
        continue;
      }
      entryStatus.m_attribute &= ~CFile::readOnly;
      CFile::SetStatus(name, entryStatus);
    }
    if (!(entryStatus.m_attribute & kDirectory)) {
      CFile::Remove(name);
    } else if (force) {
      RemoveDirectoryTree(name, true);
    } else {
      removable = false;
    }
  }
  if (!removable) return;
  fs::remove(Native(copy), ec);
  if (ec) AfxThrowFileException(CFileException::accessDenied, OsError(ec), path);
}

}  // namespace SG
