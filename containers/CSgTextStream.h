#pragma once
// A text with a read position: values are appended with fixed printf formats
// per type and read back with the matching scanf formats. Exception messages,
// the variant's text form and the file class's text mode write through it.

#include "platform/afx/String.h"
#include "platform/win/WinTypes.h"

namespace SG {

// The platform's format of each scalar type, in table order: char, unsigned
// char, int, unsigned int, short, unsigned short, long, unsigned long,
// __int64, unsigned __int64, float, double.
extern const char* const SgScalarFormatTable[12];
// What extraction appends to a type's format: the count of characters taken.
extern const char* const SgScalarScanSuffixTable[12];

class CSgTextStream {
 public:
  CSgTextStream() = default;
  CSgTextStream(const CString& text) : m_text(text) {}
  CSgTextStream(const char* text) : m_text(text) {}
  CSgTextStream(const char* text, int length);
  CSgTextStream(char ch, int count);
  CSgTextStream(const wchar_t* text);
  CSgTextStream(const wchar_t* text, int length);
  CSgTextStream(const OLECHAR* text);
  CSgTextStream(const OLECHAR* text, int length);
  CSgTextStream(const unsigned char* text) : m_text(reinterpret_cast<const char*>(text)) {}
  CSgTextStream(const CSgTextStream&) = default;
  CSgTextStream& operator=(const CSgTextStream&) = default;

  const CString& GetText() const { return m_text; }
  int GetPosition() const { return m_position; }

  CSgTextStream& operator<<(const CString& text);
  CSgTextStream& operator<<(const char* text) { return *this << CString(text); }
  CSgTextStream& operator<<(char value);
  CSgTextStream& operator<<(unsigned char value);
  CSgTextStream& operator<<(int value);           // also LONG
  CSgTextStream& operator<<(unsigned int value);  // also ULONG
  CSgTextStream& operator<<(short value);
  CSgTextStream& operator<<(unsigned short value);
  CSgTextStream& operator<<(LONGLONG value);
  CSgTextStream& operator<<(ULONGLONG value);
  CSgTextStream& operator<<(float value);
  CSgTextStream& operator<<(double value);
  CSgTextStream& operator<<(CSgTextStream& (*manipulator)(CSgTextStream&)) {
    return manipulator(*this);
  }

  CSgTextStream& operator>>(char& value);
  CSgTextStream& operator>>(unsigned char& value);
  CSgTextStream& operator>>(int& value);
  CSgTextStream& operator>>(unsigned int& value);
  CSgTextStream& operator>>(short& value);
  CSgTextStream& operator>>(unsigned short& value);
  CSgTextStream& operator>>(LONGLONG& value);
  CSgTextStream& operator>>(ULONGLONG& value);
  CSgTextStream& operator>>(float& value);
  CSgTextStream& operator>>(double& value);

  // The next whitespace-delimited token; unchanged when none is left.
  void ReadToken(CString& token);
  void Rewind() { m_position = 0; }
  // At or past the text's end as extraction sees it: the first zero byte.
  bool IsAtEnd() const { return m_position >= ReadableLength(); }
  int CompareTrimmed(const CString& other) const;
  int CompareTrimmedNoCase(const CString& other) const;

 private:
  template <class T>
  friend void ExtractFormatted(CSgTextStream& stream, T* out);
  // Reading is done with the C library, which ends a text at a zero byte.
  int ReadableLength() const;
  CString m_text;
  int m_position = 0;
};

// Appends character 10.
CSgTextStream& EndLine(CSgTextStream& stream);

// Whitespace helpers on a CString (whitespace: the ASCII space characters).
CString& TrimBoth(CString& text);
bool HasNonSpace(const CString& text);
const char* FindFirstSpace(const CString& text);
const char* FindFirstNonSpace(const CString& text);

}  // namespace SG
