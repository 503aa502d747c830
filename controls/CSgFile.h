#pragma once
// The framework's buffered text file with one switch more: values written or
// read through the stream operators go as text (printf-style, nothing added
// between them) or as raw little-endian bytes. Beside it, path, directory and
// file-status operations that report failures as the framework's file
// exception. Paths may use backslashes; the platform maps them.

#include "platform/afx/FileException.h"
#include "platform/afx/StdioFile.h"
#include "platform/afx/Time.h"

namespace SG {

class CSgFile : public CStdioFile {
 public:
  CSgFile() = default;
  // Opens or throws CFileException; text mode only with typeText.
  CSgFile(LPCSTR path, UINT openFlags);
  // An open C stream: text mode when the stream was in text translation.
  explicit CSgFile(std::FILE* stream);
  ~CSgFile() override;
  BOOL Open(LPCSTR path, UINT openFlags, CFileException* error = nullptr) override;
  bool IsTextMode() const { return m_text; }

  CSgFile& operator<<(const CString& text);
  CSgFile& operator>>(CString& text);
#define SG_FILE_STREAM_OPERATORS(T) \
  CSgFile& operator<<(T value);     \
  CSgFile& operator>>(T& value);
  SG_FILE_STREAM_OPERATORS(char)
  SG_FILE_STREAM_OPERATORS(unsigned char)
  SG_FILE_STREAM_OPERATORS(int)
  SG_FILE_STREAM_OPERATORS(unsigned int)
  SG_FILE_STREAM_OPERATORS(short)
  SG_FILE_STREAM_OPERATORS(unsigned short)
  SG_FILE_STREAM_OPERATORS(LONGLONG)
  SG_FILE_STREAM_OPERATORS(ULONGLONG)
  SG_FILE_STREAM_OPERATORS(float)
  SG_FILE_STREAM_OPERATORS(double)
#undef SG_FILE_STREAM_OPERATORS
  CSgFile& operator<<(CSgFile& (*manipulator)(CSgFile&)) { return manipulator(*this); }

  template <class T>
  void WriteValue(const T& value);
  template <class T>
  void ReadValue(T& value);

  // Status of the open file; failure: cause 2 with the file's name.
  CFileStatus GetOpenStatus() const;
  DWORD GetSize() const;
  bool IsReadOnly() const;
  CTime GetModificationTime() const;

  static bool Exists(const CString& path);
  static bool QueryStatus(const CString& path, CFileStatus& status);
  static CFileStatus GetPathStatus(const CString& path);
  static DWORD GetSize(const CString& path);
  static bool IsReadOnly(const CString& path);
  static CTime GetModificationTime(const CString& path);
  static void SetModificationTime(const CString& path, const CTime& time);
  static BOOL CopyFileTo(const CString& source, const CString& target, bool overwrite);
  static void RenameFile(const CString& oldPath, const CString& newPath);
  static void SplitPath(const CString& path, CString& drive, CString& directory, CString& name,
                        CString& extension);
  static CString MakePath(const CString& drive, const CString& directory, const CString& name,
                          const CString& extension);
  static CString GetWorkingDirectory();
  static void SetWorkingDirectory(const CString& path);
  // 1 = A, 2 = B, 3 = C. This system has one root, which counts as drive C.
  static void SetWorkingDrive(int drive);
  static void GetFullPath(const CString& path, CString& result);
  static void GetModulePath(CString& path);
  static void GetModuleDirectory(CString& directory);
  static void CreateDirectoryPath(const CString& path);
  static void RemoveDirectoryTree(const CString& path, bool force);
  static CString RemoveTrailingSeparator(const CString& path);

 private:
  bool m_text = false;
};

// Writes a line feed and flushes.
CSgFile& NewLineAndFlush(CSgFile& file);

}  // namespace SG
