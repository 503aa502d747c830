// The window method: ideal (truncated sinc) responses and their windowing.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"
#include "analysis/linalg/WorkArray.h"
#include "analysis/windows/Windows.h"

namespace SgCore {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kHamming = 4;
constexpr int kKaiser = 6;
constexpr double kDefaultBeta = 4.5;

bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

// Writes both halves from tap(t), t = i - (n - 1)/2, and the centre of an
// odd length.
template <typename Tap>
void Symmetric(int n, double* out, double centre, Tap tap) {
  const double m = (n - 1) / 2.0;
  for (int64_t i = 0; i < n / 2; ++i) {
    const double t = static_cast<double>(i) - m;
    out[i] = out[n - 1 - i] = tap(t);
  }
  if (n % 2) out[n / 2] = centre;
}

int CheckBand(double fs, double fl, double fh, int n) {
  if (n < 1) return ErrOrder;
  if (!Positive(fs) || !Positive(fl) || !Positive(fh) || fl >= fh) return ErrBand;
  return ErrNone;
}

int Windowed(int kind, double fs, double f1, double f2, int n, double* out, int selector,
             double beta) {
  if (const int code = FirIdealResponse(kind, fs, f1, f2, n, out)) return code;
  return FirApplyWindow(selector, out, n, beta);
}

int WindowSelector(int window) { return window >= 1 && window <= 5 ? window : kHamming; }
double KaiserBeta(double beta) { return beta < 0.0 ? kDefaultBeta : beta; }

}  // namespace

int FirIdealLowPass(double fs, double fc, int n, double* out) {
  if (n < 1) return ErrOrder;
  if (!Positive(fs) || !Positive(fc)) return ErrBand;
  const double w = 2.0 * kPi * fc / fs;
  Symmetric(n, out, w / kPi, [&](double t) { return std::sin(w * t) / (kPi * t); });
  return ErrNone;
}

int FirIdealHighPass(double fs, double fc, int n, double* out) {
  if (n < 1) return ErrOrder;
  if (!Positive(fs) || !Positive(fc)) return ErrBand;
  if (n % 2 == 0) return ErrOddTaps;
  const double w = 2.0 * kPi * fc / fs;
  Symmetric(n, out, 1.0 - w / kPi, [&](double t) { return -std::sin(w * t) / (kPi * t); });
  return ErrNone;
}

int FirIdealBandPass(double fs, double fl, double fh, int n, double* out) {
  if (const int code = CheckBand(fs, fl, fh, n)) return code;
  const double wl = 2.0 * kPi * fl / fs, wh = 2.0 * kPi * fh / fs;
  Symmetric(n, out, (wh - wl) / kPi,
            [&](double t) { return (std::sin(wh * t) - std::sin(wl * t)) / (kPi * t); });
  return ErrNone;
}

int FirIdealBandStop(double fs, double fl, double fh, int n, double* out) {
  if (const int code = CheckBand(fs, fl, fh, n)) return code;
  if (n % 2 == 0) return ErrOddTaps;
  const double wl = 2.0 * kPi * fl / fs, wh = 2.0 * kPi * fh / fs;
  Symmetric(n, out, 1.0 - (wh - wl) / kPi,
            [&](double t) { return (std::sin(wl * t) - std::sin(wh * t)) / (kPi * t); });
  return ErrNone;
}

int FirIdealResponse(int kind, double fs, double f1, double f2, int n, double* out) {
  if (kind < FirLowPass || kind > FirBandStop) return ErrSelection;
  // Low- and high-pass use f1 only; f2 is put where it passes the next test.
  if (kind == FirLowPass || kind == FirHighPass) f2 = (fs / 2.0 + f1) / 2.0;
  if (n < 1) return ErrOrder;
  if (f1 > fs / 2.0 || f2 > fs / 2.0) return ErrCutoff;
  switch (kind) {
    case FirLowPass: return FirIdealLowPass(fs, f1, n, out);
    case FirHighPass: return FirIdealHighPass(fs, f1, n, out);
    case FirBandPass: return FirIdealBandPass(fs, f1, f2, n, out);
    default: return FirIdealBandStop(fs, f1, f2, n, out);
  }
}

int FirApplyWindow(int selector, double* taps, int n, double beta) {
  WorkArray window = AllocateWork(n);
  if (!window) return ErrOutOfMemory;
  for (int64_t i = 0; i < n; ++i) window[i] = 1.0;
  // The periodic window of length n - 1 with its first value repeated at
  // the end is the symmetric window of length n.
  const int m = n - 1;
  int code = ErrNone;
  switch (selector) {
    case 2: code = TriangleWindowCore(window.get(), m); break;
    case 3: code = HanningWindowCore(window.get(), m); break;
    case 4: code = HammingWindowCore(window.get(), m); break;
    case 5: code = BlackmanWindowCore(window.get(), m); break;
    case kKaiser: code = KaiserWindowCore(window.get(), m, beta); break;
    default: break;
  }
  window[n - 1] = window[0];
  for (int64_t i = 0; i < n; ++i) taps[i] *= window[i];
  return code;
}

int WindowedFirLowPassCore(double fs, double fc, int n, double* out, int window) {
  return Windowed(FirLowPass, fs, fc, 0.0, n, out, WindowSelector(window), 0.0);
}
int WindowedFirHighPassCore(double fs, double fc, int n, double* out, int window) {
  return Windowed(FirHighPass, fs, fc, 0.0, n, out, WindowSelector(window), 0.0);
}
int WindowedFirBandPassCore(double fs, double fl, double fh, int n, double* out, int window) {
  return Windowed(FirBandPass, fs, fl, fh, n, out, WindowSelector(window), 0.0);
}
int WindowedFirBandStopCore(double fs, double fl, double fh, int n, double* out, int window) {
  return Windowed(FirBandStop, fs, fl, fh, n, out, WindowSelector(window), 0.0);
}
int KaiserFirLowPassCore(double fs, double fc, int n, double* out, double beta) {
  return Windowed(FirLowPass, fs, fc, 0.0, n, out, kKaiser, KaiserBeta(beta));
}
int KaiserFirHighPassCore(double fs, double fc, int n, double* out, double beta) {
  return Windowed(FirHighPass, fs, fc, 0.0, n, out, kKaiser, KaiserBeta(beta));
}
int KaiserFirBandPassCore(double fs, double fl, double fh, int n, double* out, double beta) {
  return Windowed(FirBandPass, fs, fl, fh, n, out, kKaiser, KaiserBeta(beta));
}
int KaiserFirBandStopCore(double fs, double fl, double fh, int n, double* out, double beta) {
  return Windowed(FirBandStop, fs, fl, fh, n, out, kKaiser, KaiserBeta(beta));
}

}  // namespace SgCore
