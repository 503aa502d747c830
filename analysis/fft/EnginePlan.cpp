// Decimation in time: the input is gathered in digit-reversed order, then one
// radix-p pass per factor. Passes whose butterflies span at most kBlockSpan
// points run block by block while the block is in cache; wider passes run
// over the whole array. The twiddles of every built-in pass are tabled once,
// when the plan is made.
#include "analysis/fft/EnginePlan.h"

#include "analysis/fft/EnginePasses.h"
#include "analysis/fft/LaneFft.h"

#include <algorithm>
#include <cstring>

namespace SgCore::fft {
namespace {
constexpr Index kBlockSpan = 16384;
// Up to here the data sit in the first-level cache and the gather runs on
// vectors from a table; beyond, its scattered stores cost more than they save.
constexpr Index kTabledGatherUpTo = 2048;
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
  const Index w0 = passes ? n / factors_[0] : 0;
  if (n <= kTabledGatherUpTo && blockLen_ == n && passes > 1 && IsBuiltIn(factors_[0]) &&
      w0 % 4 == 0) {
    // Group g's source, as GatherWithFirstPass walks them.
    groupAt_.resize(w0);
    std::vector<std::uint32_t> quadSources;
    std::vector<int> digit(passes, 0);
    Index src = 0;
    for (Index g = 0; g < w0; ++g) {
      groupAt_[src] = std::uint32_t(g * factors_[0]);
      if (g % 4 == 0) quadSources.push_back(std::uint32_t(src));
      for (size_t d = 1; d < passes; ++d) {
        src += weight_[d];
        if (++digit[d] < factors_[d]) break;
        src -= Index(factors_[d]) * weight_[d];
        digit[d] = 0;
      }
    }
    if (passes > 2 && factors_[0] == 4 && factors_[1] == 4) quadAt_ = std::move(quadSources);
  }
}

void EnginePlan::Execute(const double* inRe, const double* inIm, double* outRe, double* outIm,
                         double* block, double* destRe, double* destIm) const {
  if (!destRe) {
    destRe = outRe;
    destIm = outIm;
  }
  if (n_ == 1) {
    destRe[0] = inRe[0];
    destIm[0] = inIm ? inIm[0] : 0.0;
    return;
  }
  // The last pass, when built in and not the gather's, writes the result
  // where it is wanted; otherwise it is copied there at the end. (A last pass
  // inside the blocks means a single block: every gather read comes first.)
  const size_t last = factors_.size() - 1;
  const bool lastWrites = last > 0 && IsBuiltIn(factors_[last]) && destRe != outRe;
  const bool wide = detail::WideLanesAvailable();
  auto pass = [&](size_t s, double* r, double* i, Index groups, Index offset) {
    const int p = factors_[s];
    const Index m = span_[s];
    if (!IsBuiltIn(p)) {
      detail::RunPassGeneral(p, r, i, 0, groups, m, roots_, n_ / span_[s + 1], block);
      return;
    }
    const bool out = lastWrites && s == last;
    (wide ? detail::RunPassForWide : detail::RunPassFor)(
        p, r, i, 0, groups, m, 0, m, &tabR_[tableAt_[s]], &tabI_[tableAt_[s]],
        out ? destRe + offset : nullptr, out ? destIm + offset : nullptr);
  };
  for (Index b = 0; b < n_; b += blockLen_) {
    // The passes the gather did on the way.
    size_t done = 1;
    if (!quadAt_.empty()) {
      detail::GatherWithTwoRadix4Passes(inRe, inIm, outRe, outIm, n_, weight_[0], weight_[1],
                                        quadAt_.data(), &tabR_[tableAt_[1]], &tabI_[tableAt_[1]]);
      done = 2;
    } else if (!groupAt_.empty()) {
      detail::GatherWithFirstPassTabled(factors_[0], inRe, inIm, outRe, outIm, n_ / factors_[0],
                                        groupAt_.data());
    } else if (!detail::GatherWithFirstPass(inRe, inIm, outRe, outIm, b, b + blockLen_, factors_,
                                            weight_.data())) {
      done = 0;
    }
    for (size_t s = done; s < early_; ++s)
      pass(s, outRe + b, outIm + b, blockLen_ / span_[s + 1], b);
  }
  for (size_t s = early_; s < factors_.size(); ++s) pass(s, outRe, outIm, n_ / span_[s + 1], 0);
  if (destRe != outRe && !lastWrites) {
    std::memcpy(destRe, outRe, size_t(n_) * sizeof(double));
    std::memcpy(destIm, outIm, size_t(n_) * sizeof(double));
  }
}

}  // namespace SgCore::fft
