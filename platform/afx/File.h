#pragma once
// CFile: an unbuffered binary file over the operating system's file
// descriptor, with the framework's open flags, and CFileStatus with the static
// status, rename and remove operations. Every failure throws CFileException
// with the cause and the platform's error code, except Open, which reports
// through its CFileException argument; each failure also sets the thread's
// last error (GetLastError) to that code.
//
// Paths may use the platform's backslashes; they are turned into '/' here.
// The sharing flags are accepted and not enforced (Linux has no mandatory
// sharing modes).

#include "platform/afx/FileException.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"
#include "platform/afx/Time.h"

struct CFileStatus {
  CTime m_ctime;
  CTime m_mtime;
  CTime m_atime;
  ULONGLONG m_size = 0;
  BYTE m_attribute = 0;  // CFile::Attribute bits
  char m_szFullName[4096] = {};
};

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum Attribute : BYTE {
    normal = 0x00,
    readOnly = 0x01,
    hidden = 0x02,
    system = 0x04,
    volume = 0x08,
    directory = 0x10,
    archive = 0x20
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

  CFile() = default;
  // Opens or throws CFileException.
  CFile(LPCSTR lpszFileName, UINT nOpenFlags);
  // Closes an open file; a failure to close is not reported here (call
  // Close to see it).
  ~CFile() override;

  // FALSE on failure, with the cause, error code and name in *pError.
  virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  // Up to nCount bytes; fewer only at the end of the file.
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual void Flush();
  virtual void Close();
  // Closes without reporting failures.
  virtual void Abort();

  virtual BOOL IsOpen() const { return m_fd >= 0; }
  virtual CString GetFileName() const;   // name with extension, no folder
  virtual CString GetFileTitle() const;  // name without extension
  virtual CString GetFilePath() const;   // the full path
  virtual void SetFilePath(LPCSTR lpszNewName);

  BOOL GetStatus(CFileStatus& rStatus) const;
  static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
  // Sets the read-only attribute and, when not 0, the modification and
  // access times.
  static void SetStatus(LPCSTR lpszFileName, const CFileStatus& status);
  // Fails when newName exists, as the platform's rename does.
  static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
  static void Remove(LPCSTR lpszFileName);

 protected:
  // Throws CFileException(invalidFile) when no file is open.
  void CheckOpen() const;
  [[noreturn]] void ThrowErrno(int nErrno) const;
  int Descriptor() const { return m_fd; }
  // Takes over an open descriptor (the stdio class keeps its own stream).
  int ReleaseDescriptor();
  // Fills an Open failure (and the thread's last error) from an errno value.
  static void SetOpenError(CFileException* pError, int nErrno, LPCSTR lpszFileName);

 private:
  int m_fd = -1;
  CString m_strFileName;
};

// The path with the platform's backslashes turned into '/'.
CString AfxNativePath(LPCSTR lpszPath);
// The full path of a file name, made absolute from the current directory.
CString AfxFullPath(LPCSTR lpszFileName);
