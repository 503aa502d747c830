#pragma once
// The vector the rest of the system declares: typed storage plus element-wise
// arithmetic, the subset operation and a serial run-time class per element
// type. Two-vector operations work over SG::MinVectorSize and ignore the
// surplus of the longer operand; integer elements wrap around (see
// SgElementArithmetic.h for division by zero).

#include "containers/CSgVectorT.h"
#include "containers/SgElementArithmetic.h"
#include "containers/SgScalarRuntimeClass.h"

#include <utility>

namespace SG {

template <class T>
class CSgScalarVector : public CSgVectorT<T>, public CSgScalarType {
  using Base = CSgVectorT<T>;

 public:
  CSgScalarVector() = default;
  explicit CSgScalarVector(unsigned int count) : Base(count) {}
  CSgScalarVector(unsigned int count, T value) : Base(count, value) {}
  explicit CSgScalarVector(const CSgVariant& source) : Base(source) {}
  // count elements copied from values (the graph wrappers' one-value temporaries).
  CSgScalarVector(unsigned int count, const T* values) requires std::is_same_v<T, double> {
    this->Assign(values, count);
  }
  CSgScalarVector(const CSgScalarVector&) = default;
  CSgScalarVector(CSgScalarVector&&) noexcept = default;
  // Widening float -> double and narrowing double -> float.
  template <class S>
  requires((std::is_same_v<T, double> && std::is_same_v<S, float>) ||
           (std::is_same_v<T, float> && std::is_same_v<S, double>))
      CSgScalarVector(const CSgVectorT<S>& source) {
    this->SetSize(source.GetSize(), FALSE);
    for (unsigned int i = 0; i < source.GetSize(); ++i) (*this)[i] = ConvertElement<T>(source[i]);
  }
  CSgScalarVector& operator=(const CSgScalarVector& other) {
    Base::operator=(other);
    return *this;
  }
  CSgScalarVector& operator=(CSgScalarVector&& other) noexcept {
    Base::operator=(std::move(other));
    return *this;
  }
  ~CSgScalarVector() override = default;

  SG_DECLARE_SCALAR_CLASS(CSgScalarVector)

  // Elements start onwards: start is limited to the count, a negative length
  // means up to the end, and the length is limited to what is left.
  CSgScalarVector Subset(unsigned int start, int length) const {
    const unsigned int s = this->GetSize();
    const unsigned int begin = start < s ? start : s;
    const unsigned int available = s - begin;
    const unsigned int count =
        length < 0 ? available
                   : (static_cast<unsigned int>(length) < available ? length : available);
    CSgScalarVector subset;
    subset.Assign(this->GetData() + begin, count);
    return subset;
  }

  // In place: each element below zero becomes its negation.
  void Abs() {
    T* d = this->GetData();
    for (unsigned int i = 0; i < this->GetSize(); ++i) d[i] = Arith::Abs(d[i]);
  }

  CSgScalarVector& operator+=(const CSgScalarVector& b) {
    return Kernel(*this, b, *this, Arith::Add<T>);
  }
  CSgScalarVector& operator-=(const CSgScalarVector& b) {
    return Kernel(*this, b, *this, Arith::Sub<T>);
  }
  CSgScalarVector& operator*=(const CSgScalarVector& b) {
    return Kernel(*this, b, *this, Arith::Mul<T>);
  }
  CSgScalarVector& operator/=(const CSgScalarVector& b) {
    return Kernel(*this, b, *this, Arith::Div<T>);
  }

  friend CSgScalarVector operator+(const CSgScalarVector& a, const CSgScalarVector& b) {
    CSgScalarVector r;
    return Kernel(a, b, r, Arith::Add<T>);
  }
  friend CSgScalarVector operator-(const CSgScalarVector& a, const CSgScalarVector& b) {
    CSgScalarVector r;
    return Kernel(a, b, r, Arith::Sub<T>);
  }
  friend CSgScalarVector operator*(const CSgScalarVector& a, const CSgScalarVector& b) {
    CSgScalarVector r;
    return Kernel(a, b, r, Arith::Mul<T>);
  }
  friend CSgScalarVector operator/(const CSgScalarVector& a, const CSgScalarVector& b) {
    CSgScalarVector r;
    return Kernel(a, b, r, Arith::Div<T>);
  }

  CSgScalarVector operator-() const {
    CSgScalarVector r;
    r.SetSize(this->GetSize(), TRUE);
    const T* a = this->GetData();
    T* d = r.GetData();
    for (unsigned int i = 0; i < this->GetSize(); ++i) d[i] = Arith::Neg(a[i]);
    return r;
  }

  // Prefix forms return a copy after the change, postfix a copy before it.
  CSgScalarVector operator++() { return AddEach(T(1)), *this; }
  CSgScalarVector operator--() { return AddEach(T(-1)), *this; }
  CSgScalarVector operator++(int) {
    CSgScalarVector before(*this);
    AddEach(T(1));
    return before;
  }
  CSgScalarVector operator--(int) {
    CSgScalarVector before(*this);
    AddEach(T(-1));
    return before;
  }

 private:
  // result[i] = a[i] op b[i] over the shorter count. When result is a (the
  // assigning forms), a is first cut to n, which keeps exactly the elements
  // read, so a op= b ends with what a op b gives; a failed cut changes nothing.
  template <class Op>
  static CSgScalarVector& Kernel(const CSgScalarVector& a, const CSgScalarVector& b,
                                 CSgScalarVector& result, Op op) {
    const unsigned int n = MinVectorSize(a, b);
    if (&result == &a)
      result.Resize(n, TRUE);
    else
      result.SetSize(n, TRUE);
    T* d = result.GetData();
    const T* x = a.GetData();
    const T* y = b.GetData();
    for (unsigned int i = 0; i < n; ++i) d[i] = op(x[i], y[i]);
    return result;
  }

  void AddEach(T delta) {
    T* d = this->GetData();
    for (unsigned int i = 0; i < this->GetSize(); ++i) d[i] = Arith::Add(d[i], delta);
  }
};

#define SG_VECTOR_RECORD(T, stem) SG_DECLARE_SCALAR_RECORD(CSgScalarVector, T)
SG_SCALAR_ELEMENT_TABLE(SG_VECTOR_RECORD)
#undef SG_VECTOR_RECORD

// Reads a vector stored as an object (class tag first) of this class.
template <class T>
CArchive& operator>>(CArchive& archive, CSgScalarVector<T>*& target) {
  target = static_cast<CSgScalarVector<T>*>(
      AfxReadObjectFromArchive(archive, CSgScalarVector<T>::GetThisClass()));
  return archive;
}

}  // namespace SG
