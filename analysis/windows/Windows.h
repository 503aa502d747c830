#pragma once
// Window routines of the analysis core: each multiplies x[0..n-1] in place by
// its window and returns 0 or a negative code; nothing is touched on failure.
// The cosine-sum windows and the Kaiser window are periodic (k/n).

namespace SgCore {

int TriangleWindowCore(double* x, int n);
int HanningWindowCore(double* x, int n);
int HammingWindowCore(double* x, int n);
int BlackmanWindowCore(double* x, int n);
int KaiserWindowCore(double* x, int n, double beta);
int BlackmanHarrisWindowCore(double* x, int n);
int ExactBlackmanWindowCore(double* x, int n);
int CosineTaperWindowCore(double* x, int n);
int GeneralCosineWindowCore(double* x, int n, const double* a, int m);
int FlatTopWindowCore(double* x, int n);
int ExponentialWindowCore(double* x, int n, double finalValue);
int ForceWindowCore(double* x, int n, double duty);

// Modified Bessel function of the first kind, order zero.
double BesselI0(double x);

}  // namespace SgCore
