#pragma once
// Linear-phase FIR filter design of the analysis core: the window method
// (ideal truncated-sinc responses times a window) and the equiripple method
// (Parks-McClellan by the Remez exchange). Each writes n taps into out and
// returns 0 or a negative result code. Frequencies share one unit with fs.
namespace SgCore {

// Ideal response kinds of FirIdealResponse.
enum FirKind : int { FirLowPass = 0, FirHighPass = 1, FirBandPass = 2, FirBandStop = 3 };

// Window selectors: 1 rectangle, 2 triangle, 3 Hanning, 4 Hamming,
// 5 Blackman; FirApplyWindow also takes 6, the Kaiser window with beta.
int FirIdealResponse(int kind, double fs, double f1, double f2, int n, double* out);
int FirIdealLowPass(double fs, double fc, int n, double* out);
int FirIdealHighPass(double fs, double fc, int n, double* out);
int FirIdealBandPass(double fs, double fl, double fh, int n, double* out);
int FirIdealBandStop(double fs, double fl, double fh, int n, double* out);
// Multiplies the taps by the symmetric window of length n.
int FirApplyWindow(int selector, double* taps, int n, double beta);

// Window designs: a selector outside 1..5 means Hamming.
int WindowedFirLowPassCore(double fs, double fc, int n, double* out, int window);
int WindowedFirHighPassCore(double fs, double fc, int n, double* out, int window);
int WindowedFirBandPassCore(double fs, double fl, double fh, int n, double* out, int window);
int WindowedFirBandStopCore(double fs, double fl, double fh, int n, double* out, int window);
// Kaiser designs: a negative beta means 4.5.
int KaiserFirLowPassCore(double fs, double fc, int n, double* out, double beta);
int KaiserFirHighPassCore(double fs, double fc, int n, double* out, double beta);
int KaiserFirBandPassCore(double fs, double fl, double fh, int n, double* out, double beta);
int KaiserFirBandStopCore(double fs, double fl, double fh, int n, double* out, double beta);

// Equiripple filter types.
enum EquirippleType : int {
  EquirippleMultiband = 1,
  EquirippleDifferentiator = 2,
  EquirippleHilbert = 3
};

// Remez exchange over nbands bands (edges: 2 * nbands ascending values;
// desired and weights: one per band). deviation receives the final weighted
// error deviation; out and deviation are written only on success. A limit
// below 1 means 100 iterations.
int RemezDesign(int nbands, const double* desired, const double* weights, double fs,
                const double* edges, int type, int n, double* out, double* deviation, int limit);
int EquirippleDesignCore(int nbands, const double* desired, const double* weights, double fs,
                         const double* edges, int type, int n, double* out, double* deviation);
int EquirippleLowPassCore(double fs, double pass, double stop, int n, double* out,
                          double* deviation);
int EquirippleHighPassCore(double fs, double stop, double pass, int n, double* out,
                           double* deviation);
int EquirippleBandPassCore(double fs, double f1, double f2, double f3, double f4, int n,
                           double* out, double* deviation);
int EquirippleBandStopCore(double fs, double f1, double f2, double f3, double f4, int n,
                           double* out, double* deviation);

// Sequence routines shared with the transforms; ErrSamplesGtZero for a count < 1.
int ArrayFill(double* x, int n, double value);
int ArrayMultiply(const double* a, const double* b, int n, double* out);
int ArrayZero(double* x, int n);

}  // namespace SgCore
