// The complex scalar functions with the facade's error check.
#include "analysis/complex/SgComplexScalar.h"

#include "analysis/complex/ComplexFunctions.h"
#include "analysis/core/MathErrorCheck.h"

namespace SG {

#define SG_DEFINE_COMPLEX(name)                                               \
  int Complex##name(double re, double im, double* outRe, double* outIm) {     \
    return CheckMathError(SgCore::Complex##name##Core(re, im, outRe, outIm)); \
  }
SG_COMPLEX_UNARY(SG_DEFINE_COMPLEX)
#undef SG_DEFINE_COMPLEX

int ComplexPower(double re, double im, double power, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexPowerCore(re, im, power, outRe, outIm));
}

}  // namespace SG
