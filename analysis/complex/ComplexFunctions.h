#pragma once
// Elementary functions of one complex number re + i im. Each returns 0 or
// ErrDivideByZero and writes its two results only on success.

// The functions of z alone: X(name) for each Complex<name>Core.
#define SG_COMPLEX_UNARY(X) X(Ln) X(Log10) X(Exp) X(Sqrt) X(Reciprocal)

namespace SgCore {

#define SG_DECLARE_COMPLEX_CORE(name) \
  int Complex##name##Core(double re, double im, double* outRe, double* outIm);
SG_COMPLEX_UNARY(SG_DECLARE_COMPLEX_CORE)
#undef SG_DECLARE_COMPLEX_CORE
int ComplexPowerCore(double re, double im, double power, double* outRe, double* outIm);

}  // namespace SgCore
