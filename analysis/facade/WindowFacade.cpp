// Facade of the windows: every window in place on a double vector.
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/windows/Windows.h"

namespace SG {
using facade::Count;
using facade::Data;

#define SG_DEFINE_WINDOW(name)                                          \
  int name##Window(CSgVectorT<double>& d) {                             \
    return CheckMathError(SgCore::name##WindowCore(Data(d), Count(d))); \
  }
SG_PLAIN_WINDOWS(SG_DEFINE_WINDOW)
#undef SG_DEFINE_WINDOW

int KaiserWindow(CSgVectorT<double>& d, double beta) {
  return CheckMathError(SgCore::KaiserWindowCore(Data(d), Count(d), beta));
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
int ForceWindow(CSgVectorT<double>& d, double duty) {
  return CheckMathError(SgCore::ForceWindowCore(Data(d), Count(d), duty));
}

}  // namespace SG
