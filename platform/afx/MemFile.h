#pragma once
// CMemFile: a file held in memory, growing as it is written; archives over it
// need no disk.

#include "platform/afx/File.h"

#include <vector>

class CMemFile : public CFile {
  DECLARE_DYNAMIC(CMemFile)
 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  // A file holding a copy of nBufferSize bytes, positioned at its start.
  CMemFile(const BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override { return m_position; }
  ULONGLONG GetLength() const override { return m_data.size(); }
  void SetLength(ULONGLONG dwNewLen) override;
  void Flush() override {}
  void Close() override;
  void Abort() override { Close(); }

  // The file's bytes.
  const std::vector<BYTE>& GetContents() const { return m_data; }

 private:
  std::vector<BYTE> m_data;
  std::size_t m_position = 0;
  UINT m_nGrowBytes;
};
