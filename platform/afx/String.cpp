#include "platform/afx/String.h"

#include "platform/afx/Exception.h"
#include "platform/afx/Utf.h"
#include "platform/com/Bstr.h"
#include "platform/win/CrtFormat.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace {

BOOL NoLoader(UINT, CString&) { return FALSE; }

AfxStringLoader g_loader = NoLoader;

int Sign(int n) { return (n > 0) - (n < 0); }

}  // namespace

CString::CString(LPCSTR psz) : m_text(psz ? psz : "") {}

CString::CString(LPCSTR pch, int nLength) {
  if (nLength < 0) AfxThrowInvalidArgException();
  if (pch) m_text.assign(pch, nLength);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::CString(char ch, int nRepeat) : m_text(nRepeat > 0 ? nRepeat : 0, ch) {}

CString::CString(LPCWSTR psz) : m_text(psz ? AfxUtf16ToUtf8(psz) : std::string()) {}

CString::CString(LPCWSTR pch, int nLength) {
  if (nLength < 0) AfxThrowInvalidArgException();
  if (pch) m_text = AfxUtf16ToUtf8(std::u16string_view(pch, nLength));
}

CString::CString(const wchar_t* psz) : m_text(psz ? AfxWideToUtf8(psz) : std::string()) {}

CString::CString(std::string_view text) : m_text(text) {}

CString& CString::operator=(LPCSTR psz) {
  m_text = psz ? psz : "";
  return *this;
}

CString& CString::operator=(LPCWSTR psz) {
  m_text = psz ? AfxUtf16ToUtf8(psz) : std::string();
  return *this;
}

CString& CString::operator=(char ch) {
  m_text.assign(1, ch);
  return *this;
}

char CString::GetAt(int nIndex) const {
  if (nIndex < 0 || nIndex > GetLength()) AfxThrowInvalidArgException();
  return m_text.c_str()[nIndex];
}

void CString::SetAt(int nIndex, char ch) {
  if (nIndex < 0 || nIndex >= GetLength()) AfxThrowInvalidArgException();
  m_text[nIndex] = ch;
}

CString& CString::operator+=(const CString& s) {
  m_text += s.m_text;
  return *this;
}

CString& CString::operator+=(LPCSTR psz) {
  if (psz) m_text += psz;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_text += ch;
  return *this;
}

CString& CString::operator+=(LPCWSTR psz) {
  if (psz) m_text += AfxUtf16ToUtf8(psz);
  return *this;
}

int CString::Compare(LPCSTR psz) const { return Sign(std::strcmp(m_text.c_str(), psz ? psz : "")); }

void CString::Format(LPCSTR pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args) {
  std::string text;
  CrtAppendFormatV(text, pszFormat ? pszFormat : "", args);
  m_text = std::move(text);
}

void CString::AppendFormat(LPCSTR pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  AppendFormatV(pszFormat, args);
  va_end(args);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args) {
  CrtAppendFormatV(m_text, pszFormat ? pszFormat : "", args);
}

LPSTR CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength < 0) AfxThrowInvalidArgException();
  if (m_text.size() < static_cast<std::size_t>(nMinBufLength)) m_text.resize(nMinBufLength, '\0');
  return m_text.data();
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
  if (nNewLength < 0) AfxThrowInvalidArgException();
  m_text.resize(nNewLength, '\0');
  return m_text.data();
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0)
    m_text.resize(std::strlen(m_text.c_str()));
  else if (static_cast<std::size_t>(nNewLength) <= m_text.size())
    m_text.resize(nNewLength);
  else
    AfxThrowInvalidArgException();
}

BSTR CString::AllocSysString() const {
  BSTR text = SysAllocStringFromUtf8(m_text);
  if (!text) AfxThrowMemoryException();
  return text;
}

BOOL CString::LoadString(UINT nID) {
  CString text;
  if (!g_loader(nID, text)) return FALSE;
  *this = std::move(text);
  return TRUE;
}

AfxStringLoader AfxSetStringLoader(AfxStringLoader loader) {
  AfxStringLoader previous = g_loader;
  g_loader = loader ? loader : NoLoader;
  return previous;
}

namespace {

template <class A, class B>
CString Concatenate(const A& a, const B& b) {
  CString s(a);
  s += b;
  return s;
}

}  // namespace

CString operator+(const CString& a, const CString& b) { return Concatenate(a, b); }
CString operator+(const CString& a, LPCSTR b) { return Concatenate(a, b); }
CString operator+(LPCSTR a, const CString& b) { return Concatenate(a, b); }
CString operator+(const CString& a, char b) { return Concatenate(a, b); }
CString operator+(char a, const CString& b) { return Concatenate(a, b); }

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }

bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }

std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.Compare(b) <=> 0; }

std::strong_ordering operator<=>(const CString& a, LPCSTR b) { return a.Compare(b) <=> 0; }

std::ostream& operator<<(std::ostream& os, const CString& s) { return os << s.str(); }
