#pragma once
// CString: the framework's narrow string (UTF-8 here), with the members the
// editor uses. Indices and lengths are in bytes, as on the platform's narrow
// strings. Format and AppendFormat follow the platform's printf rules
// (platform/win/CrtFormat.h). An index out of range throws
// CInvalidArgException, as the framework's strings do.

#include "platform/win/WinTypes.h"

#include <compare>
#include <cstdarg>
#include <iosfwd>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString(LPCSTR psz);  // null gives an empty string
  CString(LPCSTR pch, int nLength);
  CString(const unsigned char* psz);
  explicit CString(char ch, int nRepeat = 1);
  CString(LPCWSTR psz);  // UTF-16, converted
  CString(LPCWSTR pch, int nLength);
  CString(const wchar_t* psz);  // the C library's wide text, converted
  explicit CString(std::string_view text);

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(LPCSTR psz);
  CString& operator=(LPCWSTR psz);
  CString& operator=(char ch);

  int GetLength() const { return static_cast<int>(m_text.size()); }
  BOOL IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }

  // Index 0..GetLength() (the terminator may be read); SetAt 0..GetLength()-1.
  char GetAt(int nIndex) const;
  void SetAt(int nIndex, char ch);
  char operator[](int nIndex) const { return GetAt(nIndex); }

  operator LPCSTR() const { return m_text.c_str(); }
  LPCSTR GetString() const { return m_text.c_str(); }
  const std::string& str() const { return m_text; }

  CString& operator+=(const CString& s);
  CString& operator+=(LPCSTR psz);
  CString& operator+=(char ch);
  CString& operator+=(LPCWSTR psz);
  void Append(LPCSTR psz) { *this += psz; }
  void Append(const CString& s) { *this += s; }
  void AppendChar(char ch) { *this += ch; }

  // strcmp / case-insensitive (ASCII letters) comparison: <0, 0 or >0.
  int Compare(LPCSTR psz) const;
  int CompareNoCase(LPCSTR psz) const;

  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString Mid(int iFirst) const;
  CString Mid(int iFirst, int nCount) const;
  CString SpanIncluding(LPCSTR pszCharSet) const;
  CString SpanExcluding(LPCSTR pszCharSet) const;

  // Byte index of the first match at or after iStart, -1 when none.
  int Find(char ch, int iStart = 0) const;
  int Find(LPCSTR pszSub, int iStart = 0) const;
  int ReverseFind(char ch) const;
  int FindOneOf(LPCSTR pszCharSet) const;

  // Counts of replaced or removed occurrences; new lengths for Insert/Delete.
  int Replace(char chOld, char chNew);
  int Replace(LPCSTR pszOld, LPCSTR pszNew);
  int Remove(char ch);
  int Insert(int iIndex, char ch);
  int Insert(int iIndex, LPCSTR psz);
  int Delete(int iIndex, int nCount = 1);

  // Whitespace is the C locale's: space, tab, CR, LF, VT, FF.
  CString& Trim();
  CString& Trim(char chTarget);
  CString& Trim(LPCSTR pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(char chTarget);
  CString& TrimLeft(LPCSTR pszTargets);
  CString& TrimRight();
  CString& TrimRight(char chTarget);
  CString& TrimRight(LPCSTR pszTargets);

  // ASCII letters only, so UTF-8 sequences stay intact.
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();

  void Format(LPCSTR pszFormat, ...);
  void FormatV(LPCSTR pszFormat, va_list args);
  void AppendFormat(LPCSTR pszFormat, ...);
  void AppendFormatV(LPCSTR pszFormat, va_list args);

  // A writable buffer of at least nMinBufLength characters plus terminator;
  // ReleaseBuffer(-1) takes the length up to the first zero.
  LPSTR GetBuffer(int nMinBufLength);
  LPSTR GetBuffer() { return GetBuffer(0); }
  LPSTR GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);

  // A new BSTR (UTF-16) of the text; the caller frees it with SysFreeString.
  BSTR AllocSysString() const;

  // Text of string resource nID through the installed string loader;
  // FALSE (and the string unchanged) when there is none.
  BOOL LoadString(UINT nID);

 private:
  std::string m_text;
};

// Where LoadString finds texts by id; the resources install one. Returns the
// previous loader.
using AfxStringLoader = BOOL (*)(UINT nID, CString& text);
AfxStringLoader AfxSetStringLoader(AfxStringLoader loader);

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

// Byte-wise comparison (strcmp); the other operand may be a C string on either
// side.
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
std::strong_ordering operator<=>(const CString& a, const CString& b);
std::strong_ordering operator<=>(const CString& a, LPCSTR b);

std::ostream& operator<<(std::ostream& os, const CString& s);
