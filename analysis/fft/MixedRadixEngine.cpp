// The pooled transforms. Lengths that outgrow the caches run as four steps
// (Bailey): transforms of n1 over columns, twiddles, transforms of n2 over
// rows, with the transposes done in batches of whole cache lines, so no pass
// strides through memory one element at a time.
#include "analysis/fft/MixedRadixEngine.h"

#include "analysis/core/CoreErrors.h"
#include "analysis/fft/EnginePlan.h"
#include "analysis/fft/FftBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
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

class PooledBlock {
 public:
  PooledBlock() : block_(FftWorkBlockAcquire()) {}
  ~PooledBlock() { FftWorkBlockRelease(block_); }
  PooledBlock(const PooledBlock&) = delete;
  PooledBlock& operator=(const PooledBlock&) = delete;
  double* get() const { return block_; }

 private:
  double* block_;
};

// In place; every allocation happens before the caller's arrays are touched.
int FourStepFft(double* re, double* im, Index n, Index n1, double scale, double* block) {
  const Index n2 = n / n1;
  // Batch rows padded off a power-of-two stride, so a batch's elements do not
  // all fall into the same cache set.
  const Index ld = std::max(n1, n2) + 8;
  Buffer tr = Allocate(n), ti = Allocate(n);
  Buffer ar = Allocate(kBatch * ld), ai = Allocate(kBatch * ld);
  Buffer br = Allocate(kBatch * ld), bi = Allocate(kBatch * ld);
  if (!tr || !ti || !ar || !ai || !br || !bi) return ErrOutOfMemory;
  try {
    const EnginePlan columns(n1), rows(n2);
    const Roots roots(n);
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
        columns.Execute(&ar[b * ld], &ai[b * ld], &br[b * ld], &bi[b * ld], block);
      for (Index k1 = 0; k1 < n1; ++k1)
        for (Index b = 0; b < nb; ++b) {
          double wr, wi;
          roots.At((j2a + b) * k1, wr, wi);
          const double xr = br[b * ld + k1], xi = bi[b * ld + k1];
          tr[k1 * n2 + j2a + b] = xr * wr - xi * wi;
          ti[k1 * n2 + j2a + b] = xr * wi + xi * wr;
        }
    }
    // Rows k1 transformed over j2 give X[k1 + n1 k2].
    for (Index k1a = 0; k1a < n1; k1a += kBatch) {
      const Index nb = std::min(kBatch, n1 - k1a);
      for (Index b = 0; b < nb; ++b)
        rows.Execute(&tr[(k1a + b) * n2], &ti[(k1a + b) * n2], &br[b * ld], &bi[b * ld], block);
      for (Index k2 = 0; k2 < n2; ++k2)
        for (Index b = 0; b < nb; ++b) {
          re[k1a + b + n1 * k2] = br[b * ld + k2] * scale;
          im[k1a + b + n1 * k2] = bi[b * ld + k2] * scale;
        }
    }
  } catch (const std::bad_alloc&) {
    return ErrOutOfMemory;
  }
  return 0;
}

}  // namespace

int MixedRadixFft(const double* inRe, const double* inIm, double* outRe, double* outIm, Index n,
                  const std::vector<int>&, double* block) {
  try {
    EnginePlan(n).Execute(inRe, inIm, outRe, outIm, block);
  } catch (const std::bad_alloc&) {
    return ErrOutOfMemory;
  }
  return 0;
}

int FftOnBlock(double* re, double* im, Index n, double scale, double* block) {
  if (n > kFourStepAbove) {
    const Index n1 = SplitLength(n);
    if (n1 > 1) return FourStepFft(re, im, n, n1, scale, block);
  }
  Buffer outRe = Allocate(n), outIm = Allocate(n);
  if (!outRe || !outIm) return ErrOutOfMemory;
  if (int code = MixedRadixFft(re, im, outRe.get(), outIm.get(), n, {}, block)) return code;
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

int PooledFft(double* re, double* im, Index n, double scale) {
  PooledBlock block;
  if (!block.get()) return ErrOutOfMemory;
  return FftOnBlock(re, im, n, scale, block.get());
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
