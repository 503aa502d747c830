#pragma once
// The radix passes of the engine and the digit-reversed gather.
#include "analysis/fft/FftPlan.h"

#include <vector>

namespace SgCore::fft::detail {

bool IsBuiltIn(int p);

// One pass of built-in radix p over groups [g0, g1) and twiddle positions
// [t0, t0 + c); twiddle q (1..p-1) of position t is tw[(q - 1) * c + t - t0].
void RunPassFor(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0, Index c,
                const double* twr, const double* twi);

// One pass of an odd radix p above 5, with its scratch in `block`.
void RunPassGeneral(int p, double* re, double* im, Index g0, Index g1, Index m, const Roots& roots,
                    Index stride, double* block);

// out[j] = in[rev(j)] for j in [j0, j1), digits weighted by `weight`.
void GatherDigitReversed(const double* inRe, const double* inIm, double* outRe, double* outIm,
                         Index j0, Index j1, const std::vector<int>& f, const Index* weight);

// The gather with the first pass done on the way when the first factor is
// built in (true); otherwise only the gather (false).
bool GatherWithFirstPass(const double* inRe, const double* inIm, double* outRe, double* outIm,
                         Index j0, Index j1, const std::vector<int>& f, const Index* weight);

void FillTwiddles(const Roots& roots, Index stride, int p, Index t0, Index c, double* twr,
                  double* twi);

}  // namespace SgCore::fft::detail
