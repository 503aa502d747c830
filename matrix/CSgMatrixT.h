#pragma once
// The element storage of a matrix: rows x cols elements of T stored row by
// row in one array (element (r, c) at r x cols + c), none when the count is
// 0. Across COM a matrix is a two-dimensional SAFEARRAY stored column by
// column (element (r, c) at r + c x rows).

#include "containers/CSgDataProxy.h"
#include "containers/CSgVariant.h"
#include "matrix/CSgMatrix.h"

#include <algorithm>
#include <memory>

namespace SG {

template <class T>
class CSgMatrixT : public CSgMatrix, public CSgDataType<T> {
 public:
  CSgMatrixT() = default;
  CSgMatrixT(unsigned int rows, unsigned int cols) { Init(rows, cols); }
  CSgMatrixT(unsigned int rows, unsigned int cols, T value) {
    Init(rows, cols);
    std::fill_n(m_data.get(), GetCount(), value);
  }
  // n x n zeros (not an identity matrix).
  explicit CSgMatrixT(unsigned int n) { Init(n); }
  explicit CSgMatrixT(const CSgVariant& source) { AssignVariant(source); }
  CSgMatrixT(const CSgMatrixT& other) : CSgMatrix(other) { Assign(other); }
  CSgMatrixT& operator=(const CSgMatrixT& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  ~CSgMatrixT() override = default;

  T* GetData() { return m_data.get(); }
  const T* GetData() const { return m_data.get(); }

  unsigned int GetElementSize() const override { return sizeof(T); }
  unsigned int GetByteSize() const override { return GetCount() * GetElementSize(); }
  void CopyToVariant(CSgVariant& target) const override;
  // A number becomes a 1 x 1 matrix, a text an empty one, anything else goes
  // to AssignSafeArray.
  void AssignVariant(const CSgVariant& source) override;
  // A two-dimensional numeric array; anything else leaves 0 x 0.
  virtual void AssignSafeArray(const CSgVariant& source);

  void SetSize(unsigned int n, BOOL noInit) override { SetSize(n, n, noInit); }
  void SetSize(unsigned int rows, unsigned int cols, BOOL noInit) override;
  void SetSizeLike(const CSgMatrix& other, BOOL noInit) override {
    SetSize(other.GetRows(), other.GetCols(), noInit);
  }
  // Strong guarantee: on failure the matrix is as it was.
  void Resize(unsigned int rows, unsigned int cols, BOOL noInit) override;

  void AssignFromComplexData(CSgDataProxy& proxy) override;
  void AssignFromDoubleData(CSgDataProxy& proxy) override;
  void ResizeToData(CSgDataProxy&) override {}
  void ProvideComplexData(CSgDataProxy& proxy) const override;
  void ProvideDoubleData(CSgDataProxy& proxy) const override;
  void ProvideRawData(CSgDataProxy& proxy) const override;
  void ProvideOutputBuffer(CSgDataProxy& proxy) override;
  void ProvideDoubleOutputBuffer(CSgDataProxy& proxy) override;
  void ProvideRawOutputBuffer(CSgDataProxy& proxy) override;

  // Every element := factor x element (+ offset, added after the product is
  // stored as T).
  virtual void Scale(const T& factor);
  virtual void ScaleAndOffset(const T& factor, const T& offset);
  // Version 0, element size, rows, cols (4-byte words), then the elements
  // row by row. A load that fails leaves the matrix as it was.
  void Serialize(CArchive& archive) override;
  // Exchanges shape and elements with other; each keeps its own lock.
  void Swap(CSgMatrixT& other) noexcept;

 protected:
  // Zero-filled storage of the given shape.
  void Init(unsigned int rows, unsigned int cols) { SetSize(rows, cols, FALSE); }
  void Init(unsigned int n) { SetSize(n, n, FALSE); }
  // A deep copy of other's shape and elements.
  void Assign(const CSgMatrixT& other);

 private:
  std::unique_ptr<T[]> m_data;
};

}  // namespace SG

#include "matrix/CSgMatrixT.inl"
