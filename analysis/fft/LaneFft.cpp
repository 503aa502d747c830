// The lane transforms: decimation in time over vectors whose four lanes are
// four independent sequences; twiddles are the same for every lane.
#include "analysis/fft/LaneFft.h"

#include "analysis/fft/Butterflies.h"
#include "analysis/fft/VectorLanes.h"

#include <cmath>
#include <cstring>

namespace SgCore::fft {
namespace {

using detail::Kernel;
using detail::load;
using detail::store;
using detail::Transpose4;
using detail::V4;

bool BuiltIn(int p) { return p == 2 || p == 3 || p == 4 || p == 5 || p == 8 || p == 10; }

// The gather in digit-reversed order fused with the first pass of radix P.
template <int P>
__attribute__((always_inline)) inline void GatherFirst(const double* sr, const double* si,
                                                       Index stride, double* outR, double* outI,
                                                       Index len, const std::vector<int>& f,
                                                       const Index* weight) {
  int digit[64] = {};
  Index src = 0;
  const Index w0 = weight[0] * stride;
  for (Index j = 0; j < len; j += P) {
    V4 xr[P], xi[P];
    const Index at = src * stride;
    for (int q = 0; q < P; ++q) {
      load(xr[q], sr + at + q * w0);
      load(xi[q], si + at + q * w0);
    }
    Kernel<P>::Apply(xr, xi);
    for (int q = 0; q < P; ++q) {
      store(outR + 4 * (j + q), xr[q]);
      store(outI + 4 * (j + q), xi[q]);
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
template <int P>
__attribute__((always_inline)) inline void Pass(double* r, double* i, Index len, Index m,
                                                const double* twr, const double* twi) {
  const Index span = m * P;
  for (Index g = 0; g < len; g += span) {
    for (Index t = 0; t < m; ++t) {
      double* br = r + 4 * (g + t);
      double* bi = i + 4 * (g + t);
      V4 xr[P], xi[P];
      load(xr[0], br);
      load(xi[0], bi);
      const double* wr = twr + t * (P - 1);
      const double* wi = twi + t * (P - 1);
      for (int q = 1; q < P; ++q) {
        V4 a, b;
        load(a, br + 4 * q * m);
        load(b, bi + 4 * q * m);
        xr[q] = a * wr[q - 1] - b * wi[q - 1];
        xi[q] = a * wi[q - 1] + b * wr[q - 1];
      }
      Kernel<P>::Apply(xr, xi);
      for (int q = 0; q < P; ++q) {
        store(br + 4 * q * m, xr[q]);
        store(bi + 4 * q * m, xi[q]);
      }
    }
  }
}

#define SG_LANE_RADIX(X) X(2) X(3) X(4) X(5) X(8) X(10)

SG_PASS_CLONES void RunLanes(const double* sr, const double* si, Index stride, double* outR,
                             double* outI, Index len, const std::vector<int>& f,
                             const Index* weight, const Index* span, const Index* tableAt,
                             const double* twR, const double* twI) {
  switch (f[0]) {
#define SG_CASE(P) \
  case P: GatherFirst<P>(sr, si, stride, outR, outI, len, f, weight); break;
    SG_LANE_RADIX(SG_CASE)
#undef SG_CASE
  }
  for (size_t s = 1; s < f.size(); ++s) {
    switch (f[s]) {
#define SG_CASE(P) \
  case P: Pass<P>(outR, outI, len, span[s], twR + tableAt[s], twI + tableAt[s]); break;
      SG_LANE_RADIX(SG_CASE)
#undef SG_CASE
    }
  }
}

// Four columns' twiddles and a 4 x 4 transpose on the way to the rows:
// element k1 of column j2 = j2a + l (lane l of vector k1) times
// w^(j2 k1) = w^(j2a k1) w^(l k1) goes to row k1, element j2, of t, which
// holds the rows in strips of eight (row k1 element j2 at
// (k1 / 8) * 8 n2 + 8 j2 + k1 % 8), so the row transforms read a strip as it
// lies. laneR/laneI hold w^(l k1) as vector k1.
SG_PASS_CLONES void TwiddleTranspose(const double* br, const double* bi, Index n1, Index n2,
                                     Index j2a, const Roots& roots, const double* laneR,
                                     const double* laneI, double* tr, double* ti) {
  for (Index k1 = 0; k1 < n1; k1 += 4) {
    V4 vr[4], vi[4];
    for (int a = 0; a < 4; ++a) {
      double cr, ci;
      roots.At(j2a * (k1 + a), cr, ci);
      V4 lr, li;
      load(lr, laneR + 4 * (k1 + a));
      load(li, laneI + 4 * (k1 + a));
      const V4 wr = lr * cr - li * ci, wi = lr * ci + li * cr;
      V4 xr, xi;
      load(xr, br + 4 * (k1 + a));
      load(xi, bi + 4 * (k1 + a));
      vr[a] = xr * wr - xi * wi;
      vi[a] = xr * wi + xi * wr;
    }
    Transpose4(vr);
    Transpose4(vi);
    const Index strip = k1 / 8 * 8 * n2 + k1 % 8;
    for (int l = 0; l < 4; ++l) {
      store(tr + strip + 8 * (j2a + l), vr[l]);
      store(ti + strip + 8 * (j2a + l), vi[l]);
    }
  }
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

Index LaneFourStep::Split(Index n) {
  if (n % 64 != 0 || !LanePlan::Serves(n)) return 0;
  // Of the multiples of 8 that divide n into two lengths of built-in
  // factors, both multiples of 8, the one nearest sqrt(n) from below; for a
  // power of two the one nearest sqrt(n / 2) (the smaller on a tie), since
  // rows twice as long as the columns measured faster there (65,536:
  // 128 x 512 against 256 x 256), where a square split puts both steps'
  // strides on the same power of two.
  const double target = IsPowerOfTwo(n) ? std::log(std::sqrt(double(n) / 2)) : 0.0;
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
  laneR_.resize(4 * n1_);
  laneI_.resize(4 * n1_);
  for (Index k1 = 0; k1 < n1_; ++k1)
    for (Index l = 0; l < 4; ++l) roots_.At(l * k1, laneR_[4 * k1 + l], laneI_[4 * k1 + l]);
}

void LaneFourStep::Run(double* re, double* im, double scale, double* tr, double* ti, double* sr,
                       double* si, double* br, double* bi) const {
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
