// Facade of the interpolation routines, over the common length of inputs
// (the spline value, called once per sample, is inline in SplineFacade.h).
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/interpolation/Interpolation.h"

namespace SG {
using facade::Data;

namespace {
using Proxy = CSgInputDataProxy<double, CSgVector>;
using PointCore = int (*)(const double*, const double*, int, double, double*, double*);

int AtPoint(const CSgVector& x, const CSgVector& y, double x0, double* value, double* error,
            PointCore core) {
  const unsigned int n = MinVectorSize(x, y);
  int code;
  {
    Proxy px(x), py(y);
    code = core(px.Data(), py.Data(), static_cast<int>(n), x0, value, error);
  }
  return CheckMathError(code);
}
}  // namespace

int PolynomialInterpolate(const CSgVector& x, const CSgVector& y, double x0, double* value,
                          double* error) {
  return AtPoint(x, y, x0, value, error, SgCore::PolynomialInterpolateCore);
}

int RationalInterpolate(const CSgVector& x, const CSgVector& y, double x0, double* value,
                        double* error) {
  return AtPoint(x, y, x0, value, error, SgCore::RationalInterpolateCore);
}

int SplineSecondDerivatives(const CSgVector& x, const CSgVector& y, double firstSlope,
                            double lastSlope, CSgVectorT<double>& secondDerivatives) {
  const unsigned int n = MinVectorSize(x, y);
  secondDerivatives.SetSize(n, FALSE);
  int code;
  {
    Proxy px(x), py(y);
    code = SgCore::SplineSecondDerivativesCore(px.Data(), py.Data(), static_cast<int>(n),
                                               firstSlope, lastSlope, Data(secondDerivatives));
  }
  return CheckMathError(code);
}

}  // namespace SG
