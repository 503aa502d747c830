// Facade of the complex scalar functions.
#include "analysis/complex/ComplexFunctions.h"
#include "analysis/facade/SgAnalysis.h"

namespace SG {

int ComplexLn(double re, double im, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexLnCore(re, im, outRe, outIm));
}
int ComplexLog10(double re, double im, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexLog10Core(re, im, outRe, outIm));
}
int ComplexPower(double re, double im, double power, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexPowerCore(re, im, power, outRe, outIm));
}
int ComplexExp(double re, double im, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexExpCore(re, im, outRe, outIm));
}
int ComplexSqrt(double re, double im, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexSqrtCore(re, im, outRe, outIm));
}
int ComplexReciprocal(double re, double im, double* outRe, double* outIm) {
  return CheckMathError(SgCore::ComplexReciprocalCore(re, im, outRe, outIm));
}

}  // namespace SG
