#include "controls/CSgFile.h"

#include "containers/CSgTextStream.h"
#include "containers/SgScalarFormat.h"
#include "platform/afx/FileErrors.h"
#include "platform/win/LastError.h"

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstring>

namespace SG {
namespace {

constexpr UINT kTypeText = 0x4000;

// The C library's reading formats of this system for each type.
template <class T>
constexpr const char* ScanFormat() {
  if constexpr (std::is_same_v<T, char> || std::is_same_v<T, unsigned char>)
    return "%c";
  else if constexpr (std::is_same_v<T, short>)
    return "%hd";
  else if constexpr (std::is_same_v<T, unsigned short>)
    return "%hu";
  else if constexpr (std::is_same_v<T, int>)
    return "%d";
  else if constexpr (std::is_same_v<T, unsigned int>)
    return "%u";
  else if constexpr (std::is_same_v<T, LONGLONG>)
    return "%" SCNd64;
  else if constexpr (std::is_same_v<T, ULONGLONG>)
    return "%" SCNu64;
  else if constexpr (std::is_same_v<T, float>)
    return "%f";
  else
    return "%lf";
}

}  // namespace

CSgFile::CSgFile(LPCSTR path, UINT openFlags)
    : CStdioFile(path, openFlags), m_text(openFlags & kTypeText) {}

CSgFile::CSgFile(std::FILE* stream) : CStdioFile(stream) {
  // Our C streams carry no translation mode of their own: a stream handed
  // over is taken as text.
  if (!stream) AfxThrowFileException(CFileException::genericException, -1);
  m_text = true;
}

CSgFile::~CSgFile() = default;

BOOL CSgFile::Open(LPCSTR path, UINT openFlags, CFileException* error) {
  m_text = (openFlags & kTypeText) != 0;
  return CStdioFile::Open(path, openFlags, error);
}

template <class T>
void CSgFile::WriteValue(const T& value) {
  if (m_text) {
    WriteString(FormatScalar(value).c_str());
  } else {
    Write(&value, sizeof value);
  }
}

template <class T>
void CSgFile::ReadValue(T& value) {
  if (!m_text) {
    Read(&value, sizeof value);  // a short read leaves the rest as it was
    return;
  }
  T read{};
  if (std::fscanf(m_pStream, ScanFormat<T>(), &read) == 1) value = read;
}

#define SG_DEFINE_FILE_STREAM_OPERATORS(T) \
  CSgFile& CSgFile::operator<<(T value) {  \
    WriteValue(value);                     \
    return *this;                          \
  }                                        \
  CSgFile& CSgFile::operator>>(T& value) { \
    ReadValue(value);                      \
    return *this;                          \
  }
SG_DEFINE_FILE_STREAM_OPERATORS(char)
SG_DEFINE_FILE_STREAM_OPERATORS(unsigned char)
SG_DEFINE_FILE_STREAM_OPERATORS(int)
SG_DEFINE_FILE_STREAM_OPERATORS(unsigned int)
SG_DEFINE_FILE_STREAM_OPERATORS(short)
SG_DEFINE_FILE_STREAM_OPERATORS(unsigned short)
SG_DEFINE_FILE_STREAM_OPERATORS(LONGLONG)
SG_DEFINE_FILE_STREAM_OPERATORS(ULONGLONG)
SG_DEFINE_FILE_STREAM_OPERATORS(float)
SG_DEFINE_FILE_STREAM_OPERATORS(double)
#undef SG_DEFINE_FILE_STREAM_OPERATORS

CSgFile& CSgFile::operator<<(const CString& text) {
  if (m_text) {
    WriteString(text);
  } else {
    Write(static_cast<LPCSTR>(text), static_cast<UINT>(text.GetLength()) + 1);  // with its NUL
  }
  return *this;
}

CSgFile& CSgFile::operator>>(CString& text) {
  if (m_text) {
    // One token: skip white space, take bytes up to the next white space
    // (UTF-8 sequences never contain white-space bytes).
    int c;
    while ((c = std::fgetc(m_pStream)) != EOF && std::isspace(c)) {
    }
    if (c == EOF) return *this;
    std::string token(1, static_cast<char>(c));
    while ((c = std::fgetc(m_pStream)) != EOF && !std::isspace(c)) token += static_cast<char>(c);
    if (c != EOF) std::ungetc(c, m_pStream);
    text = CString(token.c_str());
    return *this;
  }
  // Raw: up to and including the NUL, or to the end of the file.
  std::string bytes;
  char ch;
  while (Read(&ch, 1) == 1) {
    if (ch == '\0') {
      text = CString(bytes.c_str());
      return *this;
    }
    bytes += ch;
  }
  if (!bytes.empty()) text = CString(bytes.c_str());
  return *this;
}

CSgFile& NewLineAndFlush(CSgFile& file) {
  file << '\n';
  file.Flush();
  return file;
}

CFileStatus CSgFile::GetOpenStatus() const {
  CFileStatus status;
  if (!GetStatus(status))
    AfxThrowFileException(CFileException::fileNotFound, GetLastError(), GetFilePath());
  return status;
}

DWORD CSgFile::GetSize() const { return static_cast<DWORD>(GetOpenStatus().m_size); }
bool CSgFile::IsReadOnly() const { return GetOpenStatus().m_attribute & CFile::readOnly; }
CTime CSgFile::GetModificationTime() const { return GetOpenStatus().m_mtime; }

}  // namespace SG
