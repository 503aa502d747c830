#pragma once
// The complex scalar functions of the analysis library: the core routines
// with the facade's error check, in a library of their own (analysis_complex)
// so that the complex values of matrix/ can call them while the analysis
// facade links matrix. The results are written only on success.

#include "analysis/complex/ComplexFunctions.h"

namespace SG {

// Complex<name> for each function of z alone (SG_COMPLEX_UNARY), and the power.
#define SG_DECLARE_COMPLEX(name) \
  int Complex##name(double re, double im, double* outRe, double* outIm);
SG_COMPLEX_UNARY(SG_DECLARE_COMPLEX)
#undef SG_DECLARE_COMPLEX
int ComplexPower(double re, double im, double power, double* outRe, double* outIm);

}  // namespace SG
