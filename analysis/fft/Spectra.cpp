// Transforms built on the real DFT: power and cross power spectra, the
// Hartley transform and the Hilbert transform.
#include "analysis/core/CoreErrors.h"
#include "analysis/fft/Fft.h"
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/MixedRadixEngine.h"
#include "analysis/fft/RealFft.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace SgCore {
using namespace fft;

namespace {

// Hartley transform into x, divided by `divisor`.
int Hartley(double* x, int n, double divisor) {
  if (n < 1) return ErrSamplesGtZero;
  if (!IsPowerOfTwo(n)) return ErrPowerOfTwo;
  if (n == 1) {
    x[0] /= divisor;
    return 0;
  }
  Buffer hc = Allocate(n);
  if (!hc) return ErrOutOfMemory;
  if (int code = RealFftRadix2(x, hc.get(), n)) return code;
  // H[k] = Re X[k] - Im X[k]; X[n-k] is the conjugate of X[k].
  const int h = n / 2;
  const double scale = 1.0 / divisor;
  x[0] = hc[0] * scale;
  x[h] = hc[h] * scale;
  for (int k = 1; k < h; ++k) {
    x[k] = (hc[k] - hc[n - k]) * scale;
    x[n - k] = (hc[k] + hc[n - k]) * scale;
  }
  return 0;
}

// Hilbert transform into x: every bin times -i sgn(k), bins 0 and n/2
// cleared; the result negated when `sign` is -1.
int Hilbert(double* x, int n, double sign) {
  if (n <= 0) return ErrSamplesGtZero;
  if (n == 1) {
    x[0] = 0.0;
    return 0;
  }
  if (IsPowerOfTwo(n)) {
    Buffer hc = Allocate(n);
    if (!hc) return ErrOutOfMemory;
    if (int code = RealFftRadix2(x, hc.get(), n)) return code;
    const int h = n / 2;
    hc[0] = hc[h] = 0.0;
    for (int k = 1; k < h; ++k) {
      const double r = hc[k];
      hc[k] = sign * hc[n - k];
      hc[n - k] = -sign * r;
    }
    return InverseRealFftRadix2(hc.get(), x, n);
  }
  Buffer re = Allocate(n), im = Allocate(n);
  if (!re || !im) return ErrOutOfMemory;
  std::memcpy(re.get(), x, size_t(n) * sizeof(double));
  std::fill(im.get(), im.get() + n, 0.0);
  if (int code = AnyLengthFft(re.get(), im.get(), n)) return code;
  // Lower bins times -i, upper bins times +i (kept conjugate-symmetric).
  re[0] = im[0] = 0.0;
  if (n % 2 == 0) re[n / 2] = im[n / 2] = 0.0;
  for (int k = 1; k <= (n - 1) / 2; ++k) {
    const double r = re[k];
    re[k] = sign * im[k];
    im[k] = -sign * r;
    const double ru = re[n - k];
    re[n - k] = -sign * im[n - k];
    im[n - k] = sign * ru;
  }
  // Inverse by the forward transform of the swapped pair: the real part of
  // the result is the transform of re's slot.
  if (int code = AnyLengthFft(im.get(), re.get(), n, 1.0 / n)) return code;
  std::memcpy(x, re.get(), size_t(n) * sizeof(double));
  return 0;
}
}  // namespace

int PowerSpectrumCore(double* x, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  if (n == 1) {
    x[0] *= x[0];
    return 0;
  }
  Buffer im = Allocate(n);
  if (!im) return ErrOutOfMemory;
  if (int code = RealFftCore(x, im.get(), n)) return code;
  const double n2 = double(n) * n;
  x[0] = x[0] * x[0] / n2;
  for (int k = 1; k <= n / 2; ++k) {
    const double p = (x[k] * x[k] + im[k] * im[k]) / n2;
    x[k] = p;
    x[n - k] = p;
  }
  return 0;
}

int CrossPowerSpectrumCore(const double* x, const double* y, int n, double* re, double* im) {
  if (n <= 0) return ErrSamplesGtZero;
  Buffer xr = Allocate(n), xi = Allocate(n), yr = Allocate(n), yi = Allocate(n);
  if (!xr || !xi || !yr || !yi) return ErrOutOfMemory;
  std::memcpy(xr.get(), x, size_t(n) * sizeof(double));
  std::memcpy(yr.get(), y, size_t(n) * sizeof(double));
  if (int code = RealFftCore(xr.get(), xi.get(), n)) return code;
  if (int code = RealFftCore(yr.get(), yi.get(), n)) return code;
  const double n2 = double(n) * n;
  for (int k = 0; k <= n / 2; ++k) {
    const double r = (xr[k] * yr[k] + xi[k] * yi[k]) / n2;
    const double i = (xr[k] * yi[k] - xi[k] * yr[k]) / n2;
    re[k] = r;
    im[k] = i;
    if (k > 0) {
      re[n - k] = r;
      im[n - k] = -i;
    }
  }
  return 0;
}

int HartleyTransformCore(double* x, int n) { return Hartley(x, n, 1.0); }
int InverseHartleyTransformCore(double* x, int n) { return Hartley(x, n, n); }
int HilbertTransformCore(double* x, int n) { return Hilbert(x, n, 1.0); }
int InverseHilbertTransformCore(double* x, int n) { return Hilbert(x, n, -1.0); }

}  // namespace SgCore
