// Sizing, copying and reordering of CSgVectorT<T>; included by CSgVectorT.h.
#pragma once

#include "containers/SgAllocate.h"
#include "containers/SgElementConvert.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace SG {

template <class T>
void CSgVectorT<T>::SetSize(unsigned int count, BOOL noInit) {
  if (count != GetSize()) {
    m_data.reset();
    SetCount(0);
    if (count == 0) return;
    // Until the allocation succeeds the vector is empty, never half-sized.
    // A zero-filled array comes zeroed from the allocator.
    m_data = AllocateSamples<T>(count, !noInit);
    SetCount(count);
    return;
  }
  if (!noInit && count) std::memset(m_data.get(), 0, sizeof(T) * count);
}

template <class T>
void CSgVectorT<T>::Resize(unsigned int count, BOOL noInit) {
  const unsigned int oldSize = GetSize();
  if (count == oldSize) return;
  SampleArray<T> fresh;
  if (count > 0) {
    const unsigned int keep = std::min(count, oldSize);
    // The growth is zeroed by the allocator unless noInit.
    fresh = AllocateSamples<T>(count, !noInit && count > keep);  // may throw: nothing changed yet
    if (keep) std::memcpy(fresh.get(), m_data.get(), sizeof(T) * keep);
  }
  m_data = std::move(fresh);
  SetCount(count);
}

template <class T>
template <class S>
void CSgVectorT<T>::Assign(const S* source, unsigned int n) {
  SetSize(n, TRUE);  // every element is written below: no zeroing first
  if constexpr (std::is_same_v<S, T>) {
    if (n) std::memcpy(m_data.get(), source, sizeof(T) * n);
  } else {
    ConvertElements(m_data.get(), source, n);
  }
}

template <class T>
void CSgVectorT<T>::Fill(const T& value) {
  std::fill_n(m_data.get(), GetSize(), value);
}

template <class T>
void CSgVectorT<T>::Reverse() {
  std::reverse(m_data.get(), m_data.get() + GetSize());
}

template <class T>
void CSgVectorT<T>::Shift(int n) {
  const unsigned int s = GetSize();
  if (n == 0 || s == 0) return;
  // Widen before negating: -INT_MIN does not fit an int.
  const long long wanted = n > 0 ? static_cast<long long>(n) : -static_cast<long long>(n);
  const unsigned int m = wanted < s ? static_cast<unsigned int>(wanted) : s;
  T* d = m_data.get();
  if (n > 0) {
    std::memmove(d + m, d, sizeof(T) * (s - m));
    std::fill_n(d, m, T(0));
  } else {
    std::memmove(d, d + m, sizeof(T) * (s - m));
    std::fill_n(d + (s - m), m, T(0));
  }
}

template <class T>
CSgVectorT<T>& CSgVectorT<T>::Append(const T& value) {
  const T copy = value;  // value may live in this vector's array
  const unsigned int s = GetSize();
  if (s == UINT_MAX) AfxThrowMemoryException();  // the count would wrap to 0
  Resize(s + 1, TRUE);
  m_data[s] = copy;
  return *this;
}

template <class T>
CSgVectorT<T>& CSgVectorT<T>::Append(const CSgVectorT& other) {
  const unsigned int s = GetSize();
  const unsigned int m = other.GetSize();
  if (m == 0) return *this;
  if (m > UINT_MAX - s) AfxThrowMemoryException();  // the count would wrap
  Resize(s + m, TRUE);
  // After the resize a self-append reads the kept copy of its own elements.
  std::memcpy(m_data.get() + s, other.m_data.get(), sizeof(T) * m);
  return *this;
}

}  // namespace SG
