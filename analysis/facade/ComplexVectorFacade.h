#pragma once
// The transforms on one complex vector (elements with m_real and m_imag
// parts), through a split pair of double arrays. Templates, so that they
// serve whichever vector type holds complex elements; the library's own
// CSgComplexVector has plain overloads, compiled once. A refused or failed
// call leaves the vector as it was: the pair is written back only on
// success.
#include "analysis/core/CoreErrors.h"
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/core/MathErrorCheck.h"
#include "analysis/fft/Fft.h"
#include "containers/CSgVector.h"

#include <concepts>
#include <memory>

namespace SG {

template <class V>
concept ComplexElementVector = requires(const V& v, V& w, unsigned int i) {
  { v.GetSize() } -> std::convertible_to<unsigned int>;
  w.SetSize(i, BOOL{});
  v[i].m_real;
  v[i].m_imag;
};

namespace facade {

// Real and imaginary parts of n complex elements, as two double arrays.
struct SplitPair {
  explicit SplitPair(unsigned int count)
      : n(count), re(new double[count]()), im(new double[count]()) {}
  template <class V>
  explicit SplitPair(const V& v) : SplitPair(v.GetSize()) {
    for (unsigned int i = 0; i < n; ++i) {
      re[i] = v[i].m_real;
      im[i] = v[i].m_imag;
    }
  }
  template <class V>
  void WriteTo(V& v) const {
    v.SetSize(n, FALSE);
    for (unsigned int i = 0; i < n; ++i) {
      v[i].m_real = re[i];
      v[i].m_imag = im[i];
    }
  }
  unsigned int n;
  std::unique_ptr<double[]> re, im;
};

template <class V>
int OnComplexVector(V& v, int (*core)(double*, double*, int)) {
  SplitPair pair(v);
  const int code = core(pair.re.get(), pair.im.get(), static_cast<int>(pair.n));
  if (code == 0) pair.WriteTo(v);
  return CheckMathError(code);
}

}  // namespace facade

template <ComplexElementVector V>
int ComplexFft(V& v) {
  return facade::OnComplexVector(v, SgCore::ComplexFftCore);
}
template <ComplexElementVector V>
int InverseComplexFft(V& v) {
  return facade::OnComplexVector(v, SgCore::InverseComplexFftCore);
}
// Real parts in, the full spectrum out.
template <ComplexElementVector V>
int RealFft(V& v) {
  return facade::OnComplexVector(v, SgCore::RealFftCore);
}
// Spectrum in, the real result in the real parts.
template <ComplexElementVector V>
int InverseRealFft(V& v) {
  return facade::OnComplexVector(v, SgCore::InverseRealFftCore);
}

// conj(X) Y / n^2 over the shorter input, into a complex vector.
template <ComplexElementVector V>
int CrossPowerSpectrum(const CSgVector& x, const CSgVector& y, V& out) {
  const unsigned int n = MinVectorSize(x, y);
  if (n < 2) return CheckMathError(SgCore::ErrSamplesGeTwo);
  facade::SplitPair pair(n);
  int code;
  {
    CSgInputDataProxy<double, CSgVector> px(x);
    CSgInputDataProxy<double, CSgVector> py(y);
    code = SgCore::CrossPowerSpectrumCore(px.Data(), py.Data(), static_cast<int>(n), pair.re.get(),
                                          pair.im.get());
  }
  if (code == 0) pair.WriteTo(out);
  return CheckMathError(code);
}

class CSgComplexVector;
int ComplexFft(CSgComplexVector& v);
int InverseComplexFft(CSgComplexVector& v);
int RealFft(CSgComplexVector& v);
int InverseRealFft(CSgComplexVector& v);
int CrossPowerSpectrum(const CSgVector& x, const CSgVector& y, CSgComplexVector& out);

}  // namespace SG
