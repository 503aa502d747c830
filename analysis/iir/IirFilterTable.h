#pragma once
// The table of the sixteen recursive filters, shared by the core routines and
// the facade, with the parameters of each shape (between the count and the
// order) as declarations and as call arguments.

// One row a filter: its name (the core routine is the name plus Core, the
// facade function the name itself), family, kind and parameter shape.
#define SG_IIR_FILTERS(X)                                          \
  X(ButterworthLowPass, Butterworth, LowPass, EDGE1)               \
  X(ButterworthHighPass, Butterworth, HighPass, EDGE1)             \
  X(ButterworthBandPass, Butterworth, BandPass, EDGE2)             \
  X(ButterworthBandStop, Butterworth, BandStop, EDGE2)             \
  X(ChebyshevLowPass, Chebyshev, LowPass, EDGE1_R)                 \
  X(ChebyshevHighPass, Chebyshev, HighPass, EDGE1_R)               \
  X(ChebyshevBandPass, Chebyshev, BandPass, EDGE2_R)               \
  X(ChebyshevBandStop, Chebyshev, BandStop, EDGE2_R)               \
  X(InverseChebyshevLowPass, InverseChebyshev, LowPass, EDGE1_A)   \
  X(InverseChebyshevHighPass, InverseChebyshev, HighPass, EDGE1_A) \
  X(InverseChebyshevBandPass, InverseChebyshev, BandPass, EDGE2_A) \
  X(InverseChebyshevBandStop, InverseChebyshev, BandStop, EDGE2_A) \
  X(EllipticLowPass, Elliptic, LowPass, EDGE1_RA)                  \
  X(EllipticHighPass, Elliptic, HighPass, EDGE1_RA)                \
  X(EllipticBandPass, Elliptic, BandPass, EDGE2_RA)                \
  X(EllipticBandStop, Elliptic, BandStop, EDGE2_RA)

// Parameters between count and order, by shape.
#define SG_IIR_PARAMS_EDGE1 double fc
#define SG_IIR_PARAMS_EDGE2 double fl, double fh
#define SG_IIR_PARAMS_EDGE1_R double fc, double ripple
#define SG_IIR_PARAMS_EDGE2_R double fl, double fh, double ripple
#define SG_IIR_PARAMS_EDGE1_A double fc, double attenuation
#define SG_IIR_PARAMS_EDGE2_A double fl, double fh, double attenuation
#define SG_IIR_PARAMS_EDGE1_RA double fc, double ripple, double attenuation
#define SG_IIR_PARAMS_EDGE2_RA double fl, double fh, double ripple, double attenuation

// The same parameters as call arguments.
#define SG_IIR_ARGS_EDGE1 fc
#define SG_IIR_ARGS_EDGE2 fl, fh
#define SG_IIR_ARGS_EDGE1_R fc, ripple
#define SG_IIR_ARGS_EDGE2_R fl, fh, ripple
#define SG_IIR_ARGS_EDGE1_A fc, attenuation
#define SG_IIR_ARGS_EDGE2_A fl, fh, attenuation
#define SG_IIR_ARGS_EDGE1_RA fc, ripple, attenuation
#define SG_IIR_ARGS_EDGE2_RA fl, fh, ripple, attenuation
