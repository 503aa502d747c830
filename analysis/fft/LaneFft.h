#pragma once
// Transforms run on four sequences at once, one in each lane of a vector of
// doubles, and the four-step transform built on them: its column and row
// transforms take four neighbouring columns (or rows) together, which are
// neighbours in memory, so every load and store moves four values and no
// pass strides through memory one value at a time.
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/FftPlan.h"

#include <vector>

namespace SgCore::fft {

// One length, every factor a built-in radix (2, 3, 4, 5, 8, 10).
class LanePlan {
 public:
  explicit LanePlan(Index len);  // throws std::bad_alloc
  static bool Serves(Index len);
  Index size() const { return len_; }

  // Element j of lane l is read from src[j * stride + l]; the transforms go
  // to out, element k of lane l at out[4 * k + l], in natural order.
  void Run(const double* srcRe, const double* srcIm, Index stride, double* outRe,
           double* outIm) const;
  // The same on eight lanes, out[8 * k + l]; only where
  // detail::WideLanesAvailable().
  void RunWide(const double* srcRe, const double* srcIm, Index stride, double* outRe,
               double* outIm) const;

 private:
  Index len_;
  std::vector<int> factors_;
  std::vector<Index> span_, weight_, tableAt_;
  Table<double> twR_, twI_;
};

// n = n1 * n2 with both multiples of 8 and both served by a LanePlan: the
// transforms of length n1 over the columns, the twiddles, and those of
// length n2 over the rows, eight columns (or rows) at a time copied into a
// strip, so each cache line of the data is read whole.
class LaneFourStep {
 public:
  // The n1 to split n with, or 0 when the lanes do not serve n.
  static Index Split(Index n);
  LaneFourStep(Index n, Index n1);  // throws std::bad_alloc

  // In place, every result times scale. Scratch: tr, ti of n doubles (not
  // used, and may be null, when InPlace()), sr, si of 8 * BufferLength()
  // (not used, and may be null, when !UsesStrips()) and br, bi of
  // 8 * BufferLength().
  void Run(double* re, double* im, double scale, double* tr, double* ti, double* sr, double* si,
           double* br, double* bi) const;
  Index BufferLength() const { return n1_ > n2_ ? n1_ : n2_; }
  // A square split on eight lanes ends with a transpose in place rather
  // than working through a scratch copy of the data.
  bool InPlace() const { return wide_ && n1_ == n2_; }
  // Eight lanes load a row's eight columns at once; only the square split
  // still transposes bands through strips.
  bool UsesStrips() const { return !wide_ || InPlace(); }

 private:
  Index n_, n1_, n2_;
  LanePlan columns_, rows_;
  Roots roots_;
  // w^(l k1) for the lanes l (four, or eight when wide_), vector k1.
  std::vector<double> laneR_, laneI_;
  // Eight lanes on AVX-512, decided when the plan is made.
  bool wide_ = false;
};

namespace detail {
// True where the CPU runs the eight-lane code and tests have not turned it
// off.
bool WideLanesAvailable();
}  // namespace detail

// Test seam: after AllowWideLanesForTesting(false) plans made use four lanes
// and the engine's passes four butterflies at a time, even where eight would
// run.
void AllowWideLanesForTesting(bool allowed);

}  // namespace SgCore::fft
