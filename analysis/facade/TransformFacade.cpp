// Facade of the transforms.
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/fft/Fft.h"
#include "containers/CSgExceptionT.h"

namespace SG {
using facade::Count;
using facade::Data;

namespace {
using PairCore = int (*)(double*, double*, int);
using InPlaceCore = int (*)(double*, int);

// Both vectors cut to the shorter length, then transformed together.
int OnPair(CSgVectorT<double>& re, CSgVectorT<double>& im, PairCore core) {
  const unsigned int n = MinVectorSize(re, im);
  re.Resize(n, FALSE);
  im.Resize(n, FALSE);
  return CheckMathError(core(Data(re), Data(im), static_cast<int>(n)));
}

int InPlace(CSgVectorT<double>& data, InPlaceCore core) {
  return CheckMathError(core(Data(data), Count(data)));
}
}  // namespace

int ComplexFft(CSgVectorT<double>& re, CSgVectorT<double>& im) {
  return OnPair(re, im, SgCore::ComplexFftCore);
}
int InverseComplexFft(CSgVectorT<double>& re, CSgVectorT<double>& im) {
  return OnPair(re, im, SgCore::InverseComplexFftCore);
}
int RealFft(CSgVectorT<double>& re, CSgVectorT<double>& im) {
  // im is output only: it takes re's length rather than cutting re down to
  // its own (an empty im would otherwise discard the input).
  im.SetSizeLike(re, FALSE);
  return CheckMathError(SgCore::RealFftCore(Data(re), Data(im), Count(re)));
}
int InverseRealFft(CSgVectorT<double>& re, CSgVectorT<double>& im) {
  return OnPair(re, im, SgCore::InverseRealFftCore);
}

int PowerSpectrum(CSgVectorT<double>& data) { return InPlace(data, SgCore::PowerSpectrumCore); }
int HartleyTransform(CSgVectorT<double>& data) {
  return InPlace(data, SgCore::HartleyTransformCore);
}
int InverseHartleyTransform(CSgVectorT<double>& data) {
  return InPlace(data, SgCore::InverseHartleyTransformCore);
}
int HilbertTransform(CSgVectorT<double>& data) {
  return InPlace(data, SgCore::HilbertTransformCore);
}
int InverseHilbertTransform(CSgVectorT<double>& data) {
  return InPlace(data, SgCore::InverseHilbertTransformCore);
}

int CrossPowerSpectrum(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& re,
                       CSgVectorT<double>& im) {
  const unsigned int n = MinVectorSize(x, y);
  if (n < 2) return CheckMathError(MathErrSamplesGeTwo);
  re.SetSize(n, FALSE);
  im.SetSize(n, FALSE);
  int code;
  {
    CSgInputDataProxy<double, CSgVector> px(x);
    CSgInputDataProxy<double, CSgVector> py(y);
    code = SgCore::CrossPowerSpectrumCore(px.Data(), py.Data(), static_cast<int>(n), Data(re),
                                          Data(im));
  }
  return CheckMathError(code);
}

}  // namespace SG
