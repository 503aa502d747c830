#pragma once
// Elementary functions of one complex number re + i im. Each returns 0 or
// -20060 (divide by zero) and writes its two results only on success.

namespace SgCore {

int ComplexLnCore(double re, double im, double* outRe, double* outIm);
int ComplexLog10Core(double re, double im, double* outRe, double* outIm);
int ComplexPowerCore(double re, double im, double power, double* outRe, double* outIm);
int ComplexExpCore(double re, double im, double* outRe, double* outIm);
int ComplexSqrtCore(double re, double im, double* outRe, double* outIm);
int ComplexReciprocalCore(double re, double im, double* outRe, double* outIm);

}  // namespace SgCore
