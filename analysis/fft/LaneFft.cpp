// The lane transforms: decimation in time over vectors whose four lanes are
// four independent sequences; twiddles are the same for every lane.
#include "analysis/fft/LaneFft.h"

#include "analysis/fft/Butterflies.h"
#include "analysis/fft/VectorLanes.h"

#include <atomic>
#include <cmath>
#include <cstring>

namespace SgCore::fft {
namespace {

using detail::Kernel;
using detail::load;
using detail::store;
using detail::Transpose4;
using detail::Transpose8;
using detail::V4;
using detail::V8;
__attribute__((always_inline)) inline void Transpose(V4* v) { Transpose4(v); }
__attribute__((always_inline)) inline void Transpose(V8* v) { Transpose8(v); }

bool BuiltIn(int p) { return p == 2 || p == 3 || p == 4 || p == 5 || p == 8 || p == 10; }

// The gather in digit-reversed order fused with the first pass of radix P,
// on vectors V of L lanes.
template <int P, typename V, int L>
__attribute__((always_inline)) inline void GatherFirst(const double* sr, const double* si,
                                                       Index stride, double* outR, double* outI,
                                                       Index len, const std::vector<int>& f,
                                                       const Index* weight) {
  int digit[64] = {};
  Index src = 0;
  const Index w0 = weight[0] * stride;
  for (Index j = 0; j < len; j += P) {
    V xr[P], xi[P];
    const Index at = src * stride;
    for (int q = 0; q < P; ++q) {
      load(xr[q], sr + at + q * w0);
      load(xi[q], si + at + q * w0);
    }
    Kernel<P>::Apply(xr, xi);
    for (int q = 0; q < P; ++q) {
      store(outR + L * (j + q), xr[q]);
      store(outI + L * (j + q), xi[q]);
    }
    for (size_t s = 1; s < f.size(); ++s) {
      src += weight[s];
      if (++digit[s] < f[s]) break;
      src -= Index(f[s]) * weight[s];
      digit[s] = 0;
    }
  }
}

// A pass of radix P over the whole buffer: rows m vectors apart, twiddle q
// of position t at tw[t * (P - 1) + q - 1].
template <int P, typename V, int L>
__attribute__((always_inline)) inline void Pass(double* r, double* i, Index len, Index m,
                                                const double* twr, const double* twi) {
  const Index span = m * P;
  for (Index g = 0; g < len; g += span) {
    for (Index t = 0; t < m; ++t) {
      double* br = r + L * (g + t);
      double* bi = i + L * (g + t);
      V xr[P], xi[P];
      load(xr[0], br);
      load(xi[0], bi);
      const double* wr = twr + t * (P - 1);
      const double* wi = twi + t * (P - 1);
      for (int q = 1; q < P; ++q) {
        V a, b;
        load(a, br + L * q * m);
        load(b, bi + L * q * m);
        xr[q] = a * wr[q - 1] - b * wi[q - 1];
        xi[q] = a * wi[q - 1] + b * wr[q - 1];
      }
      Kernel<P>::Apply(xr, xi);
      for (int q = 0; q < P; ++q) {
        store(br + L * q * m, xr[q]);
        store(bi + L * q * m, xi[q]);
      }
    }
  }
}

#define SG_LANE_RADIX(X) X(2) X(3) X(4) X(5) X(8) X(10)

template <typename V, int L>
__attribute__((always_inline)) inline void LanesOf(const double* sr, const double* si, Index stride,
                                                   double* outR, double* outI, Index len,
                                                   const std::vector<int>& f, const Index* weight,
                                                   const Index* span, const Index* tableAt,
                                                   const double* twR, const double* twI) {
  switch (f[0]) {
#define SG_CASE(P) \
  case P: GatherFirst<P, V, L>(sr, si, stride, outR, outI, len, f, weight); break;
    SG_LANE_RADIX(SG_CASE)
#undef SG_CASE
  }
  for (size_t s = 1; s < f.size(); ++s) {
    switch (f[s]) {
#define SG_CASE(P) \
  case P: Pass<P, V, L>(outR, outI, len, span[s], twR + tableAt[s], twI + tableAt[s]); break;
      SG_LANE_RADIX(SG_CASE)
#undef SG_CASE
    }
  }
}

SG_PASS_CLONES void RunLanes(const double* sr, const double* si, Index stride, double* outR,
                             double* outI, Index len, const std::vector<int>& f,
                             const Index* weight, const Index* span, const Index* tableAt,
                             const double* twR, const double* twI) {
  LanesOf<V4, 4>(sr, si, stride, outR, outI, len, f, weight, span, tableAt, twR, twI);
}

// L columns' twiddles and an L x L transpose on the way to the rows:
// element k1 of column j2 = j2a + l (lane l of vector k1) times
// w^(j2 k1) = w^(j2a k1) w^(l k1) goes to row k1, element j2, of t, which
// holds the rows in strips of eight (row k1 element j2 at
// (k1 / 8) * 8 n2 + 8 j2 + k1 % 8), so the row transforms read a strip as it
// lies. laneR/laneI hold w^(l k1) as vector k1.
// Vector k1 of the column transforms in (br, bi), lanes j2a + l, times
// w^(j2 k1) = w^(j2a k1) w^(l k1).
template <typename V, int L>
__attribute__((always_inline)) inline void Twiddled(const double* br, const double* bi, Index k1,
                                                    Index j2a, const Roots& roots,
                                                    const double* laneR, const double* laneI, V& yr,
                                                    V& yi) {
  double cr, ci;
  roots.At(j2a * k1, cr, ci);
  V lr, li;
  load(lr, laneR + L * k1);
  load(li, laneI + L * k1);
  const V wr = lr * cr - li * ci, wi = lr * ci + li * cr;
  V xr, xi;
  load(xr, br + L * k1);
  load(xi, bi + L * k1);
  yr = xr * wr - xi * wi;
  yi = xr * wi + xi * wr;
}

template <typename V, int L>
__attribute__((always_inline)) inline void TwiddleTransposeOf(
    const double* br, const double* bi, Index n1, Index n2, Index j2a, const Roots& roots,
    const double* laneR, const double* laneI, double* tr, double* ti) {
  for (Index k1 = 0; k1 < n1; k1 += L) {
    V vr[L], vi[L];
    for (int a = 0; a < L; ++a)
      Twiddled<V, L>(br, bi, k1 + a, j2a, roots, laneR, laneI, vr[a], vi[a]);
    Transpose(vr);
    Transpose(vi);
    const Index strip = k1 / 8 * 8 * n2 + k1 % 8;
    for (int l = 0; l < L; ++l) {
      store(tr + strip + 8 * (j2a + l), vr[l]);
      store(ti + strip + 8 * (j2a + l), vi[l]);
    }
  }
}

SG_PASS_CLONES void TwiddleTranspose(const double* br, const double* bi, Index n1, Index n2,
                                     Index j2a, const Roots& roots, const double* laneR,
                                     const double* laneI, double* tr, double* ti) {
  TwiddleTransposeOf<V4, 4>(br, bi, n1, n2, j2a, roots, laneR, laneI, tr, ti);
}

// Eight neighbouring columns of rows `stride` apart into a strip of rows of
// eight, so each source cache line is read once, whole.
void CopyStrip(const double* re, const double* im, Index stride, Index rows, double* sr,
               double* si) {
  for (Index j = 0; j < rows; ++j) {
    std::memcpy(sr + 8 * j, re + j * stride, 8 * sizeof(double));
    std::memcpy(si + 8 * j, im + j * stride, 8 * sizeof(double));
  }
}

// Eight rows' results (two halves of four lanes, `half` apart), element k2
// of row k1 to x[k1 + n1 k2], times scale: one whole cache line a k2.
SG_PASS_CLONES void StoreRows(const double* br, const double* bi, Index half, Index n2, Index n1,
                              Index k1a, double scale, double* re, double* im) {
  for (Index k2 = 0; k2 < n2; ++k2) {
    for (Index h = 0; h < 2; ++h) {
      V4 r, i;
      load(r, br + h * half + 4 * k2);
      load(i, bi + h * half + 4 * k2);
      if (scale != 1.0) {
        r *= scale;
        i *= scale;
      }
      store(re + k1a + 4 * h + n1 * k2, r);
      store(im + k1a + 4 * h + n1 * k2, i);
    }
  }
}

#ifdef SG_WIDE_LANES
// The same on vectors of eight: the transforms, the twiddles with an 8 x 8
// transpose (a vector of one column's rows k1..k1+7 is one run of the row
// strip), and the stores of eight rows' results, one whole cache line a k2.
SG_WIDE void RunLanes8(const double* sr, const double* si, Index stride, double* outR, double* outI,
                       Index len, const std::vector<int>& f, const Index* weight, const Index* span,
                       const Index* tableAt, const double* twR, const double* twI) {
  LanesOf<V8, 8>(sr, si, stride, outR, outI, len, f, weight, span, tableAt, twR, twI);
}

SG_WIDE void TwiddleTranspose8(const double* br, const double* bi, Index n1, Index n2, Index j2a,
                               const Roots& roots, const double* laneR, const double* laneI,
                               double* tr, double* ti) {
  TwiddleTransposeOf<V8, 8>(br, bi, n1, n2, j2a, roots, laneR, laneI, tr, ti);
}

SG_WIDE void StoreRows8(const double* br, const double* bi, Index n2, Index n1, Index k1a,
                        double scale, double* re, double* im) {
  for (Index k2 = 0; k2 < n2; ++k2) {
    V8 r, i;
    load(r, br + 8 * k2);
    load(i, bi + 8 * k2);
    if (scale != 1.0) {
      r *= scale;
      i *= scale;
    }
    store(re + k1a + n1 * k2, r);
    store(im + k1a + n1 * k2, i);
  }
}

// The square split in place (InPlace()): the twiddled columns go back where
// they came from, each band of eight rows is transposed into a strip for
// the row transforms and their results back into the band, and the matrix
// is transposed in place at the end. No scratch of the whole length: a
// first call then touches no fresh memory beyond a few strips.
SG_WIDE void TwiddleInPlace8(const double* br, const double* bi, Index n1, Index n2, Index j2a,
                             const Roots& roots, const double* laneR, const double* laneI,
                             double* re, double* im) {
  for (Index k1 = 0; k1 < n1; ++k1) {
    V8 yr, yi;
    Twiddled<V8, 8>(br, bi, k1, j2a, roots, laneR, laneI, yr, yi);
    store(re + k1 * n2 + j2a, yr);
    store(im + k1 * n2 + j2a, yi);
  }
}

// dst[i * to + e] = src[e * from + i] * scale for i, e < 8.
__attribute__((always_inline)) inline void TransposeBlock8(const double* src, Index from,
                                                           double* dst, Index to, double scale) {
  V8 v[8];
  for (int e = 0; e < 8; ++e) load(v[e], src + e * from);
  Transpose8(v);
  for (int i = 0; i < 8; ++i) {
    if (scale != 1.0) v[i] *= scale;
    store(dst + i * to, v[i]);
  }
}

// Eight rows of n2 values, n2 apart, into a strip of eight lanes (value j
// of row l at 8 j + l), or back.
SG_WIDE void TransposeBand8(const double* src, double* dst, Index n2, bool toStrip) {
  for (Index j = 0; j < n2; j += 8) {
    if (toStrip)
      TransposeBlock8(src + j, n2, dst + 8 * j, 8, 1.0);
    else
      TransposeBlock8(src + 8 * j, 8, dst + j, n2, 1.0);
  }
}

// The n x n matrix x transposed in place, every value times scale.
SG_WIDE void TransposeSquare8(double* x, Index n, double scale) {
  for (Index a = 0; a < n; a += 8) {
    double* diagonal = x + a * n + a;
    TransposeBlock8(diagonal, n, diagonal, n, scale);
    for (Index b = a + 8; b < n; b += 8) {
      double* upper = x + a * n + b;
      double* lower = x + b * n + a;
      V8 u[8], l[8];
      for (int e = 0; e < 8; ++e) {
        load(u[e], upper + e * n);
        load(l[e], lower + e * n);
      }
      Transpose8(u);
      Transpose8(l);
      for (int e = 0; e < 8; ++e) {
        if (scale != 1.0) {
          u[e] *= scale;
          l[e] *= scale;
        }
        store(lower + e * n, u[e]);
        store(upper + e * n, l[e]);
      }
    }
  }
}
#endif

std::atomic<bool> g_wideAllowed{true};

}  // namespace

bool LanePlan::Serves(Index len) {
  if (len < 2) return false;
  for (int f : FftFactorize(len))
    if (!BuiltIn(f)) return false;
  return true;
}

LanePlan::LanePlan(Index len) : len_(len), factors_(FftFactorize(len)) {
  const size_t passes = factors_.size();
  span_.assign(passes + 1, 1);
  weight_.assign(passes, 1);
  for (size_t s = 0; s < passes; ++s) span_[s + 1] = span_[s] * factors_[s];
  for (size_t s = 0; s < passes; ++s) weight_[s] = len / span_[s + 1];
  tableAt_.assign(passes + 1, 0);
  for (size_t s = 0; s < passes; ++s)
    tableAt_[s + 1] = tableAt_[s] + (s ? span_[s] * (factors_[s] - 1) : 0);
  twR_.resize(tableAt_[passes]);
  twI_.resize(tableAt_[passes]);
  const Roots roots(len);
  for (size_t s = 1; s < passes; ++s) {
    const int p = factors_[s];
    const Index m = span_[s], stride = len / span_[s + 1];
    for (Index t = 0; t < m; ++t)
      for (int q = 1; q < p; ++q) {
        const Index at = tableAt_[s] + t * (p - 1) + q - 1;
        roots.At(t * q * stride, twR_[at], twI_[at]);
      }
  }
}

void LanePlan::Run(const double* srcRe, const double* srcIm, Index stride, double* outRe,
                   double* outIm) const {
  RunLanes(srcRe, srcIm, stride, outRe, outIm, len_, factors_, weight_.data(), span_.data(),
           tableAt_.data(), twR_.data(), twI_.data());
}

#ifdef SG_WIDE_LANES
void LanePlan::RunWide(const double* srcRe, const double* srcIm, Index stride, double* outRe,
                       double* outIm) const {
  RunLanes8(srcRe, srcIm, stride, outRe, outIm, len_, factors_, weight_.data(), span_.data(),
            tableAt_.data(), twR_.data(), twI_.data());
}
#endif

void AllowWideLanesForTesting(bool allowed) { g_wideAllowed.store(allowed); }

namespace detail {
bool WideLanesAvailable() {
#ifdef SG_WIDE_LANES
  static const bool cpu = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                          __builtin_cpu_supports("avx512vl") &&
                          __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512cd");
  return cpu && g_wideAllowed.load(std::memory_order_relaxed);
#else
  return false;
#endif
}
}  // namespace detail

Index LaneFourStep::Split(Index n) {
  if (n % 64 != 0 || !LanePlan::Serves(n)) return 0;
  // Of the multiples of 8 that divide n into two lengths of built-in
  // factors, both multiples of 8, the one nearest sqrt(n) from below; for a
  // power of two the one nearest sqrt(n / 2) (the smaller on a tie), since
  // rows twice as long as the columns measured faster there (65,536:
  // 128 x 512 against 256 x 256), where a square split puts both steps'
  // strides on the same power of two. On eight lanes rows sixteen times as
  // long measured fastest (65,536: 64 x 1024 0.21 ms against 128 x 512
  // 0.25 ms; 2^20: 256 x 4096 8.1 ms against 512 x 2048 9.0 ms).
  const double ratio = detail::WideLanesAvailable() ? 16 : 2;
  const double target = IsPowerOfTwo(n) ? std::log(std::sqrt(double(n) / ratio)) : 0.0;
  const double root = std::sqrt(double(n));
  Index best = 0;
  double bestDistance = 1e300;
  for (Index n1 = 8; n1 * 8 <= n; n1 += 8) {
    if (n % n1 != 0 || (n / n1) % 8 != 0 || !LanePlan::Serves(n1) || !LanePlan::Serves(n / n1))
      continue;
    if (!IsPowerOfTwo(n)) {
      if (double(n1) <= root) best = n1;
      continue;
    }
    const double distance = std::abs(std::log(double(n1)) - target);
    if (distance < bestDistance - 1e-9) {
      best = n1;
      bestDistance = distance;
    }
  }
  return best;
}

LaneFourStep::LaneFourStep(Index n, Index n1)
    : n_(n), n1_(n1), n2_(n / n1), columns_(n1), rows_(n / n1), roots_(n) {
  const Index lanes = detail::WideLanesAvailable() ? 8 : 4;
  laneR_.resize(lanes * n1_);
  laneI_.resize(lanes * n1_);
  for (Index k1 = 0; k1 < n1_; ++k1)
    for (Index l = 0; l < lanes; ++l)
      roots_.At(l * k1, laneR_[lanes * k1 + l], laneI_[lanes * k1 + l]);
  wide_ = lanes == 8;
}

void LaneFourStep::Run(double* re, double* im, double scale, double* tr, double* ti, double* sr,
                       double* si, double* br, double* bi) const {
#ifdef SG_WIDE_LANES
  if (InPlace()) {
    for (Index j2a = 0; j2a < n2_; j2a += 8) {
      columns_.RunWide(re + j2a, im + j2a, n2_, br, bi);
      TwiddleInPlace8(br, bi, n1_, n2_, j2a, roots_, laneR_.data(), laneI_.data(), re, im);
    }
    for (Index k1a = 0; k1a < n1_; k1a += 8) {
      TransposeBand8(re + k1a * n2_, sr, n2_, true);
      TransposeBand8(im + k1a * n2_, si, n2_, true);
      rows_.RunWide(sr, si, 8, br, bi);
      TransposeBand8(br, re + k1a * n2_, n2_, false);
      TransposeBand8(bi, im + k1a * n2_, n2_, false);
    }
    TransposeSquare8(re, n1_, scale);
    TransposeSquare8(im, n1_, scale);
    return;
  }
  if (wide_) {
    // Eight lanes take a row's eight columns in one load: no strip copy.
    for (Index j2a = 0; j2a < n2_; j2a += 8) {
      columns_.RunWide(re + j2a, im + j2a, n2_, br, bi);
      TwiddleTranspose8(br, bi, n1_, n2_, j2a, roots_, laneR_.data(), laneI_.data(), tr, ti);
    }
    for (Index k1a = 0; k1a < n1_; k1a += 8) {
      rows_.RunWide(tr + k1a * n2_, ti + k1a * n2_, 8, br, bi);
      StoreRows8(br, bi, n2_, n1_, k1a, scale, re, im);
    }
    return;
  }
#endif
  const Index half = 4 * BufferLength();
  for (Index j2a = 0; j2a < n2_; j2a += 8) {
    CopyStrip(re + j2a, im + j2a, n2_, n1_, sr, si);
    for (Index h = 0; h < 2; ++h) {
      columns_.Run(sr + 4 * h, si + 4 * h, 8, br + h * half, bi + h * half);
      TwiddleTranspose(br + h * half, bi + h * half, n1_, n2_, j2a + 4 * h, roots_, laneR_.data(),
                       laneI_.data(), tr, ti);
    }
  }
  for (Index k1a = 0; k1a < n1_; k1a += 8) {
    const Index strip = k1a * n2_;
    for (Index h = 0; h < 2; ++h)
      rows_.Run(tr + strip + 4 * h, ti + strip + 4 * h, 8, br + h * half, bi + h * half);
    StoreRows(br, bi, half, n2_, n1_, k1a, scale, re, im);
  }
}

}  // namespace SgCore::fft
