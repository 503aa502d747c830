#include "platform/afx/MemFile.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {}

CMemFile::CMemFile(const BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_data(lpBuffer, lpBuffer + nBufferSize), m_nGrowBytes(nGrowBytes) {}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (m_position >= m_data.size()) return 0;
  const std::size_t n = std::min<std::size_t>(nCount, m_data.size() - m_position);
  std::memcpy(lpBuf, m_data.data() + m_position, n);
  m_position += n;
  return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  const std::size_t needed = m_position + nCount;
  if (needed > m_data.size()) {
    if (needed > m_data.capacity() && m_nGrowBytes > 0)
      m_data.reserve(std::max<std::size_t>(needed, m_data.capacity() + m_nGrowBytes));
    m_data.resize(needed);
  }
  std::memcpy(m_data.data() + m_position, lpBuf, nCount);
  m_position = needed;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
  LONGLONG base = 0;
  if (nFrom == current)
    base = static_cast<LONGLONG>(m_position);
  else if (nFrom == end)
    base = static_cast<LONGLONG>(m_data.size());
  else if (nFrom != begin)
    AfxThrowInvalidArgException();
  if (base + lOff < 0) AfxThrowFileException(CFileException::badSeek, 131, GetFilePath());
  m_position = static_cast<std::size_t>(base + lOff);
  return m_position;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
  m_data.resize(static_cast<std::size_t>(dwNewLen));
  m_position = std::min<std::size_t>(m_position, m_data.size());
}

void CMemFile::Close() {
  m_data.clear();
  m_position = 0;
}
