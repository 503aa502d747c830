#include "containers/CSgTextStream.h"

#include "containers/SgScalarFormat.h"
#include "platform/afx/Utf.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace SG {

namespace {

bool IsSpaceByte(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// A UTF-8 lead byte of a multi-byte character.
bool IsLeadByte(unsigned char c) { return c >= 0xC0; }

}  // namespace

namespace {

// The first length units of text, or fewer when it ends sooner.
template <class Unit>
std::basic_string_view<Unit> Prefix(const Unit* text, int length) {
  std::size_t n = 0;
  while (text && static_cast<int>(n) < length && text[n]) ++n;
  return std::basic_string_view<Unit>(text, n);
}

}  // namespace

CSgTextStream::CSgTextStream(const char* text, int length) : m_text(Prefix(text, length)) {}

CSgTextStream::CSgTextStream(char ch, int count)
    : m_text(std::string(count > 0 ? static_cast<std::size_t>(count) : 0, ch).c_str()) {}

CSgTextStream::CSgTextStream(const wchar_t* text)
    : m_text(AfxWideToUtf8(text ? std::wstring_view(text) : std::wstring_view()).c_str()) {}
CSgTextStream::CSgTextStream(const wchar_t* text, int length)
    : m_text(AfxWideToUtf8(Prefix(text, length)).c_str()) {}
CSgTextStream::CSgTextStream(const OLECHAR* text)
    : m_text(AfxUtf16ToUtf8(text ? std::u16string_view(text) : std::u16string_view()).c_str()) {}
CSgTextStream::CSgTextStream(const OLECHAR* text, int length)
    : m_text(AfxUtf16ToUtf8(Prefix(text, length)).c_str()) {}

CSgTextStream& CSgTextStream::operator<<(const CString& text) {
  m_text += text;
  return *this;
}

#define SG_TEXT_STREAM_SCALAR(T)                       \
  CSgTextStream& CSgTextStream::operator<<(T value) {  \
    m_text += FormatScalar(value).c_str();             \
    return *this;                                      \
  }                                                    \
  CSgTextStream& CSgTextStream::operator>>(T& value) { \
    ExtractFormatted(*this, &value);                   \
    return *this;                                      \
  }
SG_TEXT_STREAM_SCALAR(char)
SG_TEXT_STREAM_SCALAR(unsigned char)
SG_TEXT_STREAM_SCALAR(int)
SG_TEXT_STREAM_SCALAR(unsigned int)
SG_TEXT_STREAM_SCALAR(short)
SG_TEXT_STREAM_SCALAR(unsigned short)
SG_TEXT_STREAM_SCALAR(LONGLONG)
SG_TEXT_STREAM_SCALAR(ULONGLONG)
SG_TEXT_STREAM_SCALAR(float)
SG_TEXT_STREAM_SCALAR(double)
#undef SG_TEXT_STREAM_SCALAR

int CSgTextStream::ReadableLength() const { return static_cast<int>(std::strlen(m_text)); }

// Scans one value at the read position. A failed scan moves the position to
// the end, so every later extraction does nothing.
template <class T>
void ExtractFormatted(CSgTextStream& stream, T* out) {
  const char* text = stream.m_text;
  const int length = stream.ReadableLength();
  if (stream.m_position >= length) return;
  T value{};
  int consumed = 0;
  if (ScanScalar(text + stream.m_position, &value, &consumed)) {
    *out = value;
    stream.m_position += consumed;
  } else {
    stream.m_position = length;
  }
}

void CSgTextStream::ReadToken(CString& token) {
  const char* text = m_text;
  const int length = ReadableLength();
  int pos = m_position;
  while (pos < length && IsSpaceByte(static_cast<unsigned char>(text[pos]))) ++pos;
  m_position = pos;
  if (pos >= length) return;
  const int start = pos;
  while (pos < length && !IsSpaceByte(static_cast<unsigned char>(text[pos]))) {
    // A trail byte belongs to its character even if it would test as space.
    if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < length) ++pos;
    ++pos;
  }
  m_position = pos;
  token = CString(std::string(text + start, static_cast<std::size_t>(pos - start)).c_str());
}

int CSgTextStream::CompareTrimmed(const CString& other) const {
  CString a = m_text, b = other;
  return TrimBoth(a).Compare(TrimBoth(b));
}

int CSgTextStream::CompareTrimmedNoCase(const CString& other) const {
  CString a = m_text, b = other;
  return TrimBoth(a).CompareNoCase(TrimBoth(b));
}

CSgTextStream& EndLine(CSgTextStream& stream) { return stream << char(10); }

CString& TrimBoth(CString& text) {
  text.TrimLeft();
  text.TrimRight();
  return text;
}

const char* FindFirstSpace(const CString& text) {
  for (const char* p = text; *p; ++p)
    if (IsSpaceByte(static_cast<unsigned char>(*p))) return p;
  return nullptr;
}

const char* FindFirstNonSpace(const CString& text) {
  for (const char* p = text; *p; ++p)
    if (!IsSpaceByte(static_cast<unsigned char>(*p))) return p;
  return nullptr;
}

bool HasNonSpace(const CString& text) { return FindFirstNonSpace(text) != nullptr; }

}  // namespace SG
