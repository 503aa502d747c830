// Decimation in time: the input is gathered in digit-reversed order, then one
// radix-p pass per factor. Passes whose butterflies span at most kBlockSpan
// points run block by block while the block is in cache; wider passes run
// over the whole array. The twiddles of every built-in pass are tabled once,
// when the plan is made.
#include "analysis/fft/EnginePlan.h"

#include "analysis/fft/EnginePasses.h"

#include <algorithm>

namespace SgCore::fft {
namespace {
constexpr Index kBlockSpan = 16384;
}  // namespace

using detail::IsBuiltIn;

EnginePlan::EnginePlan(Index n) : n_(n), factors_(FftFactorize(n)), roots_(n) {
  const size_t passes = factors_.size();
  span_.assign(passes + 1, 1);
  weight_.assign(passes, 1);
  for (size_t s = 0; s < passes; ++s) span_[s + 1] = span_[s] * factors_[s];
  for (size_t s = 0; s < passes; ++s) weight_[s] = n / span_[s + 1];
  early_ = std::min<size_t>(1, passes);
  while (early_ < passes && span_[early_ + 1] <= kBlockSpan) ++early_;
  blockLen_ = span_[early_];
  tableAt_.assign(passes + 1, 0);
  for (size_t s = 0; s < passes; ++s)
    tableAt_[s + 1] =
        tableAt_[s] +
        (IsBuiltIn(factors_[s]) ? detail::TwiddleTableSize(factors_[s], span_[s]) : 0);
  tabR_.resize(tableAt_[passes]);
  tabI_.resize(tableAt_[passes]);
  for (size_t s = 0; s < passes; ++s)
    if (IsBuiltIn(factors_[s]))
      detail::FillTwiddles(roots_, n / span_[s + 1], factors_[s], 0, span_[s], &tabR_[tableAt_[s]],
                           &tabI_[tableAt_[s]]);
}

void EnginePlan::Execute(const double* inRe, const double* inIm, double* outRe, double* outIm,
                         double* block) const {
  if (n_ == 1) {
    outRe[0] = inRe[0];
    outIm[0] = inIm ? inIm[0] : 0.0;
    return;
  }
  for (Index b = 0; b < n_; b += blockLen_) {
    const bool firstDone = detail::GatherWithFirstPass(inRe, inIm, outRe, outIm, b, b + blockLen_,
                                                       factors_, weight_.data());
    double* r = outRe + b;
    double* i = outIm + b;
    for (size_t s = firstDone ? 1 : 0; s < early_; ++s) {
      const int p = factors_[s];
      const Index m = span_[s], groups = blockLen_ / span_[s + 1];
      if (IsBuiltIn(p))
        detail::RunPassFor(p, r, i, 0, groups, m, 0, m, &tabR_[tableAt_[s]], &tabI_[tableAt_[s]]);
      else
        detail::RunPassGeneral(p, r, i, 0, groups, m, roots_, n_ / span_[s + 1], block);
    }
  }
  for (size_t s = early_; s < factors_.size(); ++s) {
    const int p = factors_[s];
    const Index m = span_[s], groups = n_ / span_[s + 1], stride = n_ / span_[s + 1];
    if (IsBuiltIn(p))
      detail::RunPassFor(p, outRe, outIm, 0, groups, m, 0, m, &tabR_[tableAt_[s]],
                         &tabI_[tableAt_[s]]);
    else
      detail::RunPassGeneral(p, outRe, outIm, 0, groups, m, roots_, stride, block);
  }
}

}  // namespace SgCore::fft
