#pragma once
// Window routines of the analysis core: each multiplies x[0..n-1] in place by
// its window and returns 0 or a negative code; nothing is touched on failure.
// The cosine-sum windows and the Kaiser window are periodic (k/n).

// The windows without a parameter: X(name) for each <name>WindowCore.
#define SG_PLAIN_WINDOWS(X) \
  X(Triangle)               \
  X(Hanning) X(Hamming) X(Blackman) X(BlackmanHarris) X(ExactBlackman) X(CosineTaper) X(FlatTop)

namespace SgCore {

#define SG_DECLARE_WINDOW_CORE(name) int name##WindowCore(double* x, int n);
SG_PLAIN_WINDOWS(SG_DECLARE_WINDOW_CORE)
#undef SG_DECLARE_WINDOW_CORE
int KaiserWindowCore(double* x, int n, double beta);
int GeneralCosineWindowCore(double* x, int n, const double* a, int m);
int ExponentialWindowCore(double* x, int n, double finalValue);
int ForceWindowCore(double* x, int n, double duty);

// Modified Bessel function of the first kind, order zero.
double BesselI0(double x);

}  // namespace SgCore
