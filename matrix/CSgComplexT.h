#pragma once
// A complex value of one element type: a real and an imaginary part, with
// the data-object operations (VARIANT exchange, archive form), six
// transcendental functions computed by the analysis library's complex
// routines, a magnitude and a text form that reads back part by part.
// Defined for the ten element types of the containers.

#include "matrix/CSgComplex.h"
#include "platform/afx/Archive.h"
#include "platform/afx/String.h"

namespace SG {

template <class T>
class CSgComplexT : public CSgComplex, public CSgDataType<T> {
 public:
  CSgComplexT() = default;
  CSgComplexT(const CSgComplexT&) = default;
  CSgComplexT& operator=(const CSgComplexT&) = default;
  ~CSgComplexT() override = default;

  void Set(T real, T imag) {
    m_real = real;
    m_imag = imag;
  }

  // Version 0, then the two parts in their own width; no class tag. A load
  // that fails leaves the value as it was.
  void Serialize(CArchive& archive) override;
  // Both parts together.
  unsigned int GetElementSize() const override { return 2 * sizeof(T); }
  unsigned int GetByteSize() const override { return GetElementSize(); }
  // The tagged complex VARIANT with parts of this element type.
  void CopyToVariant(CSgVariant& target) const override;
  // A number becomes the real part, a text is parsed, the complex form gives
  // both parts; anything else leaves (0, 0). Never fails.
  void AssignVariant(const CSgVariant& source) override;

  // New values; a math error (the logarithms and the reciprocal of zero, zero
  // to the power 0) throws CSgMathException and changes nothing.
  virtual CSgComplexT Log() const;
  virtual CSgComplexT Log10() const;
  virtual CSgComplexT Power(T exponent) const;
  virtual CSgComplexT Exp() const;
  virtual CSgComplexT Sqrt() const;
  virtual CSgComplexT Reciprocal() const;
  // "3+4i", "3-4i": both parts with "%g".
  virtual void ToString(CString& text) const;
  // sqrt(real^2 + imag^2), for integers the root of the exact sum truncated
  // toward zero and then kept in T's width.
  virtual T Magnitude() const;
  // Scans a real and then an imaginary number (the text of ToString reads
  // back); a number that is missing or cannot be scanned gives 0.
  virtual void FromString(const CString& text);

  T m_real{};
  T m_imag{};
};

template <class T>
CArchive& operator<<(CArchive& archive, const CSgComplexT<T>& value);
template <class T>
CArchive& operator>>(CArchive& archive, CSgComplexT<T>& value);

#define SG_EXTERN_COMPLEX(T, stem)                                        \
  extern template class CSgComplexT<T>;                                   \
  extern template CArchive& operator<<(CArchive&, const CSgComplexT<T>&); \
  extern template CArchive& operator>>(CArchive&, CSgComplexT<T>&);
SG_SCALAR_ELEMENT_TABLE(SG_EXTERN_COMPLEX)
#undef SG_EXTERN_COMPLEX

}  // namespace SG
