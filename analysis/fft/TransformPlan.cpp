// The algorithms by length: the engine directly up to kFourStepAbove; longer
// lengths as four steps (Bailey): transforms of n1 over columns, twiddles,
// transforms of n2 over rows, with the transposes done in batches of whole
// cache lines, so no pass strides through memory one element at a time; a
// prime factor too large for the engine through the chirp-z transform, a
// circular convolution of power-of-two length N >= 2n.
#include "analysis/fft/TransformPlan.h"

#include "analysis/core/CoreErrors.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace SgCore::fft {
namespace {

constexpr Index kFourStepAbove = Index(1) << 16;
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

void CopyScaled(const double* from, double* to, Index n, double scale) {
  if (scale == 1.0) {
    std::memcpy(to, from, size_t(n) * sizeof(double));
    return;
  }
  for (Index k = 0; k < n; ++k) to[k] = from[k] * scale;
}

}  // namespace

TransformPlan::TransformPlan(Index n) : n_(n) {
  if (n == 1) return;
  if (!EngineServes(n)) {
    kind_ = Kind::Chirp;
    bigN_ = ChirpLength(n);
    inner_ = PlanFor(bigN_);
    if (!inner_) throw std::bad_alloc();
    // Chirp e^(-i pi j^2 / n) = root of order 2n at j^2 mod 2n, the residue
    // kept in 64 bits (j^2 overflows 32 bits from j = 46,341) and advanced by
    // (j + 1)^2 - j^2 = 2j + 1, so the angle stays exact.
    chirpRe_.resize(n);
    chirpIm_.resize(n);
    const Index twoN = 2 * n;
    const Roots chirp(twoN);
    for (Index j = 0, q = 0; j < n; ++j) {
      chirp.At(q, chirpRe_[j], chirpIm_[j]);
      q = (q + 2 * j + 1) % twoN;
    }
    // The filter is the conjugate chirp, mirrored into the tail; kept as its
    // spectrum.
    filterRe_.assign(bigN_, 0.0);
    filterIm_.assign(bigN_, 0.0);
    for (Index j = 0; j < n; ++j) {
      filterRe_[j] = chirpRe_[j];
      filterIm_[j] = -chirpIm_[j];
      if (j > 0) {
        filterRe_[bigN_ - j] = chirpRe_[j];
        filterIm_[bigN_ - j] = -chirpIm_[j];
      }
    }
    Buffer block = Allocate(kWorkBlockBytes / sizeof(double));
    if (!block || inner_->Run(filterRe_.data(), filterIm_.data(), 1.0, block.get()) != 0)
      throw std::bad_alloc();
    scratch_.SetCounts({bigN_, bigN_});
    return;
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
  return scratch_.Bytes() +
         (chirpRe_.size() + chirpIm_.size() + filterRe_.size() + filterIm_.size()) * sizeof(double);
}

int TransformPlan::Run(double* re, double* im, double scale, double* block) const {
  switch (kind_) {
    case Kind::One:
      re[0] *= scale;
      im[0] *= scale;
      return 0;
    case Kind::Direct: return RunDirect(re, im, scale, block);
    case Kind::FourStep: return RunFourStep(re, im, scale, block);
    case Kind::Chirp: return RunChirp(re, im, scale, block);
  }
  return 0;
}

int TransformPlan::RunDirect(double* re, double* im, double scale, double* block) const {
  const KeptScratch::Lease out = scratch_.Take();
  if (!out) return ErrOutOfMemory;
  engine_->Execute(re, im, out[0], out[1], block);
  CopyScaled(out[0], re, n_, scale);
  CopyScaled(out[1], im, n_, scale);
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

int TransformPlan::RunChirp(double* re, double* im, double scale, double* block) const {
  const KeptScratch::Lease s = scratch_.Take();
  if (!s) return ErrOutOfMemory;
  double *ar = s[0], *ai = s[1];
  const Index n = n_, bigN = bigN_;
  const double *cr = chirpRe_.data(), *ci = chirpIm_.data();
  for (Index j = 0; j < n; ++j) {
    ar[j] = re[j] * cr[j] - im[j] * ci[j];
    ai[j] = re[j] * ci[j] + im[j] * cr[j];
  }
  // The padding of the data stays 0.
  std::fill(ar + n, ar + bigN, 0.0);
  std::fill(ai + n, ai + bigN, 0.0);
  if (int code = inner_->Run(ar, ai, 1.0, block)) return code;
  const double *br = filterRe_.data(), *bi = filterIm_.data();
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
