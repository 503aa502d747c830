// Facade of the windows: every window in place on a double vector.
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/windows/Windows.h"

namespace SG {
using facade::Count;
using facade::Data;

int TriangleWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::TriangleWindowCore(Data(d), Count(d)));
}
int HanningWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::HanningWindowCore(Data(d), Count(d)));
}
int HammingWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::HammingWindowCore(Data(d), Count(d)));
}
int BlackmanWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::BlackmanWindowCore(Data(d), Count(d)));
}
int KaiserWindow(CSgVectorT<double>& d, double beta) {
  return CheckMathError(SgCore::KaiserWindowCore(Data(d), Count(d), beta));
}
int BlackmanHarrisWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::BlackmanHarrisWindowCore(Data(d), Count(d)));
}
int ExactBlackmanWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::ExactBlackmanWindowCore(Data(d), Count(d)));
}
int CosineTaperWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::CosineTaperWindowCore(Data(d), Count(d)));
}
int GeneralCosineWindow(CSgVectorT<double>& d, const CSgVector& coefficients) {
  int code;
  {
    CSgInputDataProxy<double, CSgVector> a(coefficients);
    code = SgCore::GeneralCosineWindowCore(Data(d), Count(d), a.Data(), Count(coefficients));
  }
  return CheckMathError(code);
}
int ExponentialWindow(CSgVectorT<double>& d, double finalValue) {
  return CheckMathError(SgCore::ExponentialWindowCore(Data(d), Count(d), finalValue));
}
int FlatTopWindow(CSgVectorT<double>& d) {
  return CheckMathError(SgCore::FlatTopWindowCore(Data(d), Count(d)));
}
int ForceWindow(CSgVectorT<double>& d, double duty) {
  return CheckMathError(SgCore::ForceWindowCore(Data(d), Count(d), duty));
}

}  // namespace SG
