// VARIANT and data-proxy exchange of CSgVectorT<T>; included by CSgVectorT.h.
// VARIANT failures are silent: an unrecognised type, a failed lock or an
// array that cannot be made gives an empty vector or an empty variant.
#pragma once

#include "containers/CSgDataProxy.h"
#include "containers/CSgSafeArrayProxy.h"
#include "containers/CSgVariant.h"
#include "containers/SgArrayVariant.h"
#include "containers/SgVariantNumbers.h"

#include <cstring>

namespace SG {

template <class T>
void CSgVectorT<T>::CopyToVariant(CSgVariant& target) const {
  VARIANT* out = &target;
  CreateArrayVariant1D(out, CSgDataType<T>::GetVarType(), GetSize());
  CSgSafeArrayProxy proxy(*out);
  if (proxy.IsValid() && GetByteSize()) std::memcpy(proxy.GetData(), GetData(), GetByteSize());
}

template <class T>
void CSgVectorT<T>::AssignVariant(const CSgVariant& source) {
  const VARIANT& v = source;
  const VARTYPE type = static_cast<VARTYPE>(v.vt & ~VT_BYREF);
  T value{};
  if (ReadVariantNumber(v, value)) {
    SetSize(1, FALSE);
    m_data[0] = value;
  } else if (type == VT_BSTR) {
    SetSize(0, FALSE);  // the text is not read
  } else {
    AssignSafeArray(source);
  }
}

template <class T>
void CSgVectorT<T>::AssignSafeArray(const CSgVariant& source) {
  SetSize(0, FALSE);
  const VARIANT& v = source;
  SAFEARRAY* array = ArrayOfVariant(v);
  const CSgSafeArrayLock lock(array);
  if (!lock.IsLocked()) return;
  const VARTYPE elementType = static_cast<VARTYPE>(v.vt & 0xFF);
  // An array whose elements are not of the announced width is not read.
  if (array->cDims && array->cbElements == NumberSize(elementType)) {
    const unsigned int n = VectorLengthOf(array);
    VisitNumbers(elementType, array->pvData, [&](const auto* p) { Assign(p, n); });
  }
}

template <class T>
void CSgVectorT<T>::AssignFromComplexData(CSgDataProxy& proxy) {
  const unsigned int n = proxy.count2;
  SetSize(n, FALSE);
  const double* pairs = static_cast<const double*>(proxy.data);
  for (unsigned int i = 0; i < n; ++i) m_data[i] = ConvertElement<T>(pairs[2 * i]);
}

template <class T>
void CSgVectorT<T>::AssignFromDoubleData(CSgDataProxy& proxy) {
  const unsigned int n = proxy.count2;
  if constexpr (std::is_same_v<T, double>) {
    // Normally the buffer is this vector's own lent array and already holds
    // the values; a buffer from elsewhere is copied rather than dropped.
    if (proxy.data == m_data.get()) {
      Resize(n, FALSE);
    } else {
      SetSize(n, TRUE);
      if (n) std::memcpy(m_data.get(), proxy.data, sizeof(double) * n);
    }
  } else {
    SetSize(n, FALSE);
    ConvertElements(m_data.get(), static_cast<const double*>(proxy.data), n);
  }
}

template <class T>
void CSgVectorT<T>::ResizeToData(CSgDataProxy& proxy) {
  Resize(proxy.count2, FALSE);
}

template <class T>
void CSgVectorT<T>::ProvideComplexData(CSgDataProxy& proxy) const {
  const unsigned int n = GetSize();
  auto pairs = AllocateArray<double>(2 * static_cast<std::size_t>(n));
  for (unsigned int i = 0; i < n; ++i) {
    pairs[2 * i] = static_cast<double>(m_data[i]);
    pairs[2 * i + 1] = 0.0;
  }
  proxy.SetOwnedArray(pairs.release(), n, 16);
}

template <class T>
void CSgVectorT<T>::ProvideDoubleData(CSgDataProxy& proxy) const {
  const unsigned int n = GetSize();
  if constexpr (std::is_same_v<T, double>) {
    proxy.SetData(const_cast<double*>(m_data.get()), n, 8, FALSE);
  } else {
    auto copy = AllocateArray<double>(n);
    ConvertElements(copy.get(), m_data.get(), n);
    proxy.SetOwnedArray(copy.release(), n, 8);
  }
}

template <class T>
void CSgVectorT<T>::ProvideRawData(CSgDataProxy& proxy) const {
  proxy.SetData(const_cast<T*>(m_data.get()), GetSize(), GetElementSize(), FALSE);
}

template <class T>
void CSgVectorT<T>::ProvideOutputBuffer(CSgDataProxy& proxy) {
  proxy.SetBuffer(nullptr, GetSize(), GetElementSize());
}

template <class T>
void CSgVectorT<T>::ProvideDoubleOutputBuffer(CSgDataProxy& proxy) {
  if constexpr (std::is_same_v<T, double>) proxy.SetBuffer(m_data.get(), GetSize(), 8);
  else proxy.SetBuffer(nullptr, GetSize(), 8);
}

template <class T>
void CSgVectorT<T>::ProvideRawOutputBuffer(CSgDataProxy& proxy) {
  proxy.SetBuffer(m_data.get(), GetSize(), GetElementSize());
}

}  // namespace SG
