#pragma once
// A vector of complex doubles: the element count, sizing with zero fill and
// checked element access, as the transforms on complex data need them.
// Separate from CSgVectorT because that storage is byte-wise (memset, memcpy,
// element conversion for the scalar types), while a complex value is a
// polymorphic data object whose elements must be built and assigned as such.
// Invariant: count 0 goes with no array; count n > 0 with exactly n elements.

#include "matrix/CSgComplexT.h"

#include <memory>

namespace SG {

class CSgComplexVector {
 public:
  using Element = CSgComplexT<double>;

  CSgComplexVector() = default;
  // count elements of (0, 0).
  explicit CSgComplexVector(unsigned int count) { SetSize(count, FALSE); }
  CSgComplexVector(const CSgComplexVector& other);
  // Strong guarantee: a failed copy leaves this vector as it was.
  CSgComplexVector& operator=(const CSgComplexVector& other);
  CSgComplexVector(CSgComplexVector&& other) noexcept;
  CSgComplexVector& operator=(CSgComplexVector&& other) noexcept;
  ~CSgComplexVector() = default;

  unsigned int GetSize() const { return m_count; }

  // As the double vector: a change of count drops every element; unless
  // noInit all are then (0, 0), also when the count stays. On a failed
  // allocation the vector is left empty.
  void SetSize(unsigned int count, BOOL noInit);

  // Throws CSgVectorAccessException* for a negative index or one at or past
  // the count.
  Element& operator[](int index);
  Element& operator[](unsigned int index);
  const Element& operator[](int index) const;
  const Element& operator[](unsigned int index) const;

 private:
  unsigned int m_count = 0;
  std::unique_ptr<Element[]> m_data;
};

}  // namespace SG
