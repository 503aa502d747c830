#pragma once
// A vector of colours on the vector base: the system's colour tables (wave,
// background, grid and the two cursors) are colour vectors read by signed
// index. It takes part in no conversion between vector types; across COM it
// travels as an array of 32-bit colour values.

#include "containers/CSgColor.h"
#include "containers/CSgVector.h"
#include "containers/CSgVectorAccessException.h"
#include "platform/afx/Archive.h"

#include <memory>

namespace SG {

class CSgColorVector : public CSgVector, public CSgDataType<CSgColor> {
  DECLARE_SERIAL(CSgColorVector)

 public:
  CSgColorVector() = default;
  explicit CSgColorVector(unsigned int count) { SetSize(count, FALSE); }
  CSgColorVector(unsigned int count, CSgColor value);
  CSgColorVector(unsigned int count, const CSgColor* colours);
  explicit CSgColorVector(const CSgVariant& source) { AssignVariant(source); }
  CSgColorVector(const CSgColorVector& other);
  CSgColorVector& operator=(const CSgColorVector& other);
  ~CSgColorVector() override = default;

  CSgColor* GetData() { return m_data.get(); }
  const CSgColor* GetData() const { return m_data.get(); }
  void* GetRawData() override { return m_data.get(); }
  const void* GetRawData() const override { return m_data.get(); }

  unsigned int GetElementSize() const override { return 8; }
  unsigned int GetByteSize() const override { return GetSize() * GetElementSize(); }
  // VT_ARRAY|VT_I4 of the COLORREF values.
  void CopyToVariant(CSgVariant& target) const override;
  // VT_I4: one colour (through SetOleColor); anything else: AssignSafeArray.
  void AssignVariant(const CSgVariant& source) override;
  // A VT_I4 array's values through SetOleColor; other arrays give empty.
  virtual void AssignSafeArray(const CSgVariant& source);
  void Serialize(CArchive& archive) override;

  // Same count: nothing (the colours stay). Otherwise count black colours.
  void SetSize(unsigned int count, BOOL noInit = FALSE) override;
  void SetSizeLike(const CSgVector& other, BOOL noInit) override {
    SetSize(other.GetSize(), noInit);
  }
  // Keeps the first min(old, new) colours; the growth is black.
  void Resize(unsigned int count, BOOL noInit = FALSE) override;

  CSgColor& operator[](int index) { return At(CheckSigned(index)); }
  CSgColor& operator[](unsigned int index) { return At(index); }
  CSgColor operator[](int index) const { return At(CheckSigned(index)); }
  CSgColor operator[](unsigned int index) const { return At(index); }

  void Fill(const CSgColor& value);
  void Reverse();
  void Shift(int n);
  CSgColorVector& Append(const CSgColor& value);
  CSgColorVector& Append(const CSgColorVector& other);
  CSgColorVector Subset(unsigned int start, int length) const;

  friend bool operator==(const CSgColorVector& a, const CSgColorVector& b);
  friend bool operator!=(const CSgColorVector& a, const CSgColorVector& b) { return !(a == b); }

 private:
  static unsigned int CheckSigned(int index) {
    if (index < 0) throw new CSgVectorAccessException(TRUE);
    return static_cast<unsigned int>(index);
  }
  CSgColor& At(unsigned int index) const {
    if (index >= GetSize()) throw new CSgVectorAccessException(*this, index, TRUE);
    return m_data[index];
  }
  void CopyFrom(const CSgColor* colours, unsigned int count);

  std::unique_ptr<CSgColor[]> m_data;
};

}  // namespace SG
