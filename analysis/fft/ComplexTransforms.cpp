// The complex and real DFT routines of the core.
#include "analysis/core/CoreErrors.h"
#include "analysis/fft/Fft.h"
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/MixedRadixEngine.h"
#include "analysis/fft/RealFft.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace SgCore {
using namespace fft;

int CopyDoubles(const double* source, int n, double* destination) {
  if (n <= 0) return ErrSamplesGtZero;
  std::memmove(destination, source, size_t(n) * sizeof(double));
  return 0;
}

int ComplexFftCore(double* re, double* im, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  return AnyLengthFft(re, im, n);
}

int InverseComplexFftCore(double* re, double* im, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  // The forward transform of the swapped pair, scaled on the way back, so a
  // failure leaves the data as it was.
  return AnyLengthFft(im, re, n, 1.0 / n);
}

int RealFftCore(double* x, double* im, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  if (n == 1) {
    im[0] = 0.0;
    return 0;
  }
  if (!IsPowerOfTwo(n)) {
    Buffer zero = Allocate(n);
    if (!zero) return ErrOutOfMemory;
    std::fill(zero.get(), zero.get() + n, 0.0);
    if (int code = AnyLengthFft(x, zero.get(), n)) return code;
    std::memcpy(im, zero.get(), size_t(n) * sizeof(double));
    return 0;
  }
  if (int code = RealFftRadix2(x, x, n)) return code;
  // All n bins from the half-complex order.
  const int h = n / 2;
  im[0] = 0.0;
  im[h] = 0.0;
  for (int k = 1; k < h; ++k) {
    const double imag = x[n - k];
    im[k] = imag;
    im[n - k] = -imag;
    x[n - k] = x[k];
  }
  return 0;
}

int InverseRealFftCore(double* re, double* im, int n) {
  if (n <= 0) return ErrSamplesGtZero;
  if (n == 1) return 0;
  if (IsPowerOfTwo(n)) {
    Buffer packed = Allocate(n);
    if (!packed) return ErrOutOfMemory;
    const int h = n / 2;
    for (int k = 0; k <= h; ++k) packed[k] = re[k];
    for (int k = 1; k < h; ++k) packed[n - k] = im[k];
    return InverseRealFftRadix2(packed.get(), re, n);
  }
  // The forward transform of the swapped pair (im, re) gives the inverse
  // with its real and imaginary parts swapped.
  Buffer a = Allocate(n), b = Allocate(n);
  if (!a || !b) return ErrOutOfMemory;
  std::memcpy(a.get(), im, size_t(n) * sizeof(double));
  std::memcpy(b.get(), re, size_t(n) * sizeof(double));
  const std::vector<int> f = FftFactorize(n);
  const bool chirp = *std::max_element(f.begin(), f.end()) > kMaxEngineFactor;
  if (int code = AnyLengthFft(a.get(), b.get(), n, 1.0 / n)) return code;
  std::memcpy(re, b.get(), size_t(n) * sizeof(double));
  // The chirp-z path also hands back the (near-zero) imaginary part.
  if (chirp) std::memcpy(im, a.get(), size_t(n) * sizeof(double));
  return 0;
}

}  // namespace SgCore
