// The math operations of CSgComplexT<T>: the transcendental functions go
// through the analysis library's complex routines in double; the magnitude
// is computed here.
#include "matrix/CSgComplexT.h"

#include "analysis/complex/SgComplexScalar.h"
#include "containers/SgElementConvert.h"

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace SG {

namespace {

// The routine's error check has already thrown for a failing code; should
// math exceptions be switched off the outputs stay 0 rather than unset.
template <class T, class Routine>
CSgComplexT<T> Apply(const CSgComplexT<T>& z, Routine routine) {
  double re = 0.0, im = 0.0;
  routine(static_cast<double>(z.m_real), static_cast<double>(z.m_imag), &re, &im);
  CSgComplexT<T> result;
  result.Set(ConvertElement<T>(re), ConvertElement<T>(im));
  return result;
}

// floor(sqrt(n)) exactly: the double root corrected by integer tests, since
// n may exceed the 53 bits a double holds.
std::uint64_t IntegerRoot(unsigned __int128 n) {
  auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  while (static_cast<unsigned __int128>(r) * r > n) --r;
  while (static_cast<unsigned __int128>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

template <class T>
std::uint64_t AbsoluteValue(T part) {
  const auto wide = static_cast<std::int64_t>(part);
  return static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
}

}  // namespace

template <class T>
CSgComplexT<T> CSgComplexT<T>::Log() const {
  return Apply(*this, ComplexLn);
}
template <class T>
CSgComplexT<T> CSgComplexT<T>::Log10() const {
  return Apply(*this, ComplexLog10);
}
template <class T>
CSgComplexT<T> CSgComplexT<T>::Exp() const {
  return Apply(*this, ComplexExp);
}
template <class T>
CSgComplexT<T> CSgComplexT<T>::Sqrt() const {
  return Apply(*this, ComplexSqrt);
}
template <class T>
CSgComplexT<T> CSgComplexT<T>::Reciprocal() const {
  return Apply(*this, ComplexReciprocal);
}

template <class T>
CSgComplexT<T> CSgComplexT<T>::Power(T exponent) const {
  const double p = static_cast<double>(exponent);
  return Apply(*this, [p](double re, double im, double* outRe, double* outIm) {
    return ComplexPower(re, im, p, outRe, outIm);
  });
}

template <class T>
T CSgComplexT<T>::Magnitude() const {
  if constexpr (std::is_floating_point_v<T>) {
    return static_cast<T>(std::hypot(static_cast<double>(m_real), static_cast<double>(m_imag)));
  } else {
    // The sum of the squares of two 32-bit parts needs 65 bits.
    const unsigned __int128 re = AbsoluteValue(m_real), im = AbsoluteValue(m_imag);
    return static_cast<T>(IntegerRoot(re * re + im * im));
  }
}

#define SG_COMPLEX_MATH(T, stem)                              \
  template CSgComplexT<T> CSgComplexT<T>::Log() const;        \
  template CSgComplexT<T> CSgComplexT<T>::Log10() const;      \
  template CSgComplexT<T> CSgComplexT<T>::Power(T) const;     \
  template CSgComplexT<T> CSgComplexT<T>::Exp() const;        \
  template CSgComplexT<T> CSgComplexT<T>::Sqrt() const;       \
  template CSgComplexT<T> CSgComplexT<T>::Reciprocal() const; \
  template T CSgComplexT<T>::Magnitude() const;
SG_SCALAR_ELEMENT_TABLE(SG_COMPLEX_MATH)

}  // namespace SG
