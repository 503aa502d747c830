#pragma once
// CArchive: a buffered binary stream over a CFile that either stores or
// loads. Values are little-endian in their own widths; objects are written
// with the framework's class tags so that loading recreates them by class
// name (WriteObject / ReadObject). Reading past the end throws
// CArchiveException endOfFile; a wrong class, schema or object index throws
// badClass, badSchema or badIndex, each with the archive's file name.
//
// Widths: char, BYTE and bool 1 byte; short and WORD 2; int/LONG and
// UINT/DWORD 4 (the platform's long is 32 bits: give LONG, not long);
// LONGLONG, ULONGLONG 8; float 4; double 8.

#include "platform/afx/ArchiveException.h"
#include "platform/afx/File.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

class CArchive {
 public:
  enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
  // A storing archive writes what it holds unless bNoFlushOnDelete; a
  // failure then is not reported (call Close to see it).
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return (m_nMode & load) != 0; }
  BOOL IsStoring() const { return !IsLoading(); }
  BOOL IsBufferEmpty() const { return m_cur == m_max; }
  CFile* GetFile() const { return m_pFile; }

  // Up to nMax bytes; fewer only at the end of the data.
  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  void Flush();
  void Close();
  void Abort();

  CArchive& operator<<(char value) { return PutRaw(value); }
  CArchive& operator<<(BYTE value) { return PutRaw(value); }
  CArchive& operator<<(bool value) { return PutRaw(static_cast<BYTE>(value ? 1 : 0)); }
  CArchive& operator<<(SHORT value) { return PutRaw(value); }
  CArchive& operator<<(WORD value) { return PutRaw(value); }
  CArchive& operator<<(LONG value) { return PutRaw(value); }
  CArchive& operator<<(DWORD value) { return PutRaw(value); }
  CArchive& operator<<(LONGLONG value) { return PutRaw(value); }
  CArchive& operator<<(ULONGLONG value) { return PutRaw(value); }
  CArchive& operator<<(float value) { return PutRaw(value); }
  CArchive& operator<<(double value) { return PutRaw(value); }

  CArchive& operator>>(char& value) { return GetRaw(value); }
  CArchive& operator>>(BYTE& value) { return GetRaw(value); }
  CArchive& operator>>(bool& value);
  CArchive& operator>>(SHORT& value) { return GetRaw(value); }
  CArchive& operator>>(WORD& value) { return GetRaw(value); }
  CArchive& operator>>(LONG& value) { return GetRaw(value); }
  CArchive& operator>>(DWORD& value) { return GetRaw(value); }
  CArchive& operator>>(LONGLONG& value) { return GetRaw(value); }
  CArchive& operator>>(ULONGLONG& value) { return GetRaw(value); }
  CArchive& operator>>(float& value) { return GetRaw(value); }
  CArchive& operator>>(double& value) { return GetRaw(value); }

  // Objects with their class tags; the same object twice is written once
  // and referred to afterwards. Null is allowed.
  void WriteObject(const CObject* pOb);
  // A new object of the stored class (the caller owns it), or one read
  // before; null for a stored null. pClassRefRequested, when given, must be
  // a base of the stored class (else badClass).
  CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
  void WriteClass(const CRuntimeClass* pClassRef);
  CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                           UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
  // The schema stored with the object being loaded (for versionable
  // classes); (UINT)-1 once taken.
  UINT GetObjectSchema();
  void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

  CString m_strFileName;

 private:
  template <typename T>
  CArchive& PutRaw(T value);
  template <typename T>
  CArchive& GetRaw(T& value);
  [[noreturn]] void Fail(int cause) const;
  void CheckStoring() const;
  void CheckLoading() const;
  // Makes nBytes available in the load buffer or throws endOfFile.
  void FillBuffer(UINT nBytes);
  void WriteTag(WORD tag, DWORD bigTag);

  struct Loaded {
    CObject* object = nullptr;
    CRuntimeClass* cls = nullptr;
    UINT schema = 0;
  };

  CFile* m_pFile;
  UINT m_nMode;
  std::vector<BYTE> m_buffer;
  std::size_t m_cur = 0;                              // next byte to read or write
  std::size_t m_max = 0;                              // end of the loaded bytes
  std::unordered_map<const void*, DWORD> m_storeMap;  // object or class -> index
  std::vector<Loaded> m_loadArray;
  DWORD m_nMapCount = 1;  // index 0 stands for null
  UINT m_nObjectSchema = static_cast<UINT>(-1);
};

template <typename T>
CArchive& CArchive::PutRaw(T value) {
  static_assert(std::endian::native == std::endian::little, "values are stored little-endian");
  Write(&value, sizeof value);
  return *this;
}

template <typename T>
CArchive& CArchive::GetRaw(T& value) {
  CheckLoading();
  FillBuffer(sizeof value);
  std::memcpy(&value, m_buffer.data() + m_cur, sizeof value);
  m_cur += sizeof value;
  return *this;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
