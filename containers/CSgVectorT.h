#pragma once
// The concrete storage of a vector: a contiguous array of T with its count,
// sizing with exact rules for what survives, checked element access, copying,
// conversion between element types and in-place reorderings.
// Invariant: count 0 goes with no array; count n > 0 with exactly n elements.

#include "containers/CSgVector.h"
#include "containers/CSgVectorAccessException.h"
#include "containers/SgAllocate.h"

#include <memory>

namespace SG {

class CSgVariant;

template <class T>
class CSgVectorT : public CSgVector, public CSgDataType<T> {
 public:
  CSgVectorT() = default;
  explicit CSgVectorT(unsigned int count) { SetSize(count, FALSE); }
  CSgVectorT(unsigned int count, T value) {
    SetSize(count, TRUE);
    Fill(value);
  }
  explicit CSgVectorT(const CSgVariant& source) { AssignVariant(source); }
  CSgVectorT(const CSgVectorT& other) : CSgVector(other) {
    Assign(other.GetData(), other.GetSize());
  }
  CSgVectorT& operator=(const CSgVectorT& other) {
    if (this != &other) Assign(other.GetData(), other.GetSize());
    return *this;
  }
  // Moving hands the element array over (each object keeps its own lock); the
  // source is left empty. Long records move between owners without a copy.
  CSgVectorT(CSgVectorT&& other) noexcept : CSgVector(other) { Swap(other); }
  CSgVectorT& operator=(CSgVectorT&& other) noexcept {
    if (this != &other) {
      m_data.reset();
      ResetCount();
      Swap(other);
    }
    return *this;
  }
  ~CSgVectorT() override = default;

  // Exchanges the elements and counts of two vectors; never fails.
  void Swap(CSgVectorT& other) noexcept {
    m_data.swap(other.m_data);
    const unsigned int count = GetSize();
    SetCount(other.GetSize());
    other.SetCount(count);
  }

  T* GetData() { return m_data.get(); }
  const T* GetData() const { return m_data.get(); }
  void* GetRawData() override { return m_data.get(); }
  const void* GetRawData() const override { return m_data.get(); }

  unsigned int GetElementSize() const override { return sizeof(T); }
  unsigned int GetByteSize() const override { return GetSize() * GetElementSize(); }
  void CopyToVariant(CSgVariant& target) const override;
  void AssignVariant(const CSgVariant& source) override;
  // Replaces the contents with a one-dimensional array variant's elements.
  virtual void AssignSafeArray(const CSgVariant& source);
  // Strong guarantee when loading: a refused or short archive leaves the
  // vector as it was.
  void Serialize(CArchive& archive) override;

  // A change of count drops every element; unless noInit all are then zero
  // (also when the count stays, which zeroes without reallocating). On a
  // failed allocation the vector is left empty.
  void SetSize(unsigned int count, BOOL noInit) override;
  void SetSizeLike(const CSgVector& other, BOOL noInit) override {
    SetSize(other.GetSize(), noInit);
  }
  // Keeps the first min(old, new) elements; unless noInit the growth is
  // zero. Strong guarantee: on failure the vector is as it was.
  void Resize(unsigned int count, BOOL noInit) override;

  void AssignFromComplexData(CSgDataProxy& proxy) override;
  void AssignFromDoubleData(CSgDataProxy& proxy) override;
  void ResizeToData(CSgDataProxy& proxy) override;
  void ProvideComplexData(CSgDataProxy& proxy) const override;
  // final: callers that know a vector holds doubles bind this call statically.
  void ProvideDoubleData(CSgDataProxy& proxy) const final;
  void ProvideRawData(CSgDataProxy& proxy) const override;
  void ProvideOutputBuffer(CSgDataProxy& proxy) override;
  void ProvideDoubleOutputBuffer(CSgDataProxy& proxy) override;
  void ProvideRawOutputBuffer(CSgDataProxy& proxy) override;

  T& operator[](int index) {
    if (index < 0) throw new CSgVectorAccessException(TRUE);
    return (*this)[static_cast<unsigned int>(index)];
  }
  T& operator[](unsigned int index) {
    if (index >= GetSize()) throw new CSgVectorAccessException(*this, index, TRUE);
    return m_data[index];
  }
  T operator[](int index) const {
    if (index < 0) throw new CSgVectorAccessException(TRUE);
    return (*this)[static_cast<unsigned int>(index)];
  }
  T operator[](unsigned int index) const {
    if (index >= GetSize()) throw new CSgVectorAccessException(*this, index, TRUE);
    return m_data[index];
  }

  void Fill(const T& value);
  void Reverse();
  // Moves the elements n places (toward higher indices for n > 0), filling
  // with 0; the count never changes.
  void Shift(int n);
  // Strong guarantee (through Resize).
  CSgVectorT& Append(const T& value);
  CSgVectorT& Append(const CSgVectorT& other);

  // Sized to n (not zeroed), then element i = source[i] converted to T; on failure
  // the vector is left empty.
  template <class S>
  void Assign(const S* source, unsigned int n);

 private:
  SampleArray<T> m_data;
};

}  // namespace SG

#include "containers/CSgVectorT.inl"
#include "containers/CSgVectorTExchange.inl"
#include "containers/CSgVectorTArchive.inl"
