// Decimation in time: the input is gathered in digit-reversed order, then one
// radix-p pass per factor. Passes whose butterflies span at most kBlockSpan
// points run block by block while the block is in cache, with their twiddles
// tabled once; wider passes take their twiddles in chunks from the work block.
#include "analysis/fft/MixedRadixEngine.h"

#include "analysis/core/CoreErrors.h"
#include "analysis/fft/Butterflies.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace SgCore::fft {
namespace {

using detail::Kernel;
constexpr Index kBlockSpan = 16384;
constexpr int kBlockDoubles = kWorkBlockBytes / sizeof(double);

// One pass of radix P over groups [g0, g1) and twiddle positions
// [t0, t0 + c); twiddle q (1..P-1) of position t is tw[(q - 1) * c + t - t0].
template <int P>
void RunPass(double* __restrict re, double* __restrict im, Index g0, Index g1, Index m, Index t0,
             Index c, const double* __restrict twr, const double* __restrict twi) {
  const Index span = m * P;
  for (Index g = g0; g < g1; ++g) {
    double* __restrict r = re + g * span + t0;
    double* __restrict i = im + g * span + t0;
    for (Index t = 0; t < c; ++t) {
      double xr[P], xi[P];
      xr[0] = r[t];
      xi[0] = i[t];
      for (int q = 1; q < P; ++q) {
        const double a = r[t + q * m], b = i[t + q * m];
        const double wr = twr[(q - 1) * c + t], wi = twi[(q - 1) * c + t];
        xr[q] = a * wr - b * wi;
        xi[q] = a * wi + b * wr;
      }
      Kernel<P>::Apply(xr, xi);
      for (int q = 0; q < P; ++q) {
        r[t + q * m] = xr[q];
        i[t + q * m] = xi[q];
      }
    }
  }
}

void RunPassFor(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0, Index c,
                const double* twr, const double* twi) {
  switch (p) {
    case 2: return RunPass<2>(re, im, g0, g1, m, t0, c, twr, twi);
    case 3: return RunPass<3>(re, im, g0, g1, m, t0, c, twr, twi);
    case 4: return RunPass<4>(re, im, g0, g1, m, t0, c, twr, twi);
    case 5: return RunPass<5>(re, im, g0, g1, m, t0, c, twr, twi);
    case 8: return RunPass<8>(re, im, g0, g1, m, t0, c, twr, twi);
    case 10: return RunPass<10>(re, im, g0, g1, m, t0, c, twr, twi);
  }
}

bool IsBuiltIn(int p) { return p == 2 || p == 3 || p == 4 || p == 5 || p == 8 || p == 10; }

// Odd radix p > 5: sums and differences of mirrored inputs against the p-th
// roots, O(p^2) per butterfly. Scratch lives in the work block.
void RunPassGeneral(int p, double* re, double* im, Index g0, Index g1, Index m,
                    const Roots& roots, Index stride, double* block) {
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
          // rs holds -sin, so b accumulates -sin * d, and y = a + i b.
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

// Writes out[j] = in[rev(j)] for j in [j0, j1): the digits of j, least
// significant in the first factor's base, weighted by n / (f0 ... fs).
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
    for (Index t = 0; t < c; ++t)
      roots.At((t0 + t) * q * stride, twr[(q - 1) * c + t], twi[(q - 1) * c + t]);
}

}  // namespace

int MixedRadixFft(const double* inRe, const double* inIm, double* outRe, double* outIm, Index n,
                  const std::vector<int>& factors, double* block) {
  if (n == 1) {
    outRe[0] = inRe[0];
    outIm[0] = inIm ? inIm[0] : 0.0;
    return 0;
  }
  try {
    const size_t passes = factors.size();
    std::vector<Index> weight(passes), span(passes + 1);
    span[0] = 1;
    for (size_t s = 0; s < passes; ++s) span[s + 1] = span[s] * factors[s];
    for (size_t s = 0; s < passes; ++s) weight[s] = n / span[s + 1];
    const Roots roots(n);

    // Passes that fit a cache block, with their twiddle tables.
    size_t early = 1;
    while (early < passes && span[early + 1] <= kBlockSpan) ++early;
    const Index blockLen = span[early];
    std::vector<Index> tableAt(early + 1, 0);
    for (size_t s = 0; s < early; ++s)
      tableAt[s + 1] = tableAt[s] + (IsBuiltIn(factors[s]) ? span[s] * (factors[s] - 1) : 0);
    std::vector<double> tabR(tableAt[early]), tabI(tableAt[early]);
    for (size_t s = 0; s < early; ++s)
      if (IsBuiltIn(factors[s]))
        FillTwiddles(roots, n / span[s + 1], factors[s], 0, span[s], &tabR[tableAt[s]],
                     &tabI[tableAt[s]]);

    for (Index b = 0; b < n; b += blockLen) {
      GatherDigitReversed(inRe, inIm, outRe, outIm, b, b + blockLen, factors, weight.data());
      double* r = outRe + b;
      double* i = outIm + b;
      for (size_t s = 0; s < early; ++s) {
        const int p = factors[s];
        const Index m = span[s], groups = blockLen / span[s + 1];
        if (IsBuiltIn(p))
          RunPassFor(p, r, i, 0, groups, m, 0, m, &tabR[tableAt[s]], &tabI[tableAt[s]]);
        else
          RunPassGeneral(p, r, i, 0, groups, m, roots, n / span[s + 1], block);
      }
    }

    for (size_t s = early; s < passes; ++s) {
      const int p = factors[s];
      const Index m = span[s], groups = n / span[s + 1], stride = n / span[s + 1];
      if (!IsBuiltIn(p)) {
        RunPassGeneral(p, outRe, outIm, 0, groups, m, roots, stride, block);
        continue;
      }
      const Index chunk = std::min<Index>(m, kBlockDoubles / (2 * (p - 1)));
      double* twr = block;
      double* twi = block + chunk * (p - 1);
      for (Index t0 = 0; t0 < m; t0 += chunk) {
        const Index c = std::min(chunk, m - t0);
        FillTwiddles(roots, stride, p, t0, c, twr, twi);
        RunPassFor(p, outRe, outIm, 0, groups, m, t0, c, twr, twi);
      }
    }
  } catch (const std::bad_alloc&) {
    return ErrOutOfMemory;
  }
  return 0;
}

namespace {
struct FreeDeleter {
  void operator()(double* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<double[], FreeDeleter>;
Buffer Allocate(Index count) {
  return Buffer(static_cast<double*>(std::malloc(size_t(count) * sizeof(double))));
}
}  // namespace

int PooledFft(double* re, double* im, Index n, double scale) {
  const std::vector<int> factors = FftFactorize(n);
  Buffer outRe = Allocate(n), outIm = Allocate(n);
  if (!outRe || !outIm) return ErrOutOfMemory;
  double* block = FftWorkBlockAcquire();
  if (!block) return ErrOutOfMemory;
  const int code = MixedRadixFft(re, im, outRe.get(), outIm.get(), n, factors, block);
  FftWorkBlockRelease(block);
  if (code != 0) return code;
  if (scale == 1.0) {
    std::memcpy(re, outRe.get(), size_t(n) * sizeof(double));
    std::memcpy(im, outIm.get(), size_t(n) * sizeof(double));
  } else {
    for (Index k = 0; k < n; ++k) {
      re[k] = outRe[k] * scale;
      im[k] = outIm[k] * scale;
    }
  }
  return 0;
}

int AnyLengthFft(double* re, double* im, Index n, double scale) {
  if (n == 1) {
    re[0] *= scale;
    im[0] *= scale;
    return 0;
  }
  if (!IsPowerOfTwo(n)) {
    const std::vector<int> f = FftFactorize(n);
    if (*std::max_element(f.begin(), f.end()) > kMaxEngineFactor) return ChirpFft(re, im, n, scale);
  }
  return PooledFft(re, im, n, scale);
}

}  // namespace SgCore::fft
