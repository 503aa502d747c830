#pragma once
// Internals of the transforms: the factor list of a length, exact roots of
// unity from two small tables, and the pooled work blocks. Not part of the
// library's interface.
#include <cstdint>
#include <vector>

namespace SgCore::fft {

using Index = std::int64_t;

// Bytes of one engine work block: enough scratch for one pass of a factor up
// to kMaxEngineFactor.
inline constexpr int kWorkBlockBytes = 63936;
inline constexpr int kMaxEngineFactor = 998;

// Factors whose product is n, in the order the engine's passes use them.
std::vector<int> FftFactorize(Index n);
// floor(log2 n); 0 for n = 1, -1 for n <= 0.
int FloorLog2(Index n);
inline bool IsPowerOfTwo(Index n) { return n > 0 && (n & (n - 1)) == 0; }
// The chirp-z transform's length: the second power of two above n's highest
// bit (so at least 2n). 64-bit: above 2^29 it no longer fits an int.
inline Index ChirpLength(Index n) { return Index(1) << (FloorLog2(n) + 2); }

// e^(-2 pi i k / n) for 0 <= k < n, each a product of two correctly rounded
// table entries, so every root is accurate to a few ulp without n entries.
class Roots {
 public:
  explicit Roots(Index n);
  void At(Index k, double& c, double& s) const {
    const Index hi = k >> shift_, lo = k & mask_;
    const double c1 = loC_[lo], s1 = loS_[lo], c2 = hiC_[hi], s2 = hiS_[hi];
    c = c2 * c1 - s2 * s1;
    s = c2 * s1 + s2 * c1;
  }
  Index size() const { return n_; }

 private:
  Index n_;
  int shift_;
  Index mask_;
  std::vector<double> loC_, loS_, hiC_, hiS_;
};

// The pooled work blocks: four kept for reuse, more allocated on demand.
double* FftWorkBlockAcquire();
void FftWorkBlockRelease(double* block);
// Test seam: blocks currently held by the pool.
int FftWorkPoolFreeCountForTesting();

}  // namespace SgCore::fft
