// The complex-vector transforms for the library's own complex vector: the
// templates of the header, instantiated once here.
#include "analysis/facade/ComplexVectorFacade.h"

#include "matrix/CSgComplexVector.h"

namespace SG {

int ComplexFft(CSgComplexVector& v) { return facade::OnComplexVector(v, SgCore::ComplexFftCore); }
int InverseComplexFft(CSgComplexVector& v) {
  return facade::OnComplexVector(v, SgCore::InverseComplexFftCore);
}
int RealFft(CSgComplexVector& v) { return facade::OnComplexVector(v, SgCore::RealFftCore); }
int InverseRealFft(CSgComplexVector& v) {
  return facade::OnComplexVector(v, SgCore::InverseRealFftCore);
}
int CrossPowerSpectrum(const CSgVector& x, const CSgVector& y, CSgComplexVector& out) {
  return CrossPowerSpectrum<CSgComplexVector>(x, y, out);
}

}  // namespace SG
