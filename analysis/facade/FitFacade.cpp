// Facade of the curve fits: inputs through proxies over their common
// length, outputs sized before the core runs.
#include <algorithm>

#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/fitting/Fitting.h"
#include "containers/CSgExceptionT.h"
#include "matrix/CSgMatrixT.h"

namespace SG {
using facade::Count;
using facade::Data;

namespace {
using Proxy = CSgInputDataProxy<double, CSgVector>;
}

int GeneralLeastSquaresFit(const CSgMatrix& h, const CSgVector& y, const CSgVector& sigma,
                           CSgVectorT<double>& fitted, CSgVectorT<double>& coefficients,
                           CSgMatrixT<double>& covariance, double* mse, int algorithm) {
  const unsigned int rows = h.GetRows(), cols = h.GetCols();
  if (y.GetSize() < rows) return CheckMathError(MathErrDimensions);
  fitted.SetSize(rows, FALSE);
  coefficients.SetSize(cols, FALSE);
  covariance.SetSize(cols, cols, FALSE);
  const bool weighted = sigma.GetSize() > 0;
  if (weighted && sigma.GetSize() < rows) return CheckMathError(MathErrDimensions);
  int code;
  {
    CSgInputDataProxy<double, CSgMatrix> ph(h);
    Proxy py(y);
    Proxy ps(sigma);
    code = SgCore::GeneralLeastSquaresCore(ph.Data(), static_cast<int>(rows),
                                           static_cast<int>(cols), py.Data(),
                                           weighted ? ps.Data() : nullptr, algorithm, Data(fitted),
                                           Data(coefficients), covariance.GetData(), mse);
  }
  return CheckMathError(code);
}

int LinearFit(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& fitted, double* slope,
              double* intercept, double* mse) {
  const unsigned int n = MinVectorSize(x, y);
  fitted.SetSize(n, FALSE);
  int code;
  {
    Proxy px(x), py(y);
    code = SgCore::LinearFitCore(px.Data(), py.Data(), static_cast<int>(n), Data(fitted), slope,
                                 intercept, mse);
  }
  return CheckMathError(code);
}

int ExponentialFit(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& fitted,
                   double* amplitude, double* damping, double* mse) {
  const unsigned int n = MinVectorSize(x, y);
  fitted.SetSize(n, FALSE);
  int code;
  {
    Proxy px(x), py(y);
    code = SgCore::ExponentialFitCore(px.Data(), py.Data(), static_cast<int>(n), Data(fitted),
                                      amplitude, damping, mse);
  }
  return CheckMathError(code);
}

int PolynomialFit(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& fitted,
                  CSgVectorT<double>& coefficients, double* mse, int order) {
  const unsigned int n = MinVectorSize(x, y);
  fitted.SetSize(n, FALSE);
  // A negative order is the core's to refuse; it sizes nothing negative.
  coefficients.SetSize(static_cast<unsigned int>(std::max(order, -1) + 1), FALSE);
  int code;
  {
    Proxy px(x), py(y);
    code = SgCore::PolynomialFitCore(px.Data(), py.Data(), static_cast<int>(n), order, Data(fitted),
                                     Data(coefficients), mse);
  }
  return CheckMathError(code);
}

int NonlinearFit(const CSgVector& x, const CSgVector& y, NonlinearModelFunction model,
                 CSgVectorT<double>& fitted, CSgVectorT<double>& coefficients, double* mse,
                 int maxIterations) {
  const unsigned int n = MinVectorSize(x, y);
  fitted.SetSize(n, FALSE);
  int code;
  {
    Proxy px(x), py(y);
    code = maxIterations < 0
               ? SgCore::NonLinearFitUnboundedCore(px.Data(), py.Data(), Data(fitted),
                                                   static_cast<int>(n), model, Data(coefficients),
                                                   Count(coefficients), mse)
               : SgCore::NonLinearFitBoundedCore(px.Data(), py.Data(), Data(fitted),
                                                 static_cast<int>(n), maxIterations, model,
                                                 Data(coefficients), Count(coefficients), mse);
  }
  return CheckMathError(code);
}

}  // namespace SG
