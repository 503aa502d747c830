#pragma once
// The recursive filters of the analysis core: each designs its filter, runs
// the samples x[0..count) through it into y (y may be x) and forgets it.
// Frequencies share one unit with fs; ripple and attenuation are in dB; the
// band kinds have order 2 * order. Returns 0 or the first failing check's
// code, in which case y is untouched.
namespace SgCore {

#define SG_IIR_FILTERS(X)                                                       \
  X(ButterworthLowPassCore, Butterworth, LowPass, EDGE1)                        \
  X(ButterworthHighPassCore, Butterworth, HighPass, EDGE1)                      \
  X(ButterworthBandPassCore, Butterworth, BandPass, EDGE2)                      \
  X(ButterworthBandStopCore, Butterworth, BandStop, EDGE2)                      \
  X(ChebyshevLowPassCore, Chebyshev, LowPass, EDGE1_R)                          \
  X(ChebyshevHighPassCore, Chebyshev, HighPass, EDGE1_R)                        \
  X(ChebyshevBandPassCore, Chebyshev, BandPass, EDGE2_R)                        \
  X(ChebyshevBandStopCore, Chebyshev, BandStop, EDGE2_R)                        \
  X(InverseChebyshevLowPassCore, InverseChebyshev, LowPass, EDGE1_A)            \
  X(InverseChebyshevHighPassCore, InverseChebyshev, HighPass, EDGE1_A)          \
  X(InverseChebyshevBandPassCore, InverseChebyshev, BandPass, EDGE2_A)          \
  X(InverseChebyshevBandStopCore, InverseChebyshev, BandStop, EDGE2_A)          \
  X(EllipticLowPassCore, Elliptic, LowPass, EDGE1_RA)                           \
  X(EllipticHighPassCore, Elliptic, HighPass, EDGE1_RA)                         \
  X(EllipticBandPassCore, Elliptic, BandPass, EDGE2_RA)                         \
  X(EllipticBandStopCore, Elliptic, BandStop, EDGE2_RA)

// Parameters between count and order, by shape.
#define SG_IIR_PARAMS_EDGE1 double fc
#define SG_IIR_PARAMS_EDGE2 double fl, double fh
#define SG_IIR_PARAMS_EDGE1_R double fc, double ripple
#define SG_IIR_PARAMS_EDGE2_R double fl, double fh, double ripple
#define SG_IIR_PARAMS_EDGE1_A double fc, double attenuation
#define SG_IIR_PARAMS_EDGE2_A double fl, double fh, double attenuation
#define SG_IIR_PARAMS_EDGE1_RA double fc, double ripple, double attenuation
#define SG_IIR_PARAMS_EDGE2_RA double fl, double fh, double ripple, double attenuation

#define SG_IIR_DECLARE(name, family, kind, shape) \
  int name(const double* x, int count, double fs, SG_IIR_PARAMS_##shape, int order, double* y);
SG_IIR_FILTERS(SG_IIR_DECLARE)
#undef SG_IIR_DECLARE

}  // namespace SgCore
