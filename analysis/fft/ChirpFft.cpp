// The chirp-z (Bluestein) transform: a DFT of any length as a circular
// convolution of power-of-two length N >= 2n, for lengths with a prime factor
// too large for the engine.
#include "analysis/core/CoreErrors.h"
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/MixedRadixEngine.h"

#include <cstdlib>
#include <memory>

namespace SgCore::fft {
int ChirpFft(double* re, double* im, Index n, double scale) {
  const Index bigN = ChirpLength(n);
  Buffer cr = Allocate(n), ci = Allocate(n);
  // Zeroed: the padding of the data and the middle of the filter stay 0.
  Buffer ar = AllocateZeroed(bigN), ai = AllocateZeroed(bigN);
  Buffer br = AllocateZeroed(bigN), bi = AllocateZeroed(bigN);
  if (!cr || !ci || !ar || !ai || !br || !bi) return ErrOutOfMemory;

  // Chirp e^(-i pi j^2 / n) = root of order 2n at j^2 mod 2n, the residue
  // kept in 64 bits (j^2 overflows 32 bits from j = 46,341) and advanced by
  // (j + 1)^2 - j^2 = 2j + 1, so the angle stays exact.
  const Index twoN = 2 * n;
  const Roots chirp(twoN);
  for (Index j = 0, q = 0; j < n; ++j) {
    chirp.At(q, cr[j], ci[j]);
    q = (q + 2 * j + 1) % twoN;
  }
  for (Index j = 0; j < n; ++j) {
    ar[j] = re[j] * cr[j] - im[j] * ci[j];
    ai[j] = re[j] * ci[j] + im[j] * cr[j];
    // The filter is the conjugate chirp, mirrored into the tail.
    br[j] = cr[j];
    bi[j] = -ci[j];
    if (j > 0) {
      br[bigN - j] = cr[j];
      bi[bigN - j] = -ci[j];
    }
  }
  int code = PooledFft(ar.get(), ai.get(), bigN);
  if (code == 0) code = PooledFft(br.get(), bi.get(), bigN);
  if (code != 0) return code;
  for (Index k = 0; k < bigN; ++k) {
    const double xr = ar[k] * br[k] - ai[k] * bi[k];
    ai[k] = ar[k] * bi[k] + ai[k] * br[k];
    ar[k] = xr;
  }
  code = PooledInverseFft(ar.get(), ai.get(), bigN);
  if (code != 0) return code;
  for (Index k = 0; k < n; ++k) {
    re[k] = (ar[k] * cr[k] - ai[k] * ci[k]) * scale;
    im[k] = (ar[k] * ci[k] + ai[k] * cr[k]) * scale;
  }
  return 0;
}

}  // namespace SgCore::fft
