// Real transforms of power-of-two length through a complex transform of
// length n/2 on the even and odd samples, z[j] = x[2j] + i x[2j+1]. They use
// a private work block, never the pool.
#include "analysis/fft/RealFft.h"

#include "analysis/core/CoreErrors.h"
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/MixedRadixEngine.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace SgCore::fft {
namespace {

// In place: Z = DFT of (zr, zi), length h, on a private block.
int HalfLengthFft(double* zr, double* zi, Index h) {
  Buffer block = Allocate(kWorkBlockBytes / sizeof(double));
  if (!block) return ErrOutOfMemory;
  return FftOnBlock(zr, zi, h, 1.0, block.get());
}

}  // namespace

int RealFftRadix2(const double* in, double* out, Index n) {
  const Index h = n / 2;
  Buffer fr = Allocate(h), fi = Allocate(h);
  if (!fr || !fi) return ErrOutOfMemory;
  for (Index j = 0; j < h; ++j) {
    fr[j] = in[2 * j];
    fi[j] = in[2 * j + 1];
  }
  if (int code = HalfLengthFft(fr.get(), fi.get(), h)) return code;
  try {
    const Roots roots(n);
    out[0] = fr[0] + fi[0];
    out[h] = fr[0] - fi[0];
    for (Index k = 1; k < h; ++k) {
      // E = (Z[k] + conj Z[h-k]) / 2, O = (Z[k] - conj Z[h-k]) / 2i,
      // X[k] = E + w^k O.
      const double er = 0.5 * (fr[k] + fr[h - k]), ei = 0.5 * (fi[k] - fi[h - k]);
      const double orr = 0.5 * (fi[k] + fi[h - k]), oi = -0.5 * (fr[k] - fr[h - k]);
      double wr, wi;
      roots.At(k, wr, wi);
      out[k] = er + wr * orr - wi * oi;
      out[n - k] = ei + wr * oi + wi * orr;
    }
  } catch (const std::bad_alloc&) {
    return ErrOutOfMemory;
  }
  return 0;
}

int InverseRealFftRadix2(const double* in, double* out, Index n) {
  const Index h = n / 2;
  Buffer zr = Allocate(h), zi = Allocate(h);
  if (!zr || !zi) return ErrOutOfMemory;
  try {
    const Roots roots(n);
    // Z[k] = E + i O with E = (X[k] + conj X[h-k]) / 2 and
    // O = (X[k] - conj X[h-k]) conj(w^k) / 2.
    auto re = [&](Index k) { return in[k]; };
    auto im = [&](Index k) { return k == 0 || k == h ? 0.0 : in[n - k]; };
    for (Index k = 0; k < h; ++k) {
      const double ar = re(k), ai = im(k), br = re(h - k), bi = -im(h - k);
      const double er = 0.5 * (ar + br), ei = 0.5 * (ai + bi);
      const double dr = 0.5 * (ar - br), di = 0.5 * (ai - bi);
      double wr, wi;
      roots.At(k, wr, wi);
      const double orr = dr * wr + di * wi, oi = di * wr - dr * wi;
      // The inverse of length h runs as a forward transform of the swapped
      // pair: store i Z's parts swapped.
      zr[k] = ei + orr;
      zi[k] = er - oi;
    }
  } catch (const std::bad_alloc&) {
    return ErrOutOfMemory;
  }
  if (int code = HalfLengthFft(zr.get(), zi.get(), h)) return code;
  const double scale = 1.0 / double(h);
  for (Index j = 0; j < h; ++j) {
    out[2 * j] = zi[j] * scale;
    out[2 * j + 1] = zr[j] * scale;
  }
  return 0;
}

}  // namespace SgCore::fft
