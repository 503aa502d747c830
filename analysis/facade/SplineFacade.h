#pragma once
// The facade's spline value, defined inline: the editor's spline fill calls
// it once per sample, and inlined into that loop the proxies' lending and the
// error check cost a few instructions, where an out-of-line call spent more
// than the spline itself. Included by SgAnalysis.h.
#include <algorithm>

#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/core/MathErrorCheck.h"
#include "analysis/interpolation/Interpolation.h"

namespace SG {

inline int SplineInterpolate(const CSgVector& x, const CSgVector& y,
                             const CSgVector& secondDerivatives, double x0, double* value) {
  using Proxy = CSgInputDataProxy<double, CSgVector>;
  const unsigned int n = std::min(MinVectorSize(x, y), secondDerivatives.GetSize());
  int code;
  {
    Proxy px(x), py(y), p2(secondDerivatives);
    code = SgCore::SplineInterpolateCore(px.Data(), py.Data(), p2.Data(), static_cast<int>(n), x0,
                                         value);
  }
  return CheckMathError(code);
}

}  // namespace SG
