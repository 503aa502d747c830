#pragma once
// The analysis facade: free functions over the library's numeric vectors.
// Each sizes its output vectors, calls one core routine and passes the
// routine's code to CheckMathError, which turns every non-zero code into an
// exception; the value returned is that code (0 while exceptions are on).
// Order of a call: facade argument tests, output sizing (zero-filled), input
// proxies, the core, proxy release, the error check.

#include "analysis/complex/SgComplexScalar.h"
#include "analysis/core/MathErrorCheck.h"
#include "analysis/iir/IirFilterTable.h"

namespace SG {

class CSgVector;
template <typename T>
class CSgVectorT;

// Transforms; the (re, im) forms work over the shorter length and truncate
// the longer vector to it, except RealFft, whose im is output only and is
// sized like re.
int ComplexFft(CSgVectorT<double>& re, CSgVectorT<double>& im);
int InverseComplexFft(CSgVectorT<double>& re, CSgVectorT<double>& im);
int RealFft(CSgVectorT<double>& re, CSgVectorT<double>& im);
int InverseRealFft(CSgVectorT<double>& re, CSgVectorT<double>& im);
int PowerSpectrum(CSgVectorT<double>& data);
int HartleyTransform(CSgVectorT<double>& data);
int InverseHartleyTransform(CSgVectorT<double>& data);
int HilbertTransform(CSgVectorT<double>& data);
int InverseHilbertTransform(CSgVectorT<double>& data);
int CrossPowerSpectrum(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& re,
                       CSgVectorT<double>& im);

// Windows, in place.
int TriangleWindow(CSgVectorT<double>& data);
int HanningWindow(CSgVectorT<double>& data);
int HammingWindow(CSgVectorT<double>& data);
int BlackmanWindow(CSgVectorT<double>& data);
int KaiserWindow(CSgVectorT<double>& data, double beta);
int BlackmanHarrisWindow(CSgVectorT<double>& data);
int ExactBlackmanWindow(CSgVectorT<double>& data);
int CosineTaperWindow(CSgVectorT<double>& data);
int GeneralCosineWindow(CSgVectorT<double>& data, const CSgVector& coefficients);
int ExponentialWindow(CSgVectorT<double>& data, double finalValue);
int FlatTopWindow(CSgVectorT<double>& data);
int ForceWindow(CSgVectorT<double>& data, double duty);

// Generators: a sized form (output, n, ...) and a fill form (output, ...) that
// keeps the output's present count. Phases are in degrees, read and updated.
int ImpulsePattern(CSgVectorT<double>& out, int n, double amplitude, int index);
int ImpulsePattern(CSgVectorT<double>& out, double amplitude, int index);
int PulsePattern(CSgVectorT<double>& out, int n, double amplitude, int delay, int width);
int PulsePattern(CSgVectorT<double>& out, double amplitude, int delay, int width);
int RampPattern(CSgVectorT<double>& out, int n, double first, double last);
int RampPattern(CSgVectorT<double>& out, double first, double last);
int TrianglePattern(CSgVectorT<double>& out, int n, double amplitude);
int TrianglePattern(CSgVectorT<double>& out, double amplitude);
int TriangleWave(CSgVectorT<double>& out, int n, double* phase, double amplitude, double frequency);
int TriangleWave(CSgVectorT<double>& out, double* phase, double amplitude, double frequency);
int SinePattern(CSgVectorT<double>& out, int n, double amplitude);
int SinePattern(CSgVectorT<double>& out, double amplitude);
int SineWave(CSgVectorT<double>& out, int n, double* phase, double amplitude, double frequency);
int SineWave(CSgVectorT<double>& out, double* phase, double amplitude, double frequency);
int UniformRandom(CSgVectorT<double>& out, int n, int seed);
int UniformRandom(CSgVectorT<double>& out, int seed);
int UniformWhiteNoise(CSgVectorT<double>& out, int n, double amplitude, int seed);
int UniformWhiteNoise(CSgVectorT<double>& out, double amplitude, int seed);
int GaussianNoise(CSgVectorT<double>& out, int n, double deviation, int seed);
int GaussianNoise(CSgVectorT<double>& out, double deviation, int seed);
int ArbitraryWave(CSgVectorT<double>& out, int n, const CSgVector& table, double* phase,
                  double amplitude, double frequency, int interpolate);
int ArbitraryWave(CSgVectorT<double>& out, const CSgVector& table, double* phase, double amplitude,
                  double frequency, int interpolate);
int ChirpPattern(CSgVectorT<double>& out, int n, double amplitude, double start, double end);
int ChirpPattern(CSgVectorT<double>& out, double amplitude, double start, double end);
int SawtoothWave(CSgVectorT<double>& out, int n, double* phase, double amplitude, double frequency);
int SawtoothWave(CSgVectorT<double>& out, double* phase, double amplitude, double frequency);
int SincPattern(CSgVectorT<double>& out, int n, double amplitude, double delay, double dt);
int SincPattern(CSgVectorT<double>& out, double amplitude, double delay, double dt);
int SquareWave(CSgVectorT<double>& out, int n, double* phase, double amplitude, double frequency,
               double duty);
int SquareWave(CSgVectorT<double>& out, double* phase, double amplitude, double frequency,
               double duty);

// ---------------------------------------------------------------------------
// Filters, fits, interpolation and matrices
// (IIR filters, FIR design, curve fitting, interpolation, dense matrices:
// declared here by their owners, defined in their own files of this folder.)
// ---------------------------------------------------------------------------

// Recursive filters (frequencies in one unit with fs, ripple and attenuation
// in dB). Each has two forms: in place on one vector, and from a const input
// into an output that is first sized like the input (zero-filled, so passing
// one vector as both filters zeros).
#define SG_FACADE_IIR(name, family, kind, shape)                                                 \
  int name(CSgVectorT<double>& data, double fs, SG_IIR_PARAMS_##shape, int order);               \
  int name(const CSgVector& input, CSgVectorT<double>& output, double fs, SG_IIR_PARAMS_##shape, \
           int order);
SG_IIR_FILTERS(SG_FACADE_IIR)
#undef SG_FACADE_IIR

class CSgMatrix;
template <typename T>
class CSgMatrixT;

// FIR design: the coefficient vector is sized to the tap count and filled.
// Window selectors 1 rectangle .. 5 Blackman (others: MathErrSelection, output not
// resized); filter types of EquirippleFir 1 multiband, 2 differentiator,
// 3 Hilbert; IdealFir types 0 low-pass .. 3 band-stop.
int WindowFirLowPass(double fs, double fc, int taps, CSgVectorT<double>& coefficients, int window);
int WindowFirHighPass(double fs, double fc, int taps, CSgVectorT<double>& coefficients, int window);
int WindowFirBandPass(double fs, double fl, double fh, int taps, CSgVectorT<double>& coefficients,
                      int window);
int WindowFirBandStop(double fs, double fl, double fh, int taps, CSgVectorT<double>& coefficients,
                      int window);
int KaiserFirLowPass(double fs, double fc, int taps, CSgVectorT<double>& coefficients, double beta);
int KaiserFirHighPass(double fs, double fc, int taps, CSgVectorT<double>& coefficients,
                      double beta);
int KaiserFirBandPass(double fs, double fl, double fh, int taps, CSgVectorT<double>& coefficients,
                      double beta);
int KaiserFirBandStop(double fs, double fl, double fh, int taps, CSgVectorT<double>& coefficients,
                      double beta);
int EquirippleFir(const CSgVector& desired, const CSgVector& weights, double fs,
                  const CSgVector& edges, int taps, CSgVectorT<double>& coefficients,
                  double* deviation, int type, int bands);
int EquirippleLowPass(double fs, double pass, double stop, int taps,
                      CSgVectorT<double>& coefficients, double* deviation);
int EquirippleHighPass(double fs, double stop, double pass, int taps,
                       CSgVectorT<double>& coefficients, double* deviation);
int EquirippleBandPass(double fs, double f1, double f2, double f3, double f4, int taps,
                       CSgVectorT<double>& coefficients, double* deviation);
int EquirippleBandStop(double fs, double f1, double f2, double f3, double f4, int taps,
                       CSgVectorT<double>& coefficients, double* deviation);
int IdealFir(double fs, double f1, double f2, int taps, CSgVectorT<double>& coefficients, int type);

// Fits over the common length of x and y. The model of NonlinearFit gives
// its value at x for the coefficients; a negative iteration limit runs until
// the fit stops.
using NonlinearModelFunction = double (*)(double x, const double* coefficients, int count);
int GeneralLeastSquaresFit(const CSgMatrix& h, const CSgVector& y, const CSgVector& sigma,
                           CSgVectorT<double>& fitted, CSgVectorT<double>& coefficients,
                           CSgMatrixT<double>& covariance, double* mse, int algorithm);
int LinearFit(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& fitted, double* slope,
              double* intercept, double* mse);
int ExponentialFit(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& fitted,
                   double* amplitude, double* damping, double* mse);
int PolynomialFit(const CSgVector& x, const CSgVector& y, CSgVectorT<double>& fitted,
                  CSgVectorT<double>& coefficients, double* mse, int order);
int NonlinearFit(const CSgVector& x, const CSgVector& y, NonlinearModelFunction model,
                 CSgVectorT<double>& fitted, CSgVectorT<double>& coefficients, double* mse,
                 int maxIterations);

// Interpolation over the common length of the inputs. A slope above 9.9e29
// makes a natural spline end.
int PolynomialInterpolate(const CSgVector& x, const CSgVector& y, double x0, double* value,
                          double* error);
int RationalInterpolate(const CSgVector& x, const CSgVector& y, double x0, double* value,
                        double* error);
// Inline (SplineFacade.h): the editor calls it once per sample.
inline int SplineInterpolate(const CSgVector& x, const CSgVector& y,
                             const CSgVector& secondDerivatives, double x0, double* value);
int SplineSecondDerivatives(const CSgVector& x, const CSgVector& y, double firstSlope,
                            double lastSlope, CSgVectorT<double>& secondDerivatives);

// ---------------------------------------------------------------------------
// End of filters, fits, interpolation and matrices
// ---------------------------------------------------------------------------

}  // namespace SG

// The transforms on one complex vector.
#include "analysis/facade/ComplexVectorFacade.h"
// The spline value, inline.
#include "analysis/facade/SplineFacade.h"
