#pragma once
// The abstract dense matrix: a row count, a column count and their product,
// the element count. Sizing compares shapes, not counts: 2 x 3 and 3 x 2 are
// different shapes with the same count.

#include "containers/CSgDataObject.h"

namespace SG {

class CSgDataProxy;

class CSgMatrix : public CSgLockableDataObject {
 public:
  CSgMatrix() = default;
  ~CSgMatrix() override = default;

  unsigned int GetRows() const { return m_rows; }
  unsigned int GetCols() const { return m_cols; }
  unsigned int GetCount() const { return m_count; }

  // Square form: SetSize(n, n, noInit).
  virtual void SetSize(unsigned int n, BOOL noInit) = 0;
  // A change of shape drops every element; unless noInit all are then zero.
  virtual void SetSize(unsigned int rows, unsigned int cols, BOOL noInit) = 0;
  virtual void SetSizeLike(const CSgMatrix& other, BOOL noInit) = 0;
  // Keeps the common top-left block.
  virtual void Resize(unsigned int rows, unsigned int cols, BOOL noInit) = 0;

  virtual void AssignFromComplexData(CSgDataProxy& proxy) = 0;
  virtual void AssignFromDoubleData(CSgDataProxy& proxy) = 0;
  virtual void ResizeToData(CSgDataProxy& proxy) = 0;
  virtual void ProvideComplexData(CSgDataProxy& proxy) const = 0;
  virtual void ProvideDoubleData(CSgDataProxy& proxy) const = 0;
  virtual void ProvideRawData(CSgDataProxy& proxy) const = 0;
  virtual void ProvideOutputBuffer(CSgDataProxy& proxy) = 0;
  virtual void ProvideDoubleOutputBuffer(CSgDataProxy& proxy) = 0;
  virtual void ProvideRawOutputBuffer(CSgDataProxy& proxy) = 0;

 protected:
  CSgMatrix(const CSgMatrix&) : CSgLockableDataObject() {}
  CSgMatrix& operator=(const CSgMatrix&) { return *this; }
  void SetDimensions(unsigned int rows, unsigned int cols) {
    m_rows = rows;
    m_cols = cols;
    m_count = rows * cols;
  }

 private:
  unsigned int m_rows = 0;
  unsigned int m_cols = 0;
  unsigned int m_count = 0;
};

}  // namespace SG
