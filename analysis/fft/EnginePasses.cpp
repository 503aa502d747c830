// Radix passes: four butterflies at a time in vectors of doubles where the
// twiddle positions allow, compiled also for AVX2 and AVX-512 and picked at
// run time; on AVX-512 also eight at a time.
#include "analysis/fft/EnginePasses.h"

#include "analysis/fft/Butterflies.h"
#include "analysis/fft/VectorLanes.h"

#include <cstdint>
#include <cstring>

namespace SgCore::fft::detail {
namespace {

// One butterfly at position t of rows `stride` apart, read from (r, i) and
// written to (dr, di); its twiddles are those of table position tt.
template <int P, typename T>
__attribute__((always_inline)) inline void Butterfly(const double* r, const double* i, double* dr,
                                                     double* di, Index stride, Index t, Index tt,
                                                     const double* twr, const double* twi) {
  T xr[P], xi[P];
  load(xr[0], r + t);
  load(xi[0], i + t);
  for (int q = 1; q < P; ++q) {
    T a, b;
    load(a, r + t + q * stride);
    load(b, i + t + q * stride);
    const Index at = TwiddleIndex(P, q, tt);
    T wr, wi;
    load(wr, twr + at);
    load(wi, twi + at);
    xr[q] = a * wr - b * wi;
    xi[q] = a * wi + b * wr;
  }
  Kernel<P>::Apply(xr, xi);
  for (int q = 0; q < P; ++q) {
    store(dr + t + q * stride, xr[q]);
    store(di + t + q * stride, xi[q]);
  }
}

// Rows at least this far apart (in doubles) fall into one cache set: a
// butterfly's 2P rows would then evict each other between neighbouring
// positions. Such passes copy a chunk of every row into a small buffer,
// whose rows do not collide, and back.
constexpr Index kCollidingStride = 512;
constexpr Index kChunk = 16, kChunkStride = kChunk + 4;

// Butterflies W positions at a time on vectors VW (V4 or V8), then four,
// then one.
template <int P, typename VW, int W>
__attribute__((always_inline)) inline void RunPass(const double* re, const double* im, double* dre,
                                                   double* dim, Index g0, Index g1, Index m,
                                                   Index t0, Index c, const double* twr,
                                                   const double* twi) {
  const Index span = m * P;
  if (P >= 8 && m >= kCollidingStride && c % kChunk == 0) {
    double br[P * kChunkStride], bi[P * kChunkStride];
    for (Index g = g0; g < g1; ++g) {
      const double* r = re + g * span + t0;
      const double* i = im + g * span + t0;
      double* dr = dre + g * span + t0;
      double* di = dim + g * span + t0;
      for (Index t = 0; t < c; t += kChunk) {
        for (int q = 0; q < P; ++q) {
          std::memcpy(br + q * kChunkStride, r + t + q * m, kChunk * sizeof(double));
          std::memcpy(bi + q * kChunkStride, i + t + q * m, kChunk * sizeof(double));
        }
        for (Index k = 0; k < kChunk; k += W)
          Butterfly<P, VW>(br, bi, br, bi, kChunkStride, k, t + k, twr, twi);
        for (int q = 0; q < P; ++q) {
          std::memcpy(dr + t + q * m, br + q * kChunkStride, kChunk * sizeof(double));
          std::memcpy(di + t + q * m, bi + q * kChunkStride, kChunk * sizeof(double));
        }
      }
    }
    return;
  }
  for (Index g = g0; g < g1; ++g) {
    const double* r = re + g * span + t0;
    const double* i = im + g * span + t0;
    double* dr = dre + g * span + t0;
    double* di = dim + g * span + t0;
    Index t = 0;
    for (; t + W <= c; t += W) Butterfly<P, VW>(r, i, dr, di, m, t, t, twr, twi);
    for (; t + 4 <= c; t += 4) Butterfly<P, V4>(r, i, dr, di, m, t, t, twr, twi);
    for (; t < c; ++t) Butterfly<P, double>(r, i, dr, di, m, t, t, twr, twi);
  }
}

}  // namespace

bool IsBuiltIn(int p) { return p == 2 || p == 3 || p == 4 || p == 5 || p == 8 || p == 10; }

namespace {

// The pass of radix p on vectors of W doubles.
template <typename VW, int W>
__attribute__((always_inline)) inline void RunPassOf(int p, double* re, double* im, Index g0,
                                                     Index g1, Index m, Index t0, Index c,
                                                     const double* twr, const double* twi,
                                                     double* outRe, double* outIm) {
  double* dre = outRe ? outRe : re;
  double* dim = outIm ? outIm : im;
  switch (p) {
    case 2: return RunPass<2, VW, W>(re, im, dre, dim, g0, g1, m, t0, c, twr, twi);
    case 3: return RunPass<3, VW, W>(re, im, dre, dim, g0, g1, m, t0, c, twr, twi);
    case 4: return RunPass<4, VW, W>(re, im, dre, dim, g0, g1, m, t0, c, twr, twi);
    case 5: return RunPass<5, VW, W>(re, im, dre, dim, g0, g1, m, t0, c, twr, twi);
    case 8: return RunPass<8, VW, W>(re, im, dre, dim, g0, g1, m, t0, c, twr, twi);
    case 10: return RunPass<10, VW, W>(re, im, dre, dim, g0, g1, m, t0, c, twr, twi);
  }
}

}  // namespace

SG_PASS_CLONES void RunPassFor(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0,
                               Index c, const double* twr, const double* twi, double* outRe,
                               double* outIm) {
  RunPassOf<V4, 4>(p, re, im, g0, g1, m, t0, c, twr, twi, outRe, outIm);
}

#ifdef SG_WIDE_LANES
SG_WIDE void RunPassForWide(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0,
                            Index c, const double* twr, const double* twi, double* outRe,
                            double* outIm) {
  RunPassOf<V8, 8>(p, re, im, g0, g1, m, t0, c, twr, twi, outRe, outIm);
}
#else
void RunPassForWide(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0, Index c,
                    const double* twr, const double* twi, double* outRe, double* outIm) {
  RunPassFor(p, re, im, g0, g1, m, t0, c, twr, twi, outRe, outIm);
}
#endif

void RunPassGeneral(int p, double* re, double* im, Index g0, Index g1, Index m, const Roots& roots,
                    Index stride, double* block) {
  // Block layout: twiddle powers, gathered inputs and roots (999 each, real
  // and imaginary), then the (p - 1) / 2 sums and differences.
  double* twr = block;
  double* twi = twr + 999;
  double* xr = twi + 999;
  double* xi = xr + 999;
  double* rc = xi + 999;
  double* rs = rc + 999;
  double* sr = rs + 999;
  double* si = sr + 500;
  double* dr = si + 500;
  double* di = dr + 500;
  const Index n = roots.size();
  for (int q = 0; q < p; ++q) roots.At(Index(q) * (n / p), rc[q], rs[q]);
  const int half = (p - 1) / 2;
  const Index span = m * p;
  for (Index t = 0; t < m; ++t) {
    for (int q = 1; q < p; ++q) roots.At(t * q * stride, twr[q], twi[q]);
    for (Index g = g0; g < g1; ++g) {
      double* r = re + g * span + t;
      double* i = im + g * span + t;
      xr[0] = r[0];
      xi[0] = i[0];
      for (int q = 1; q < p; ++q) {
        const double a = r[q * m], b = i[q * m];
        xr[q] = a * twr[q] - b * twi[q];
        xi[q] = a * twi[q] + b * twr[q];
      }
      double y0r = xr[0], y0i = xi[0];
      for (int q = 1; q <= half; ++q) {
        sr[q - 1] = xr[q] + xr[p - q];
        si[q - 1] = xi[q] + xi[p - q];
        dr[q - 1] = xr[q] - xr[p - q];
        di[q - 1] = xi[q] - xi[p - q];
        y0r += sr[q - 1];
        y0i += si[q - 1];
      }
      r[0] = y0r;
      i[0] = y0i;
      for (int k = 1; k <= half; ++k) {
        double ar = xr[0], ai = xi[0], br = 0, bi = 0;
        int idx = 0;
        for (int q = 1; q <= half; ++q) {
          idx += k;
          if (idx >= p) idx -= p;
          // rs holds -sin, so b sums -sin * d and y_k = a + i b.
          ar += rc[idx] * sr[q - 1];
          ai += rc[idx] * si[q - 1];
          br += rs[idx] * dr[q - 1];
          bi += rs[idx] * di[q - 1];
        }
        r[k * m] = ar - bi;
        i[k * m] = ai + br;
        r[(p - k) * m] = ar + bi;
        i[(p - k) * m] = ai - br;
      }
    }
  }
}

namespace {

// The gather fused with the first pass (m = 1, no twiddles): each group of P
// digit-reversed inputs is transformed on its way into the output.
template <int P>
__attribute__((flatten)) void GatherFirstPass(const double* inRe, const double* inIm, double* outRe,
                                              double* outIm, Index j0, Index j1,
                                              const std::vector<int>& f, const Index* weight) {
  int digit[64];
  Index src = 0, rest = j0 / P;
  for (size_t s = 1; s < f.size(); ++s) {
    digit[s] = int(rest % f[s]);
    rest /= f[s];
    src += digit[s] * weight[s];
  }
  const Index w0 = weight[0];
  for (Index j = j0; j < j1; j += P) {
    double xr[P], xi[P];
    for (int q = 0; q < P; ++q) {
      xr[q] = inRe[src + q * w0];
      xi[q] = inIm ? inIm[src + q * w0] : 0.0;
    }
    Kernel<P>::Apply(xr, xi);
    for (int q = 0; q < P; ++q) {
      outRe[j + q] = xr[q];
      outIm[j + q] = xi[q];
    }
    for (size_t s = 1; s < f.size(); ++s) {
      src += weight[s];
      if (++digit[s] < f[s]) break;
      src -= Index(f[s]) * weight[s];
      digit[s] = 0;
    }
  }
}

}  // namespace

namespace {

// The tabled gather: four neighbouring sources b..b+3 at a time, their P
// inputs b + q w0 read as vectors and transformed together, each lane's P
// outputs stored where its group begins, groupAt[b + lane].
template <int P>
__attribute__((always_inline)) inline void GatherTabled(const double* inRe, const double* inIm,
                                                        double* outRe, double* outIm, Index w0,
                                                        const std::uint32_t* groupAt) {
  for (Index b = 0; b < w0; b += 4) {
    V4 xr[P], xi[P];
    for (int q = 0; q < P; ++q) {
      load(xr[q], inRe + b + q * w0);
      if (inIm)
        load(xi[q], inIm + b + q * w0);
      else
        xi[q] = V4{0, 0, 0, 0};
    }
    Kernel<P>::Apply(xr, xi);
    if constexpr (P % 4 == 0) {
      // Four outputs of each lane side by side, stored as one vector.
      for (int q0 = 0; q0 < P; q0 += 4) {
        Transpose4(xr + q0);
        Transpose4(xi + q0);
        for (int lane = 0; lane < 4; ++lane) {
          store(outRe + groupAt[b + lane] + q0, xr[q0 + lane]);
          store(outIm + groupAt[b + lane] + q0, xi[q0 + lane]);
        }
      }
    } else {
      for (int lane = 0; lane < 4; ++lane) {
        double* r = outRe + groupAt[b + lane];
        double* i = outIm + groupAt[b + lane];
        for (int q = 0; q < P; ++q) {
          r[q] = xr[q][lane];
          i[q] = xi[q][lane];
        }
      }
    }
  }
}

}  // namespace

// The gather with the first two passes, both radix 4, for sixteen outputs
// at a time: the four groups 4k..4k+3 of the first pass (their sources
// base[k] + l * w1 + q * w0) in the lanes of four vectors, transformed,
// transposed so that each vector is one row of the second pass over its four
// positions, twiddled and transformed again, each row stored as one vector.
// GCC takes the lane-by-lane construction of a vector for a read of it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
SG_PASS_CLONES void GatherWithTwoRadix4Passes(const double* inRe, const double* inIm, double* outRe,
                                              double* outIm, Index n, Index w0, Index w1,
                                              const std::uint32_t* base, const double* twr,
                                              const double* twi) {
  for (Index k = 0; k < n / 16; ++k) {
    V4 xr[4], xi[4];
    const Index b = base[k];
    for (int q = 0; q < 4; ++q) {
      const Index at = b + q * w0;
      xr[q] = V4{inRe[at], inRe[at + w1], inRe[at + 2 * w1], inRe[at + 3 * w1]};
      xi[q] =
          inIm ? V4{inIm[at], inIm[at + w1], inIm[at + 2 * w1], inIm[at + 3 * w1]} : V4{0, 0, 0, 0};
    }
    Kernel<4>::Apply(xr, xi);
    Transpose4(xr);
    Transpose4(xi);
    for (int r = 1; r < 4; ++r) {
      V4 wr, wi;
      load(wr, twr + TwiddleIndex(4, r, 0));
      load(wi, twi + TwiddleIndex(4, r, 0));
      const V4 a = xr[r], c = xi[r];
      xr[r] = a * wr - c * wi;
      xi[r] = a * wi + c * wr;
    }
    Kernel<4>::Apply(xr, xi);
    for (int r = 0; r < 4; ++r) {
      store(outRe + 16 * k + 4 * r, xr[r]);
      store(outIm + 16 * k + 4 * r, xi[r]);
    }
  }
}
#pragma GCC diagnostic pop

SG_PASS_CLONES void GatherWithFirstPassTabled(int p, const double* inRe, const double* inIm,
                                              double* outRe, double* outIm, Index w0,
                                              const std::uint32_t* groupAt) {
  switch (p) {
    case 2: return GatherTabled<2>(inRe, inIm, outRe, outIm, w0, groupAt);
    case 3: return GatherTabled<3>(inRe, inIm, outRe, outIm, w0, groupAt);
    case 4: return GatherTabled<4>(inRe, inIm, outRe, outIm, w0, groupAt);
    case 5: return GatherTabled<5>(inRe, inIm, outRe, outIm, w0, groupAt);
    case 8: return GatherTabled<8>(inRe, inIm, outRe, outIm, w0, groupAt);
    case 10: return GatherTabled<10>(inRe, inIm, outRe, outIm, w0, groupAt);
  }
}

bool GatherWithFirstPass(const double* inRe, const double* inIm, double* outRe, double* outIm,
                         Index j0, Index j1, const std::vector<int>& f, const Index* weight) {
  switch (f[0]) {
    case 2: GatherFirstPass<2>(inRe, inIm, outRe, outIm, j0, j1, f, weight); return true;
    case 3: GatherFirstPass<3>(inRe, inIm, outRe, outIm, j0, j1, f, weight); return true;
    case 4: GatherFirstPass<4>(inRe, inIm, outRe, outIm, j0, j1, f, weight); return true;
    case 5: GatherFirstPass<5>(inRe, inIm, outRe, outIm, j0, j1, f, weight); return true;
    case 8: GatherFirstPass<8>(inRe, inIm, outRe, outIm, j0, j1, f, weight); return true;
    case 10: GatherFirstPass<10>(inRe, inIm, outRe, outIm, j0, j1, f, weight); return true;
  }
  GatherDigitReversed(inRe, inIm, outRe, outIm, j0, j1, f, weight);
  return false;
}

void GatherDigitReversed(const double* inRe, const double* inIm, double* outRe, double* outIm,
                         Index j0, Index j1, const std::vector<int>& f, const Index* weight) {
  int digit[64];
  Index src = 0, rest = j0;
  for (size_t s = 0; s < f.size(); ++s) {
    digit[s] = int(rest % f[s]);
    rest /= f[s];
    src += digit[s] * weight[s];
  }
  const Index w0 = weight[0];
  const int f0 = f[0];
  for (Index j = j0; j < j1;) {
    // The lowest digit runs through its base with stride w0.
    for (int d = digit[0]; d < f0 && j < j1; ++d, ++j, src += w0) {
      outRe[j] = inRe[src];
      outIm[j] = inIm ? inIm[src] : 0.0;
    }
    src -= Index(f0) * w0;
    digit[0] = 0;
    for (size_t s = 1; s < f.size(); ++s) {
      src += weight[s];
      if (++digit[s] < f[s]) break;
      src -= Index(f[s]) * weight[s];
      digit[s] = 0;
    }
  }
}

void FillTwiddles(const Roots& roots, Index stride, int p, Index t0, Index c, double* twr,
                  double* twi) {
  for (int q = 1; q < p; ++q)
    for (Index t = 0; t < c; ++t) {
      const Index at = TwiddleIndex(p, q, t);
      roots.At((t0 + t) * q * stride, twr[at], twi[at]);
    }
}

}  // namespace SgCore::fft::detail
