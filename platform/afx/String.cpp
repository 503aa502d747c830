#include "platform/afx/String.h"

#include "platform/afx/Exception.h"
#include "platform/afx/Utf.h"
#include "platform/com/Bstr.h"
#include "platform/win/CrtFormat.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace {

constexpr const char* kWhitespace = " \t\r\n\v\f";

BOOL NoLoader(UINT, CString&)
{
    return FALSE;
}

AfxStringLoader g_loader = NoLoader;

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int Sign(int n)
{
    return (n > 0) - (n < 0);
}

std::size_t Clamp(int n, std::size_t size)
{
    return n < 0 ? 0 : std::min(static_cast<std::size_t>(n), size);
}

}  // namespace

CString::CString(LPCSTR psz) : m_text(psz ? psz : "") {}

CString::CString(LPCSTR pch, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (pch)
        m_text.assign(pch, nLength);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::CString(char ch, int nRepeat) : m_text(nRepeat > 0 ? nRepeat : 0, ch) {}

CString::CString(LPCWSTR psz) : m_text(psz ? AfxUtf16ToUtf8(psz) : std::string()) {}

CString::CString(LPCWSTR pch, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (pch)
        m_text = AfxUtf16ToUtf8(std::u16string_view(pch, nLength));
}

CString::CString(const wchar_t* psz) : m_text(psz ? AfxWideToUtf8(psz) : std::string()) {}

CString::CString(std::string_view text) : m_text(text) {}

CString& CString::operator=(LPCSTR psz)
{
    m_text = psz ? psz : "";
    return *this;
}

CString& CString::operator=(LPCWSTR psz)
{
    m_text = psz ? AfxUtf16ToUtf8(psz) : std::string();
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex > GetLength())
        AfxThrowInvalidArgException();
    return m_text.c_str()[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_text[nIndex] = ch;
}

CString& CString::operator+=(const CString& s)
{
    m_text += s.m_text;
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        m_text += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

CString& CString::operator+=(LPCWSTR psz)
{
    if (psz)
        m_text += AfxUtf16ToUtf8(psz);
    return *this;
}

int CString::Compare(LPCSTR psz) const
{
    return Sign(std::strcmp(m_text.c_str(), psz ? psz : ""));
}

int CString::CompareNoCase(LPCSTR psz) const
{
    const char* a = m_text.c_str();
    const char* b = psz ? psz : "";
    for (;; ++a, ++b) {
        const auto ca = static_cast<unsigned char>(AsciiLower(*a));
        const auto cb = static_cast<unsigned char>(AsciiLower(*b));
        if (ca != cb || ca == 0)
            return Sign(ca - cb);
    }
}

CString CString::Left(int nCount) const
{
    return CString(std::string_view(m_text).substr(0, Clamp(nCount, m_text.size())));
}

CString CString::Right(int nCount) const
{
    const std::size_t n = Clamp(nCount, m_text.size());
    return CString(std::string_view(m_text).substr(m_text.size() - n));
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const
{
    const std::size_t first = Clamp(iFirst, m_text.size());
    return CString(std::string_view(m_text).substr(first, Clamp(nCount, m_text.size() - first)));
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(std::strspn(m_text.c_str(), pszCharSet ? pszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_text.c_str(), pszCharSet ? pszCharSet : "")));
}

int CString::Find(char ch, int iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
        return -1;
    const std::size_t at = m_text.find(ch, iStart);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCSTR pszSub, int iStart) const
{
    if (!pszSub || iStart < 0 || iStart > GetLength())
        return -1;
    const std::size_t at = m_text.find(pszSub, iStart);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    const std::size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    const std::size_t at = m_text.find_first_of(pszCharSet ? pszCharSet : "");
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    for (char& c : m_text) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    const std::size_t oldLength = pszOld ? std::strlen(pszOld) : 0;
    if (oldLength == 0)
        return 0;
    const std::string replacement = pszNew ? pszNew : "";
    std::string result;
    int count = 0;
    std::size_t from = 0;
    for (std::size_t at; (at = m_text.find(pszOld, from, oldLength)) != std::string::npos; from = at + oldLength) {
        result.append(m_text, from, at - from);
        result += replacement;
        ++count;
    }
    result.append(m_text, from, std::string::npos);
    m_text = std::move(result);
    return count;
}

int CString::Remove(char ch)
{
    const std::size_t before = m_text.size();
    std::erase(m_text, ch);
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int iIndex, char ch)
{
    m_text.insert(Clamp(iIndex, m_text.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int iIndex, LPCSTR psz)
{
    if (psz)
        m_text.insert(Clamp(iIndex, m_text.size()), psz);
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    const std::size_t first = Clamp(iIndex, m_text.size());
    m_text.erase(first, Clamp(nCount, m_text.size() - first));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhitespace);
}

CString& CString::TrimLeft(char chTarget)
{
    const char set[2] = {chTarget, '\0'};
    return chTarget ? TrimLeft(set) : *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    const std::size_t first = m_text.find_first_not_of(pszTargets ? pszTargets : "");
    m_text.erase(0, first == std::string::npos ? m_text.size() : first);
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(kWhitespace);
}

CString& CString::TrimRight(char chTarget)
{
    const char set[2] = {chTarget, '\0'};
    return chTarget ? TrimRight(set) : *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    const std::size_t last = m_text.find_last_not_of(pszTargets ? pszTargets : "");
    m_text.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::MakeUpper()
{
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), AsciiUpper);
    return *this;
}

CString& CString::MakeLower()
{
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), AsciiLower);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    std::string text;
    CrtAppendFormatV(text, pszFormat ? pszFormat : "", args);
    m_text = std::move(text);
}

void CString::AppendFormat(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args)
{
    CrtAppendFormatV(m_text, pszFormat ? pszFormat : "", args);
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    if (m_text.size() < static_cast<std::size_t>(nMinBufLength))
        m_text.resize(nMinBufLength, '\0');
    return m_text.data();
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        AfxThrowInvalidArgException();
    m_text.resize(nNewLength, '\0');
    return m_text.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        m_text.resize(std::strlen(m_text.c_str()));
    else if (static_cast<std::size_t>(nNewLength) <= m_text.size())
        m_text.resize(nNewLength);
    else
        AfxThrowInvalidArgException();
}

BSTR CString::AllocSysString() const
{
    BSTR text = SysAllocStringFromUtf8(m_text);
    if (!text)
        AfxThrowMemoryException();
    return text;
}

BOOL CString::LoadString(UINT nID)
{
    CString text;
    if (!g_loader(nID, text))
        return FALSE;
    *this = std::move(text);
    return TRUE;
}

AfxStringLoader AfxSetStringLoader(AfxStringLoader loader)
{
    AfxStringLoader previous = g_loader;
    g_loader = loader ? loader : NoLoader;
    return previous;
}

namespace {

template <class A, class B>
CString Concatenate(const A& a, const B& b)
{
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

bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}

bool operator==(const CString& a, LPCSTR b)
{
    return a.Compare(b) == 0;
}

std::strong_ordering operator<=>(const CString& a, const CString& b)
{
    return a.Compare(b) <=> 0;
}

std::strong_ordering operator<=>(const CString& a, LPCSTR b)
{
    return a.Compare(b) <=> 0;
}

std::ostream& operator<<(std::ostream& os, const CString& s)
{
    return os << s.str();
}
