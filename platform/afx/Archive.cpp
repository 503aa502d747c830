#include "platform/afx/Archive.h"

#include <algorithm>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(static_cast<std::size_t>(std::max(nBufSize, 16))) {
  if (!pFile) AfxThrowInvalidArgException();
  m_strFileName = pFile->GetFilePath();
}

CArchive::~CArchive() {
  if (!m_pFile) return;
  if (m_nMode & bNoFlushOnDelete) {
    Abort();
    return;
  }
  try {
    Close();
  } catch (CException* e) {
    e->Delete();
  }
}

void CArchive::Fail(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::CheckStoring() const {
  if (!m_pFile) Fail(CArchiveException::genericException);  // closed
  if (IsLoading()) Fail(CArchiveException::readOnly);
}

void CArchive::CheckLoading() const {
  if (!m_pFile) Fail(CArchiveException::genericException);  // closed
  if (IsStoring()) Fail(CArchiveException::writeOnly);
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  CheckLoading();
  auto* out = static_cast<BYTE*>(lpBuf);
  UINT done = 0;
  const std::size_t buffered = std::min<std::size_t>(nMax, m_max - m_cur);
  std::memcpy(out, m_buffer.data() + m_cur, buffered);
  m_cur += buffered;
  done += static_cast<UINT>(buffered);
  if (done == nMax) return done;
  if (nMax - done >= m_buffer.size())  // large reads bypass the buffer
    return done + m_pFile->Read(out + done, nMax - done);
  m_cur = m_max = 0;
  m_max = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
  const std::size_t more = std::min<std::size_t>(nMax - done, m_max);
  std::memcpy(out + done, m_buffer.data(), more);
  m_cur = more;
  return done + static_cast<UINT>(more);
}

void CArchive::FillBuffer(UINT nBytes) {
  if (m_max - m_cur >= nBytes) return;
  std::memmove(m_buffer.data(), m_buffer.data() + m_cur, m_max - m_cur);
  m_max -= m_cur;
  m_cur = 0;
  while (m_max < nBytes) {
    const UINT n =
        m_pFile->Read(m_buffer.data() + m_max, static_cast<UINT>(m_buffer.size() - m_max));
    if (n == 0) Fail(CArchiveException::endOfFile);
    m_max += n;
  }
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  CheckStoring();
  if (m_cur + nMax > m_buffer.size()) {
    Flush();
    if (nMax >= m_buffer.size()) {  // large writes bypass the buffer
      m_pFile->Write(lpBuf, nMax);
      return;
    }
  }
  std::memcpy(m_buffer.data() + m_cur, lpBuf, nMax);
  m_cur += nMax;
}

void CArchive::Flush() {
  if (!m_pFile) return;
  if (IsStoring()) {
    if (m_cur > 0) {
      const std::size_t n = m_cur;
      m_cur = 0;
      m_pFile->Write(m_buffer.data(), static_cast<UINT>(n));
    }
    m_pFile->Flush();
  } else if (m_max > m_cur) {
    // Give back the bytes read ahead, so the file stands after the data used.
    m_pFile->Seek(-static_cast<LONGLONG>(m_max - m_cur), CFile::current);
    m_cur = m_max = 0;
  }
}

void CArchive::Close() {
  if (!m_pFile) return;
  Flush();
  m_pFile = nullptr;
}

void CArchive::Abort() {
  m_cur = m_max = 0;
  m_pFile = nullptr;
}

CArchive& CArchive::operator>>(bool& value) {
  BYTE byte = 0;
  GetRaw(byte);
  value = byte != 0;
  return *this;
}
