#pragma once
// The plan of one length for the mixed-radix engine: its factors, exact roots
// and the twiddle tables of the passes that run inside a cache block. Built
// once per transform and reused for every sub-transform of that length.
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/FftPlan.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace SgCore::fft {

class EnginePlan {
 public:
  // Throws std::bad_alloc. Every factor of n must be at most kMaxEngineFactor.
  explicit EnginePlan(Index n);

  // Forward DFT of (inRe, inIm) into (outRe, outIm); a null inIm is zero.
  // The outputs must not overlap the inputs; `block` is one work block.
  // With (destRe, destIm) given, (outRe, outIm) is only work space and the
  // result goes there instead (they may be the inputs).
  void Execute(const double* inRe, const double* inIm, double* outRe, double* outIm, double* block,
               double* destRe = nullptr, double* destIm = nullptr) const;

  Index size() const { return n_; }

 private:
  Index n_;
  std::vector<int> factors_;
  std::vector<Index> span_, weight_;
  Roots roots_;
  size_t early_ = 0;
  Index blockLen_ = 1;
  std::vector<Index> tableAt_;
  Table<double> tabR_, tabI_;
  // Short lengths: where each source of the first pass starts its group.
  std::vector<std::uint32_t> groupAt_;
  // Short lengths beginning with the factors 4, 4: the source of group 4k.
  std::vector<std::uint32_t> quadAt_;
};

}  // namespace SgCore::fft
