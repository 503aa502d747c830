// Sizing, VARIANT and proxy exchange of CSgMatrixT<T>; included by
// CSgMatrixT.h.
#pragma once

#include "containers/CSgSafeArrayProxy.h"
#include "containers/SgAllocate.h"
#include "containers/SgArchiveIo.h"
#include "containers/SgElementArithmetic.h"
#include "containers/SgArrayVariant.h"
#include "containers/SgElementConvert.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace SG {

namespace detail {
// Shapes whose count or byte size does not fit 32 bits are refused as an
// allocation failure rather than wrapped to a smaller array.
inline void CheckShape(unsigned int rows, unsigned int cols, unsigned int elementSize) {
  if (static_cast<std::uint64_t>(rows) * cols * elementSize > 0xFFFFFFFFull) AfxThrowMemoryException();
}
// The same for a converted copy handed to a proxy, whose byte length is 32
// bits: refused before the copy is made.
inline void CheckProxyCopy(unsigned int count, unsigned int valueSize) { CheckShape(count, 1, valueSize); }
}  // namespace detail

template <class T>
void CSgMatrixT<T>::SetSize(unsigned int rows, unsigned int cols, BOOL noInit) {
  if (rows != GetRows() || cols != GetCols()) {
    detail::CheckShape(rows, cols, sizeof(T));
    m_data.reset();
    SetDimensions(0, 0);  // empty, never half-sized, should the allocation fail
    if (rows * cols != 0) m_data = AllocateArray<T>(static_cast<std::size_t>(rows) * cols);
    SetDimensions(rows, cols);
  }
  if (!noInit && GetCount()) std::memset(m_data.get(), 0, sizeof(T) * GetCount());
}

template <class T>
void CSgMatrixT<T>::Resize(unsigned int rows, unsigned int cols, BOOL noInit) {
  const unsigned int r0 = GetRows(), c0 = GetCols();
  if (rows == r0 && cols == c0) return;
  detail::CheckShape(rows, cols, sizeof(T));
  std::unique_ptr<T[]> fresh;
  if (rows * cols != 0) {
    fresh = AllocateArray<T>(static_cast<std::size_t>(rows) * cols);
    if (!noInit) std::memset(fresh.get(), 0, sizeof(T) * rows * cols);
    const unsigned int keepRows = std::min(r0, rows), keepCols = std::min(c0, cols);
    for (unsigned int i = 0; i < keepRows; ++i)
      std::memcpy(fresh.get() + static_cast<std::size_t>(i) * cols,
                  m_data.get() + static_cast<std::size_t>(i) * c0, sizeof(T) * keepCols);
  }
  m_data = std::move(fresh);
  SetDimensions(rows, cols);
}

template <class T>
void CSgMatrixT<T>::Assign(const CSgMatrixT& other) {
  SetSize(other.GetRows(), other.GetCols(), TRUE);
  if (GetCount()) std::memcpy(m_data.get(), other.m_data.get(), sizeof(T) * GetCount());
}

template <class T>
void CSgMatrixT<T>::CopyToVariant(CSgVariant& target) const {
  VARIANT* out = &target;
  CreateArrayVariant2D(out, CSgDataType<T>::GetVarType(), GetRows(), GetCols());
  if (!(out->vt & VT_ARRAY)) return;  // no array: nowhere to write
  T* block = static_cast<T*>(out->parray->pvData);
  const unsigned int rows = GetRows(), cols = GetCols();
  if (GetCount() == 0) return;  // an empty shape may still have 2^32-1 rows to walk
  for (unsigned int r = 0; r < rows; ++r)
    for (unsigned int c = 0; c < cols; ++c)
      block[r + static_cast<std::size_t>(c) * rows] = m_data[static_cast<std::size_t>(r) * cols + c];
}

template <class T>
void CSgMatrixT<T>::AssignVariant(const CSgVariant& source) {
  const VARIANT& v = source;
  T value{};
  if (ReadVariantNumber(v, value)) {
    SetSize(1, 1, FALSE);
    m_data[0] = value;
  } else if ((v.vt & ~VT_BYREF) == VT_BSTR) {
    SetSize(0, FALSE);
  } else {
    AssignSafeArray(source);
  }
}

template <class T>
void CSgMatrixT<T>::AssignSafeArray(const CSgVariant& source) {
  SetSize(0, 0, FALSE);
  const VARIANT& v = source;
  if (!(v.vt & VT_ARRAY)) return;
  SAFEARRAY* array = (v.vt & VT_BYREF) ? (v.pparray ? *v.pparray : nullptr) : v.parray;
  if (!array || FAILED(SafeArrayLock(array))) return;
  struct Unlock {
    SAFEARRAY* array;
    ~Unlock() { SafeArrayUnlock(array); }
  } unlock{array};
  const VARTYPE elementType = static_cast<VARTYPE>(v.vt & 0xFF);
  if (array->cDims != 2 || array->cbElements != NumberSize(elementType)) return;
  const unsigned int nr = SafeArrayBound(array, 1).cElements;
  const unsigned int nc = SafeArrayBound(array, 2).cElements;
  // A shape this matrix cannot hold is not taken, like any other unusable array.
  if (static_cast<std::uint64_t>(nr) * nc * sizeof(T) > 0xFFFFFFFFull) return;
  VisitNumbers(elementType, array->pvData, [&](const auto* p) {
    SetSize(nr, nc, FALSE);
    if (GetCount() == 0) return;
    for (unsigned int r = 0; r < nr; ++r)
      for (unsigned int c = 0; c < nc; ++c)
        m_data[static_cast<std::size_t>(r) * nc + c] = ConvertElement<T>(p[r + static_cast<std::size_t>(c) * nr]);
  });
}

namespace detail {
// How many values of valueSize bytes the proxy's buffer holds, at most want:
// a proxy shorter than the matrix is read only as far as it goes.
inline unsigned int ProxyValues(const CSgDataProxy& proxy, unsigned int valueSize, unsigned int want) {
  if (!proxy.data) return 0;
  return std::min(want, proxy.byteLength / valueSize);
}
}  // namespace detail

// Elements past what the proxy holds keep their values.
template <class T>
void CSgMatrixT<T>::AssignFromComplexData(CSgDataProxy& proxy) {
  const double* pairs = static_cast<const double*>(proxy.data);
  const unsigned int n = detail::ProxyValues(proxy, 16, GetCount());
  for (unsigned int k = 0; k < n; ++k) m_data[k] = ConvertElement<T>(pairs[2 * static_cast<std::size_t>(k)]);
}

template <class T>
void CSgMatrixT<T>::AssignFromDoubleData(CSgDataProxy& proxy) {
  const double* values = static_cast<const double*>(proxy.data);
  if (values == static_cast<const void*>(m_data.get())) return;  // written in place
  const unsigned int n = detail::ProxyValues(proxy, 8, GetCount());
  for (unsigned int k = 0; k < n; ++k) m_data[k] = ConvertElement<T>(values[k]);
}

template <class T>
void CSgMatrixT<T>::ProvideComplexData(CSgDataProxy& proxy) const {
  detail::CheckProxyCopy(GetCount(), 16);
  auto pairs = AllocateArray<double>(2 * static_cast<std::size_t>(GetCount()));
  for (unsigned int k = 0; k < GetCount(); ++k) {
    pairs[2 * static_cast<std::size_t>(k)] = static_cast<double>(m_data[k]);
    pairs[2 * static_cast<std::size_t>(k) + 1] = 0.0;
  }
  proxy.SetOwnedArray(pairs.release(), GetCount(), 16);
}

template <class T>
void CSgMatrixT<T>::ProvideDoubleData(CSgDataProxy& proxy) const {
  if constexpr (std::is_same_v<T, double>) {
    proxy.SetData(const_cast<double*>(m_data.get()), GetCount(), 8, FALSE);
  } else {
    detail::CheckProxyCopy(GetCount(), 8);
    auto copy = AllocateArray<double>(GetCount());
    ConvertElements(copy.get(), m_data.get(), GetCount());
    proxy.SetOwnedArray(copy.release(), GetCount(), 8);
  }
}

template <class T>
void CSgMatrixT<T>::ProvideRawData(CSgDataProxy& proxy) const {
  proxy.SetData(const_cast<T*>(m_data.get()), GetCount(), sizeof(T), FALSE);
}

template <class T>
void CSgMatrixT<T>::ProvideOutputBuffer(CSgDataProxy& proxy) {
  proxy.SetBuffer(nullptr, GetCount(), sizeof(T));
}

template <class T>
void CSgMatrixT<T>::ProvideDoubleOutputBuffer(CSgDataProxy& proxy) {
  // Other types get a buffer of doubles too: results are written as doubles.
  if constexpr (std::is_same_v<T, double>) proxy.SetBuffer(m_data.get(), GetCount(), 8);
  else proxy.SetBuffer(nullptr, GetCount(), 8);
}

template <class T>
void CSgMatrixT<T>::ProvideRawOutputBuffer(CSgDataProxy& proxy) {
  proxy.SetBuffer(m_data.get(), GetCount(), sizeof(T));
}

template <class T>
void CSgMatrixT<T>::Scale(const T& factor) {
  for (unsigned int k = 0; k < GetCount(); ++k) m_data[k] = Arith::Mul(factor, m_data[k]);
}

template <class T>
void CSgMatrixT<T>::ScaleAndOffset(const T& factor, const T& offset) {
  for (unsigned int k = 0; k < GetCount(); ++k) m_data[k] = Arith::Add(Arith::Mul(factor, m_data[k]), offset);
}

template <class T>
void CSgMatrixT<T>::Swap(CSgMatrixT& other) noexcept {
  const unsigned int rows = GetRows(), cols = GetCols();
  SetDimensions(other.GetRows(), other.GetCols());
  other.SetDimensions(rows, cols);
  m_data.swap(other.m_data);
}

template <class T>
void CSgMatrixT<T>::Serialize(CArchive& archive) {
  CObject::Serialize(archive);
  if (archive.IsStoring()) {
    archive << static_cast<DWORD>(0) << static_cast<DWORD>(GetElementSize()) << static_cast<DWORD>(GetRows())
            << static_cast<DWORD>(GetCols());
    if (GetCount()) archive.Write(m_data.get(), GetByteSize());
    return;
  }
  DWORD version = 0, size = 0, rows = 0, cols = 0;
  archive >> version;
  if (version != 0) AfxThrowArchiveException(CArchiveException::badSchema, ArchiveFileName(archive));
  archive >> size;
  if (size != GetElementSize()) AfxThrowArchiveException(CArchiveException::badClass, ArchiveFileName(archive));
  archive >> rows >> cols;
  // A shape the 32-bit data model cannot hold is a damaged archive, and so
  // is one whose element count does not follow from it: no elements, yet a
  // length in one direction (exported, it would promise columns it lacks).
  if (static_cast<std::uint64_t>(rows) * cols * sizeof(T) > 0xFFFFFFFFull ||
      (rows == 0) != (cols == 0))
    AfxThrowArchiveException(CArchiveException::genericException, ArchiveFileName(archive));
  const std::vector<T> elements = ReadArchiveElements<T>(archive, static_cast<std::size_t>(rows) * cols);
  SetSize(rows, cols, TRUE);
  if (GetCount()) std::memcpy(m_data.get(), elements.data(), sizeof(T) * GetCount());
}

}  // namespace SG
