#pragma once
// The radix passes of the engine and the digit-reversed gather.
#include "analysis/fft/FftPlan.h"

#include <cstdint>
#include <vector>

namespace SgCore::fft::detail {

bool IsBuiltIn(int p);

// Where twiddle q (1..p-1) of position t (counted from t0) lies in a table:
// the p - 1 twiddles of eight neighbouring positions side by side, so a
// butterfly of four or eight positions reads one run of memory rather than
// p - 1 rows that a power-of-two stride puts into the same cache set.
inline Index TwiddleIndex(int p, int q, Index t) {
  return ((t >> 3) * (p - 1) + (q - 1)) * 8 + (t & 7);
}
// Doubles of a table of c positions.
inline Index TwiddleTableSize(int p, Index c) { return (c + 7) / 8 * 8 * (p - 1); }

// One pass of built-in radix p over groups [g0, g1) and twiddle positions
// [t0, t0 + c), t0 a multiple of 8; twiddle q of position t is
// tw[TwiddleIndex(p, q, t - t0)]. In place, or into (outRe, outIm) when
// given.
void RunPassFor(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0, Index c,
                const double* twr, const double* twi, double* outRe = nullptr,
                double* outIm = nullptr);
// The same eight butterflies at a time; only where WideLanesAvailable().
void RunPassForWide(int p, double* re, double* im, Index g0, Index g1, Index m, Index t0, Index c,
                    const double* twr, const double* twi, double* outRe, double* outIm);

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

// The gather and first pass of built-in radix p over a whole length that
// fits the first-level cache, four sources at a time: source b (below
// w0 = n / p, a multiple of 4) starts the group whose outputs begin at
// groupAt[b].
void GatherWithFirstPassTabled(int p, const double* inRe, const double* inIm, double* outRe,
                               double* outIm, Index w0, const std::uint32_t* groupAt);

// The same with the second pass too, when the first two factors are 4 and 4:
// base[k] is the source of group 4k, w1 the weight of the second digit, tw
// the second pass's twiddle table.
void GatherWithTwoRadix4Passes(const double* inRe, const double* inIm, double* outRe, double* outIm,
                               Index n, Index w0, Index w1, const std::uint32_t* base,
                               const double* twr, const double* twi);

void FillTwiddles(const Roots& roots, Index stride, int p, Index t0, Index c, double* twr,
                  double* twi);

}  // namespace SgCore::fft::detail
