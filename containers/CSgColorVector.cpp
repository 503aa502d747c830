#include "containers/CSgColorVector.h"

#include "containers/CSgSafeArrayProxy.h"
#include "containers/CSgVariant.h"
#include "containers/SgAllocate.h"
#include "containers/SgArchiveIo.h"
#include "containers/SgArrayVariant.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace SG {

IMPLEMENT_SERIAL(CSgColorVector, CObject, 0)

namespace {

// Count black colours (the element constructor makes black).
std::unique_ptr<CSgColor[]> AllocateColors(unsigned int count) {
  try {
    return std::unique_ptr<CSgColor[]>(new CSgColor[count]);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}

}  // namespace

CSgColorVector::CSgColorVector(unsigned int count, CSgColor value) {
  SetSize(count);
  Fill(value);
}

CSgColorVector::CSgColorVector(unsigned int count, const CSgColor* colours) {
  CopyFrom(colours, count);
}

CSgColorVector::CSgColorVector(const CSgColorVector& other)
    : CSgVector(other), CSgDataType<CSgColor>() {
  CopyFrom(other.GetData(), other.GetSize());
}

CSgColorVector& CSgColorVector::operator=(const CSgColorVector& other) {
  if (this != &other) CopyFrom(other.GetData(), other.GetSize());
  return *this;
}

void CSgColorVector::CopyFrom(const CSgColor* colours, unsigned int count) {
  SetSize(count);
  std::copy_n(colours, count, m_data.get());
}

void CSgColorVector::SetSize(unsigned int count, BOOL) {
  if (count == GetSize()) return;
  m_data.reset();
  SetCount(0);
  if (count == 0) return;
  m_data = AllocateColors(count);
  SetCount(count);
}

void CSgColorVector::Resize(unsigned int count, BOOL) {
  const unsigned int old = GetSize();
  if (count == old) return;
  std::unique_ptr<CSgColor[]> fresh;
  if (count) {
    fresh = AllocateColors(count);  // may throw: nothing changed yet
    std::copy_n(m_data.get(), std::min(count, old), fresh.get());
  }
  m_data = std::move(fresh);
  SetCount(count);
}

void CSgColorVector::Fill(const CSgColor& value) { std::fill_n(m_data.get(), GetSize(), value); }

void CSgColorVector::Reverse() { std::reverse(m_data.get(), m_data.get() + GetSize()); }

void CSgColorVector::Shift(int n) {
  const unsigned int s = GetSize();
  if (n == 0 || s == 0) return;
  const long long wanted = n > 0 ? static_cast<long long>(n) : -static_cast<long long>(n);
  const unsigned int m = wanted < s ? static_cast<unsigned int>(wanted) : s;
  CSgColor* d = m_data.get();
  if (n > 0) {
    std::copy_backward(d, d + (s - m), d + s);
    std::fill_n(d, m, CSgColor());
  } else {
    std::copy(d + m, d + s, d);
    std::fill_n(d + (s - m), m, CSgColor());
  }
}

CSgColorVector& CSgColorVector::Append(const CSgColor& value) {
  const CSgColor copy = value;  // value may live in this vector
  const unsigned int s = GetSize();
  if (s == UINT_MAX) AfxThrowMemoryException();
  Resize(s + 1);
  m_data[s] = copy;
  return *this;
}

CSgColorVector& CSgColorVector::Append(const CSgColorVector& other) {
  const unsigned int s = GetSize(), m = other.GetSize();
  if (m == 0) return *this;
  if (m > UINT_MAX - s) AfxThrowMemoryException();
  Resize(s + m);
  std::copy_n(other.m_data.get(), m, m_data.get() + s);
  return *this;
}

CSgColorVector CSgColorVector::Subset(unsigned int start, int length) const {
  const unsigned int s = GetSize();
  const unsigned int begin = std::min(start, s);
  const unsigned int available = s - begin;
  const unsigned int count =
      length < 0 ? available : std::min(static_cast<unsigned int>(length), available);
  return CSgColorVector(count, m_data.get() + begin);
}

bool operator==(const CSgColorVector& a, const CSgColorVector& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (unsigned int i = 0; i < a.GetSize(); ++i)
    if (a.m_data[i] != b.m_data[i]) return false;
  return true;
}

void CSgColorVector::CopyToVariant(CSgVariant& target) const {
  VARIANT* out = &target;
  CreateArrayVariant1D(out, VT_I4, GetSize());
  CSgSafeArrayProxy proxy(*out);
  if (!proxy.IsValid()) return;
  auto* values = static_cast<LONG*>(proxy.GetData());
  for (unsigned int i = 0; i < GetSize(); ++i)
    values[i] = static_cast<LONG>(m_data[i].GetColorRef());
}

void CSgColorVector::AssignVariant(const CSgVariant& source) {
  const VARIANT& v = source;
  if (v.vt == VT_I4) {
    SetSize(1);
    m_data[0].SetOleColor(static_cast<OLE_COLOR>(v.lVal));
  } else {
    AssignSafeArray(source);
  }
}

void CSgColorVector::AssignSafeArray(const CSgVariant& source) {
  SetSize(0);
  const VARIANT& v = source;
  SAFEARRAY* array = ArrayOfVariant(v);
  const CSgSafeArrayLock lock(array);
  if (!lock.IsLocked()) return;
  if ((v.vt & 0xFF) == VT_I4 && array->cDims && array->cbElements == sizeof(LONG)) {
    const unsigned int n = VectorLengthOf(array);
    const auto* values = static_cast<const LONG*>(array->pvData);
    SetSize(n);
    for (unsigned int i = 0; i < n; ++i) m_data[i].SetOleColor(static_cast<OLE_COLOR>(values[i]));
  }
}

void CSgColorVector::Serialize(CArchive& archive) {
  CObject::Serialize(archive);
  if (archive.IsStoring()) {
    WriteArchiveHeader(archive, GetElementSize(), GetSize());
    for (unsigned int i = 0; i < GetSize(); ++i)
      archive << static_cast<DWORD>(0) << static_cast<DWORD>(m_data[i].GetColorRef());
    return;
  }
  const DWORD count = ReadArchiveHeader(archive, GetElementSize());
  // Each colour: its own version word (0), then its four bytes.
  const std::vector<ULONGLONG> stored = ReadArchiveElements<ULONGLONG>(archive, count);
  for (ULONGLONG colour : stored)
    if (static_cast<DWORD>(colour) != 0)
      AfxThrowArchiveException(CArchiveException::badSchema, ArchiveFileName(archive));
  SetSize(count);
  for (DWORD i = 0; i < count; ++i) m_data[i] = CSgColor(static_cast<COLORREF>(stored[i] >> 32));
}

}  // namespace SG
