// Facade of the FIR designs: the coefficient vector is sized to the tap
// count, then the core fills it. A negative tap count goes to the core
// unsized, which refuses it, so no vector is asked for a negative size.
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/fir/FirDesign.h"
#include "containers/CSgExceptionT.h"

namespace SG {
using facade::Count;
using facade::Data;

namespace {

template <typename Core>
int Sized(int taps, CSgVectorT<double>& out, Core core) {
  if (taps < 0) return CheckMathError(core(nullptr));
  out.SetSize(static_cast<unsigned int>(taps), FALSE);
  return CheckMathError(core(Data(out)));
}

bool ValidWindow(int window) { return window >= 1 && window <= 5; }

}  // namespace

int WindowFirLowPass(double fs, double fc, int taps, CSgVectorT<double>& c, int window) {
  if (!ValidWindow(window)) return CheckMathError(MathErrSelection);
  return Sized(taps, c,
               [&](double* o) { return SgCore::WindowedFirLowPassCore(fs, fc, taps, o, window); });
}
int WindowFirHighPass(double fs, double fc, int taps, CSgVectorT<double>& c, int window) {
  if (!ValidWindow(window)) return CheckMathError(MathErrSelection);
  return Sized(taps, c,
               [&](double* o) { return SgCore::WindowedFirHighPassCore(fs, fc, taps, o, window); });
}
int WindowFirBandPass(double fs, double fl, double fh, int taps, CSgVectorT<double>& c,
                      int window) {
  if (!ValidWindow(window)) return CheckMathError(MathErrSelection);
  return Sized(taps, c, [&](double* o) {
    return SgCore::WindowedFirBandPassCore(fs, fl, fh, taps, o, window);
  });
}
int WindowFirBandStop(double fs, double fl, double fh, int taps, CSgVectorT<double>& c,
                      int window) {
  if (!ValidWindow(window)) return CheckMathError(MathErrSelection);
  return Sized(taps, c, [&](double* o) {
    return SgCore::WindowedFirBandStopCore(fs, fl, fh, taps, o, window);
  });
}
int KaiserFirLowPass(double fs, double fc, int taps, CSgVectorT<double>& c, double beta) {
  return Sized(taps, c,
               [&](double* o) { return SgCore::KaiserFirLowPassCore(fs, fc, taps, o, beta); });
}
int KaiserFirHighPass(double fs, double fc, int taps, CSgVectorT<double>& c, double beta) {
  return Sized(taps, c,
               [&](double* o) { return SgCore::KaiserFirHighPassCore(fs, fc, taps, o, beta); });
}
int KaiserFirBandPass(double fs, double fl, double fh, int taps, CSgVectorT<double>& c,
                      double beta) {
  return Sized(taps, c,
               [&](double* o) { return SgCore::KaiserFirBandPassCore(fs, fl, fh, taps, o, beta); });
}
int KaiserFirBandStop(double fs, double fl, double fh, int taps, CSgVectorT<double>& c,
                      double beta) {
  return Sized(taps, c,
               [&](double* o) { return SgCore::KaiserFirBandStopCore(fs, fl, fh, taps, o, beta); });
}

int EquirippleFir(const CSgVector& desired, const CSgVector& weights, double fs,
                  const CSgVector& edges, int taps, CSgVectorT<double>& c, double* deviation,
                  int type, int bands) {
  const long long need = bands < 0 ? 0 : bands;
  if (Count(desired) < need || Count(weights) < need || Count(edges) < 2 * need)
    return CheckMathError(MathErrDimensions);
  return Sized(taps, c, [&](double* o) {
    CSgInputDataProxy<double, CSgVector> d(desired);
    CSgInputDataProxy<double, CSgVector> w(weights);
    CSgInputDataProxy<double, CSgVector> e(edges);
    return SgCore::EquirippleDesignCore(bands, d.Data(), w.Data(), fs, e.Data(), type, taps, o,
                                        deviation);
  });
}
int EquirippleLowPass(double fs, double pass, double stop, int taps, CSgVectorT<double>& c,
                      double* deviation) {
  return Sized(taps, c, [&](double* o) {
    return SgCore::EquirippleLowPassCore(fs, pass, stop, taps, o, deviation);
  });
}
int EquirippleHighPass(double fs, double stop, double pass, int taps, CSgVectorT<double>& c,
                       double* deviation) {
  return Sized(taps, c, [&](double* o) {
    return SgCore::EquirippleHighPassCore(fs, stop, pass, taps, o, deviation);
  });
}
int EquirippleBandPass(double fs, double f1, double f2, double f3, double f4, int taps,
                       CSgVectorT<double>& c, double* deviation) {
  return Sized(taps, c, [&](double* o) {
    return SgCore::EquirippleBandPassCore(fs, f1, f2, f3, f4, taps, o, deviation);
  });
}
int EquirippleBandStop(double fs, double f1, double f2, double f3, double f4, int taps,
                       CSgVectorT<double>& c, double* deviation) {
  return Sized(taps, c, [&](double* o) {
    return SgCore::EquirippleBandStopCore(fs, f1, f2, f3, f4, taps, o, deviation);
  });
}
int IdealFir(double fs, double f1, double f2, int taps, CSgVectorT<double>& c, int type) {
  return Sized(taps, c,
               [&](double* o) { return SgCore::FirIdealResponse(type, fs, f1, f2, taps, o); });
}

}  // namespace SG
