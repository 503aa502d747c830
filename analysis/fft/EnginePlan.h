#pragma once
// The plan of one length for the mixed-radix engine: its factors, exact roots
// and the twiddle tables of the passes that run inside a cache block. Built
// once per transform and reused for every sub-transform of that length.
#include "analysis/fft/FftPlan.h"

#include <cstddef>
#include <vector>

namespace SgCore::fft {

class EnginePlan {
 public:
  // Throws std::bad_alloc. Every factor of n must be at most kMaxEngineFactor.
  explicit EnginePlan(Index n);

  // Forward DFT of (inRe, inIm) into (outRe, outIm); a null inIm is zero.
  // The outputs must not overlap the inputs; `block` is one work block.
  void Execute(const double* inRe, const double* inIm, double* outRe, double* outIm,
               double* block) const;

  Index size() const { return n_; }

 private:
  Index n_;
  std::vector<int> factors_;
  std::vector<Index> span_, weight_;
  Roots roots_;
  size_t early_ = 0;
  Index blockLen_ = 1;
  std::vector<Index> tableAt_;
  std::vector<double> tabR_, tabI_;
};

}  // namespace SgCore::fft
