#pragma once
// CArray<TYPE, ARG_TYPE>: the framework's growable array of values. Elements
// are constructed, copied and destroyed as C++ values (a type stored here
// needs working copy and move operations). The allocation grows by the
// grow-by count of SetSize, or by a size-dependent step when none is set.
// Every index is checked: out of range throws CInvalidArgException, as the
// framework's arrays do.

#include "platform/afx/Exception.h"
#include "platform/afx/Object.h"

#include <algorithm>
#include <cstddef>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }

  // New elements are value-initialised (zero for plain types).
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    if (nNewSize < 0) AfxThrowInvalidArgException();
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    Reserve(nNewSize);
    m_data.resize(static_cast<std::size_t>(nNewSize));
  }
  void FreeExtra() { m_data.shrink_to_fit(); }
  void RemoveAll() { m_data.clear(); }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
  TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }

  // Null for an empty array; valid until the next change of size.
  TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }
  const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }

  // Grows the array as needed so that nIndex exists.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    if (nIndex < 0) AfxThrowInvalidArgException();
    if (nIndex >= GetSize()) {
      TYPE copy(newElement);  // newElement may live in this array
      SetSize(nIndex + 1);
      m_data[nIndex] = std::move(copy);
    } else {
      m_data[nIndex] = newElement;
    }
  }
  // Index of the new element.
  INT_PTR Add(ARG_TYPE newElement) {
    const INT_PTR index = GetSize();
    SetAtGrow(index, newElement);
    return index;
  }
  // Index of the first appended element.
  INT_PTR Append(const CArray& src) {
    const INT_PTR old = GetSize();
    if (&src == this) {
      const std::vector<TYPE> copy(m_data);
      Reserve(old * 2);
      m_data.insert(m_data.end(), copy.begin(), copy.end());
    } else {
      Reserve(old + src.GetSize());
      m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
    }
    return old;
  }
  void Copy(const CArray& src) {
    if (&src != this) m_data = src.m_data;
  }

  // nIndex may be the size (insert at the end) or beyond (the gap is filled
  // with value-initialised elements).
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0) AfxThrowInvalidArgException();
    TYPE copy(newElement);
    if (nIndex > GetSize()) SetSize(nIndex);
    Reserve(GetSize() + nCount);
    m_data.insert(m_data.begin() + nIndex, static_cast<std::size_t>(nCount), copy);
  }
  void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
    if (!pNewArray || nStartIndex < 0) AfxThrowInvalidArgException();
    const std::vector<TYPE> copy(pNewArray->m_data);
    if (nStartIndex > GetSize()) SetSize(nStartIndex);
    Reserve(GetSize() + static_cast<INT_PTR>(copy.size()));
    m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
  }

 private:
  std::size_t Checked(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<std::size_t>(nIndex);
  }
  // Capacity for nSize elements, growing in steps of the grow-by count, or
  // of an eighth of the size (between 4 and 1024) when it is 0 or unset.
  void Reserve(INT_PTR nSize) {
    const auto size = static_cast<std::size_t>(nSize);
    if (size <= m_data.capacity()) return;
    std::size_t step = m_nGrowBy > 0 ? static_cast<std::size_t>(m_nGrowBy)
                                     : std::clamp<std::size_t>(m_data.size() / 8, 4, 1024);
    m_data.reserve(std::max(size, m_data.capacity() + step));
  }

  std::vector<TYPE> m_data;
  INT_PTR m_nGrowBy = 0;
};
