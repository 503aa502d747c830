// CString's case-blind comparison, searching, extraction and editing members.
#include "platform/afx/String.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kWhitespace = " \t\r\n\v\f";

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t Clamp(int n, std::size_t size) {
  return n < 0 ? 0 : std::min(static_cast<std::size_t>(n), size);
}

}  // namespace

int CString::CompareNoCase(LPCSTR psz) const {
  const char* a = m_text.c_str();
  const char* b = psz ? psz : "";
  for (;; ++a, ++b) {
    const auto ca = static_cast<unsigned char>(AsciiLower(*a));
    const auto cb = static_cast<unsigned char>(AsciiLower(*b));
    if (ca != cb || ca == 0) return (ca > cb) - (ca < cb);
  }
}

CString CString::Left(int nCount) const {
  return CString(std::string_view(m_text).substr(0, Clamp(nCount, m_text.size())));
}

CString CString::Right(int nCount) const {
  const std::size_t n = Clamp(nCount, m_text.size());
  return CString(std::string_view(m_text).substr(m_text.size() - n));
}

CString CString::Mid(int iFirst) const { return Mid(iFirst, GetLength()); }

CString CString::Mid(int iFirst, int nCount) const {
  const std::size_t first = Clamp(iFirst, m_text.size());
  return CString(std::string_view(m_text).substr(first, Clamp(nCount, m_text.size() - first)));
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const {
  return Left(static_cast<int>(std::strspn(m_text.c_str(), pszCharSet ? pszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const {
  return Left(static_cast<int>(std::strcspn(m_text.c_str(), pszCharSet ? pszCharSet : "")));
}

int CString::Find(char ch, int iStart) const {
  if (iStart < 0 || iStart >= GetLength()) return -1;
  const std::size_t at = m_text.find(ch, iStart);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCSTR pszSub, int iStart) const {
  if (!pszSub || iStart < 0 || iStart > GetLength()) return -1;
  const std::size_t at = m_text.find(pszSub, iStart);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
  const std::size_t at = m_text.rfind(ch);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCSTR pszCharSet) const {
  const std::size_t at = m_text.find_first_of(pszCharSet ? pszCharSet : "");
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(char chOld, char chNew) {
  int count = 0;
  for (char& c : m_text) {
    if (c == chOld) {
      c = chNew;
      ++count;
    }
  }
  return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew) {
  const std::size_t oldLength = pszOld ? std::strlen(pszOld) : 0;
  if (oldLength == 0) return 0;
  const std::string replacement = pszNew ? pszNew : "";
  std::string result;
  int count = 0;
  std::size_t from = 0;
  for (std::size_t at; (at = m_text.find(pszOld, from, oldLength)) != std::string::npos;
       from = at + oldLength) {
    result.append(m_text, from, at - from);
    result += replacement;
    ++count;
  }
  result.append(m_text, from, std::string::npos);
  m_text = std::move(result);
  return count;
}

int CString::Remove(char ch) {
  const std::size_t before = m_text.size();
  std::erase(m_text, ch);
  return static_cast<int>(before - m_text.size());
}

int CString::Insert(int iIndex, char ch) {
  m_text.insert(Clamp(iIndex, m_text.size()), 1, ch);
  return GetLength();
}

int CString::Insert(int iIndex, LPCSTR psz) {
  if (psz) m_text.insert(Clamp(iIndex, m_text.size()), psz);
  return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
  const std::size_t first = Clamp(iIndex, m_text.size());
  m_text.erase(first, Clamp(nCount, m_text.size() - first));
  return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }

CString& CString::Trim(LPCSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }

CString& CString::TrimLeft(char chTarget) {
  const char set[2] = {chTarget, '\0'};
  return chTarget ? TrimLeft(set) : *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets) {
  const std::size_t first = m_text.find_first_not_of(pszTargets ? pszTargets : "");
  m_text.erase(0, first == std::string::npos ? m_text.size() : first);
  return *this;
}

CString& CString::TrimRight() { return TrimRight(kWhitespace); }

CString& CString::TrimRight(char chTarget) {
  const char set[2] = {chTarget, '\0'};
  return chTarget ? TrimRight(set) : *this;
}

CString& CString::TrimRight(LPCSTR pszTargets) {
  const std::size_t last = m_text.find_last_not_of(pszTargets ? pszTargets : "");
  m_text.erase(last == std::string::npos ? 0 : last + 1);
  return *this;
}

CString& CString::MakeUpper() {
  std::transform(m_text.begin(), m_text.end(), m_text.begin(), AsciiUpper);
  return *this;
}

CString& CString::MakeLower() {
  std::transform(m_text.begin(), m_text.end(), m_text.begin(), AsciiLower);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_text.begin(), m_text.end());
  return *this;
}
