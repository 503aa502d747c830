#include "matrix/CSgComplexVector.h"

#include "containers/CSgVectorAccessException.h"
#include "containers/SgAllocate.h"

#include <algorithm>
#include <utility>

namespace SG {

CSgComplexVector::CSgComplexVector(const CSgComplexVector& other) {
  if (other.m_count == 0) return;
  m_data = AllocateArray<Element>(other.m_count);
  std::copy_n(other.m_data.get(), other.m_count, m_data.get());
  m_count = other.m_count;
}

CSgComplexVector& CSgComplexVector::operator=(const CSgComplexVector& other) {
  if (this != &other) *this = CSgComplexVector(other);
  return *this;
}

CSgComplexVector::CSgComplexVector(CSgComplexVector&& other) noexcept
    : m_count(std::exchange(other.m_count, 0)), m_data(std::move(other.m_data)) {}

CSgComplexVector& CSgComplexVector::operator=(CSgComplexVector&& other) noexcept {
  m_count = std::exchange(other.m_count, 0);
  m_data = std::move(other.m_data);
  return *this;
}

void CSgComplexVector::SetSize(unsigned int count, BOOL noInit) {
  if (count != m_count) {
    m_data.reset();
    m_count = 0;
    if (count == 0) return;
    // Until the allocation succeeds the vector is empty, never half-sized.
    // New elements are built as (0, 0) whatever noInit says.
    m_data = AllocateArray<Element>(count);
    m_count = count;
    return;
  }
  if (!noInit) std::fill_n(m_data.get(), m_count, Element());
}

CSgComplexVector::Element& CSgComplexVector::operator[](int index) {
  if (index < 0) throw new CSgVectorAccessException(TRUE);
  return (*this)[static_cast<unsigned int>(index)];
}

CSgComplexVector::Element& CSgComplexVector::operator[](unsigned int index) {
  if (index >= m_count) throw new CSgVectorAccessException(index, m_count, TRUE);
  return m_data[index];
}

const CSgComplexVector::Element& CSgComplexVector::operator[](int index) const {
  if (index < 0) throw new CSgVectorAccessException(TRUE);
  return (*this)[static_cast<unsigned int>(index)];
}

const CSgComplexVector::Element& CSgComplexVector::operator[](unsigned int index) const {
  if (index >= m_count) throw new CSgVectorAccessException(index, m_count, TRUE);
  return m_data[index];
}

}  // namespace SG
