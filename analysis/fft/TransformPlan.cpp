// The algorithms by length: the engine directly up to kFourStepAbove; longer
// lengths as four steps (Bailey): transforms of n1 over columns, twiddles,
// transforms of n2 over rows, on four (or eight) columns or rows at a time
// in the lanes of vectors where the factors allow (LaneFft.h; from 4,096 on
// eight lanes), otherwise with the
// transposes done in batches of whole cache lines; a prime whose n - 1 has
// only built-in factors by Rader's algorithm; any other length with a
// factor too large for the engine through the chirp-z transform, a circular
// convolution of a smooth length N >= 2n - 1.
#include "analysis/fft/TransformPlan.h"

#include "analysis/core/CoreErrors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

namespace SgCore::fft {
namespace {

constexpr Index kFourStepAbove = Index(1) << 16;
// From here on the lane four steps beat the engine's passes over the whole
// length (the engine's gather strides through memory); on eight lanes from
// far shorter lengths (48,000: 0.12 ms against 0.18 ms; 2,048 still 10%
// slower).
constexpr Index kLanesFrom = Index(1) << 16;
constexpr Index kWideLanesFrom = 4096;
constexpr Index kBatch = 16;

// A divisor of n near sqrt(n) made of the engine's factors; 1 when none.
Index SplitLength(Index n) {
  const double root = std::sqrt(double(n));
  Index n1 = 1;
  for (int f : FftFactorize(n))
    if (double(n1) * f <= root) n1 *= f;
  return n1;
}

bool EngineServes(Index n) {
  if (IsPowerOfTwo(n)) return true;
  const std::vector<int> f = FftFactorize(n);
  return *std::max_element(f.begin(), f.end()) <= kMaxEngineFactor;
}

// The convolution length of the chirp-z transform: of the lengths between
// 2n - 1 and the power of two ChirpLength(n) that the lane transforms serve
// (2^a 3^b 5^c), the cheapest by n log n, powers of two counted a little
// cheaper for their faster passes.
Index ConvolutionLength(Index n) {
  const Index most = ChirpLength(n), least = 2 * n - 1;
  Index best = most;
  double bestCost = double(most) * std::log2(double(most));
  for (Index a = 1; a <= most; a *= 2)
    for (Index b = a; b <= most; b *= 3)
      for (Index c = b; c <= most; c *= 5) {
        if (c < least || c == a) continue;
        const double cost = 1.2 * double(c) * std::log2(double(c));
        if (cost < bestCost) {
          best = c;
          bestCost = cost;
        }
      }
  return best;
}

Index PowerMod(Index base, Index exponent, Index modulus) {
  Index result = 1;
  base %= modulus;
  for (; exponent; exponent >>= 1, base = base * base % modulus)
    if (exponent & 1) result = result * base % modulus;
  return result;
}

// A generator of the multiplicative group modulo the prime p.
Index PrimitiveRoot(Index p) {
  std::vector<Index> primes;
  Index rest = p - 1;
  for (Index d = 2; d * d <= rest; ++d)
    if (rest % d == 0) {
      primes.push_back(d);
      while (rest % d == 0) rest /= d;
    }
  if (rest > 1) primes.push_back(rest);
  for (Index g = 2;; ++g) {
    bool generates = true;
    for (Index f : primes) generates = generates && PowerMod(g, (p - 1) / f, p) != 1;
    if (generates) return g;
  }
}

}  // namespace

TransformPlan::TransformPlan(Index n) : n_(n) {
  if (n == 1) return;
  const std::vector<int> factors = FftFactorize(n);
  if (factors.size() == 1 && n > kMaxEngineFactor && LanePlan::Serves(n - 1)) {
    // A prime whose n - 1 is made of the built-in radices: Rader's
    // algorithm, a cyclic convolution of length n - 1 in the order of a
    // generator's powers.
    kind_ = Kind::Rader;
    const Index length = n - 1, g = PrimitiveRoot(n), inverse = PowerMod(g, n - 2, n);
    inner_ = PlanFor(length);
    if (!inner_) throw std::bad_alloc();
    order_.resize(2 * length);
    gather_ = order_.data();
    scatter_ = gather_ + length;
    filter_.resize(2 * length);
    filterRe_ = filter_.data();
    filterIm_ = filterRe_ + length;
    const Roots roots(n);
    for (Index q = 0, up = 1, down = 1; q < length; ++q) {
      gather_[q] = std::uint32_t(up);
      scatter_[q] = std::uint32_t(down);
      double c, sn;
      roots.At(down, c, sn);
      filterRe_[q] = c / double(length);
      filterIm_[q] = sn / double(length);
      up = up * g % n;
      down = down * inverse % n;
    }
    Buffer block = Allocate(kWorkBlockBytes / sizeof(double));
    if (!block || inner_->Run(filterRe_, filterIm_, 1.0, block.get()) != 0) throw std::bad_alloc();
    scratch_.SetCounts({length, length});
    return;
  }
  if (!EngineServes(n)) {
    kind_ = Kind::Chirp;
    bigN_ = ConvolutionLength(n);
    inner_ = PlanFor(bigN_);
    if (!inner_) throw std::bad_alloc();
    // Chirp e^(-i pi j^2 / n) = root of order 2n at j^2 mod 2n, the residue
    // kept in 64 bits (j^2 overflows 32 bits from j = 46,341) and advanced by
    // (j + 1)^2 - j^2 = 2j + 1, so the angle stays exact.
    chirp_.resize(2 * n);
    chirpRe_ = chirp_.data();
    chirpIm_ = chirpRe_ + n;
    const Index twoN = 2 * n;
    const Roots chirp(twoN);
    for (Index j = 0, q = 0; j < n; ++j) {
      chirp.At(q, chirpRe_[j], chirpIm_[j]);
      q = (q + 2 * j + 1) % twoN;
    }
    // The filter is the conjugate chirp, mirrored into the tail; kept as its
    // spectrum.
    filter_.assign(2 * bigN_, 0.0);
    filterRe_ = filter_.data();
    filterIm_ = filterRe_ + bigN_;
    for (Index j = 0; j < n; ++j) {
      filterRe_[j] = chirpRe_[j];
      filterIm_[j] = -chirpIm_[j];
      if (j > 0) {
        filterRe_[bigN_ - j] = chirpRe_[j];
        filterIm_[bigN_ - j] = -chirpIm_[j];
      }
    }
    Buffer block = Allocate(kWorkBlockBytes / sizeof(double));
    if (!block || inner_->Run(filterRe_, filterIm_, 1.0, block.get()) != 0) throw std::bad_alloc();
    scratch_.SetCounts({bigN_, bigN_});
    return;
  }
  if (n >= (detail::WideLanesAvailable() ? kWideLanesFrom : kLanesFrom)) {
    if (const Index n1 = LaneFourStep::Split(n)) {
      kind_ = Kind::Lanes;
      lanes_ = std::make_unique<LaneFourStep>(n, n1);
      const Index buffer = 8 * lanes_->BufferLength(), copy = lanes_->InPlace() ? 0 : n;
      const Index strip = lanes_->UsesStrips() ? buffer : 0;
      scratch_.SetCounts({copy, copy, strip, strip, buffer, buffer});
      return;
    }
  }
  if (n > kFourStepAbove) {
    n1_ = SplitLength(n);
    if (n1_ > 1) {
      kind_ = Kind::FourStep;
      n2_ = n / n1_;
      // Batch rows padded off a power-of-two stride, so a batch's elements
      // do not all fall into the same cache set.
      ld_ = std::max(n1_, n2_) + 8;
      columns_ = std::make_unique<EnginePlan>(n1_);
      rows_ = std::make_unique<EnginePlan>(n2_);
      roots_ = std::make_unique<Roots>(n);
      scratch_.SetCounts({n, n, kBatch * ld_, kBatch * ld_, kBatch * ld_, kBatch * ld_});
      return;
    }
  }
  kind_ = Kind::Direct;
  engine_ = std::make_unique<EnginePlan>(n);
  scratch_.SetCounts({n, n});
}

size_t TransformPlan::Bytes() const {
  return scratch_.Bytes() + (chirp_.size() + filter_.size()) * sizeof(double) +
         order_.size() * sizeof(std::uint32_t);
}

int TransformPlan::Run(double* re, double* im, double scale, double* block) const {
  switch (kind_) {
    case Kind::One:
      re[0] *= scale;
      im[0] *= scale;
      return 0;
    case Kind::Direct: return RunDirect(re, im, scale, block);
    case Kind::Lanes: return RunLanes(re, im, scale);
    case Kind::FourStep: return RunFourStep(re, im, scale, block);
    case Kind::Chirp: return RunChirp(re, im, scale, block);
    case Kind::Rader: return RunRader(re, im, scale, block);
  }
  return 0;
}

int TransformPlan::RunDirect(double* re, double* im, double scale, double* block) const {
  const KeptScratch::Lease out = scratch_.Take();
  if (!out) return ErrOutOfMemory;
  engine_->Execute(re, im, out[0], out[1], block, re, im);
  if (scale != 1.0)
    for (Index k = 0; k < n_; ++k) {
      re[k] *= scale;
      im[k] *= scale;
    }
  return 0;
}

int TransformPlan::RunLanes(double* re, double* im, double scale) const {
  const KeptScratch::Lease s = scratch_.Take();
  if (!s) return ErrOutOfMemory;
  lanes_->Run(re, im, scale, s[0], s[1], s[2], s[3], s[4], s[5]);
  return 0;
}

int TransformPlan::RunFourStep(double* re, double* im, double scale, double* block) const {
  const KeptScratch::Lease s = scratch_.Take();
  if (!s) return ErrOutOfMemory;
  double *tr = s[0], *ti = s[1], *ar = s[2], *ai = s[3], *br = s[4], *bi = s[5];
  const Index n1 = n1_, n2 = n2_, ld = ld_;
  // Columns j2: x[j1 n2 + j2] over j1, transformed, times w_n^(j2 k1),
  // stored at k1 n2 + j2.
  for (Index j2a = 0; j2a < n2; j2a += kBatch) {
    const Index nb = std::min(kBatch, n2 - j2a);
    for (Index j1 = 0; j1 < n1; ++j1)
      for (Index b = 0; b < nb; ++b) {
        ar[b * ld + j1] = re[j1 * n2 + j2a + b];
        ai[b * ld + j1] = im[j1 * n2 + j2a + b];
      }
    for (Index b = 0; b < nb; ++b)
      columns_->Execute(&ar[b * ld], &ai[b * ld], &br[b * ld], &bi[b * ld], block);
    for (Index k1 = 0; k1 < n1; ++k1)
      for (Index b = 0; b < nb; ++b) {
        double wr, wi;
        roots_->At((j2a + b) * k1, wr, wi);
        const double xr = br[b * ld + k1], xi = bi[b * ld + k1];
        tr[k1 * n2 + j2a + b] = xr * wr - xi * wi;
        ti[k1 * n2 + j2a + b] = xr * wi + xi * wr;
      }
  }
  // Rows k1 transformed over j2 give X[k1 + n1 k2].
  for (Index k1a = 0; k1a < n1; k1a += kBatch) {
    const Index nb = std::min(kBatch, n1 - k1a);
    for (Index b = 0; b < nb; ++b)
      rows_->Execute(&tr[(k1a + b) * n2], &ti[(k1a + b) * n2], &br[b * ld], &bi[b * ld], block);
    for (Index k2 = 0; k2 < n2; ++k2)
      for (Index b = 0; b < nb; ++b) {
        re[k1a + b + n1 * k2] = br[b * ld + k2] * scale;
        im[k1a + b + n1 * k2] = bi[b * ld + k2] * scale;
      }
  }
  return 0;
}

int TransformPlan::RunRader(double* re, double* im, double scale, double* block) const {
  const KeptScratch::Lease s = scratch_.Take();
  if (!s) return ErrOutOfMemory;
  double *ar = s[0], *ai = s[1];
  const Index length = n_ - 1;
  for (Index q = 0; q < length; ++q) {
    ar[q] = re[gather_[q]];
    ai[q] = im[gather_[q]];
  }
  if (int code = inner_->Run(ar, ai, 1.0, block)) return code;
  // X[0]: the sum of all, the convolution's bin 0 being that of the rest
  // (summed by the transform's tree, not one long running sum).
  const double sumR = re[0] + ar[0], sumI = im[0] + ai[0];
  const double *br = filterRe_, *bi = filterIm_;
  for (Index k = 0; k < length; ++k) {
    const double xr = ar[k] * br[k] - ai[k] * bi[k];
    ai[k] = ar[k] * bi[k] + ai[k] * br[k];
    ar[k] = xr;
  }
  // The inverse (its 1/(n - 1) is in the filter): the forward transform of
  // the swapped pair.
  if (int code = inner_->Run(ai, ar, 1.0, block)) return code;
  const double x0r = re[0], x0i = im[0];
  re[0] = sumR * scale;
  im[0] = sumI * scale;
  for (Index r = 0; r < length; ++r) {
    re[scatter_[r]] = (x0r + ar[r]) * scale;
    im[scatter_[r]] = (x0i + ai[r]) * scale;
  }
  return 0;
}

int TransformPlan::RunChirp(double* re, double* im, double scale, double* block) const {
  const KeptScratch::Lease s = scratch_.Take();
  if (!s) return ErrOutOfMemory;
  double *ar = s[0], *ai = s[1];
  const Index n = n_, bigN = bigN_;
  const double *cr = chirpRe_, *ci = chirpIm_;
  for (Index j = 0; j < n; ++j) {
    ar[j] = re[j] * cr[j] - im[j] * ci[j];
    ai[j] = re[j] * ci[j] + im[j] * cr[j];
  }
  // The padding of the data stays 0.
  std::fill(ar + n, ar + bigN, 0.0);
  std::fill(ai + n, ai + bigN, 0.0);
  if (int code = inner_->Run(ar, ai, 1.0, block)) return code;
  const double *br = filterRe_, *bi = filterIm_;
  for (Index k = 0; k < bigN; ++k) {
    const double xr = ar[k] * br[k] - ai[k] * bi[k];
    ai[k] = ar[k] * bi[k] + ai[k] * br[k];
    ar[k] = xr;
  }
  // The inverse of length N: the forward transform of the swapped pair.
  if (int code = inner_->Run(ai, ar, 1.0 / double(bigN), block)) return code;
  for (Index k = 0; k < n; ++k) {
    re[k] = (ar[k] * cr[k] - ai[k] * ci[k]) * scale;
    im[k] = (ar[k] * ci[k] + ai[k] * cr[k]) * scale;
  }
  return 0;
}

}  // namespace SgCore::fft
