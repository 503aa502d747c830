#pragma once
// FFT and related transforms of the analysis core. Every routine works in
// place on caller-owned arrays, returns 0 or a negative code and leaves the
// caller's arrays unchanged when it fails. Forward transforms are unscaled
// with the kernel e^(-2 pi i jk/n); every inverse divides by n.

namespace SgCore {

int ComplexFftCore(double* re, double* im, int n);
int InverseComplexFftCore(double* re, double* im, int n);
// x: real data in, real parts of all n bins out; im: imaginary parts out.
int RealFftCore(double* x, double* im, int n);
// re: real parts in, the real inverse out; im: imaginary parts in, unchanged.
int InverseRealFftCore(double* re, double* im, int n);
int PowerSpectrumCore(double* x, int n);
int CrossPowerSpectrumCore(const double* x, const double* y, int n, double* re, double* im);
int HartleyTransformCore(double* x, int n);
int InverseHartleyTransformCore(double* x, int n);
int HilbertTransformCore(double* x, int n);
int InverseHilbertTransformCore(double* x, int n);

// Copies n values; -20003 when n <= 0.
int CopyDoubles(const double* source, int n, double* destination);

}  // namespace SgCore
