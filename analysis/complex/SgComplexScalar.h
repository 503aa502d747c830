#pragma once
// The complex scalar functions of the analysis library: the core routines
// with the facade's error check, in a library of their own (analysis_complex)
// so that the complex values of matrix/ can call them while the analysis
// facade links matrix. The results are written only on success.

namespace SG {

int ComplexLn(double re, double im, double* outRe, double* outIm);
int ComplexLog10(double re, double im, double* outRe, double* outIm);
int ComplexPower(double re, double im, double power, double* outRe, double* outIm);
int ComplexExp(double re, double im, double* outRe, double* outIm);
int ComplexSqrt(double re, double im, double* outRe, double* outIm);
int ComplexReciprocal(double re, double im, double* outRe, double* outIm);

}  // namespace SG
