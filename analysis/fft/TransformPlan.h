#pragma once
// Everything a complex transform of one length keeps between calls: the
// algorithm chosen for the length, its tables and its scratch. Made once per
// length (PlanFor keeps the last few) and then only executed.
#include "analysis/fft/EnginePlan.h"
#include "analysis/fft/FftBuffer.h"
#include "analysis/fft/KeptScratch.h"
#include "analysis/fft/LaneFft.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace SgCore::fft {

class TransformPlan {
 public:
  // Throws std::bad_alloc.
  explicit TransformPlan(Index n);

  // The forward transform in place, every result times `scale`; `block` is
  // one work block. The arrays change only on success. 0 or -20001.
  int Run(double* re, double* im, double scale, double* block) const;

  Index size() const { return n_; }
  // Memory the plan holds, tables and kept scratch.
  size_t Bytes() const;

 private:
  enum class Kind { One, Direct, Lanes, FourStep, Chirp, Rader };
  int RunDirect(double* re, double* im, double scale, double* block) const;
  int RunLanes(double* re, double* im, double scale) const;
  int RunFourStep(double* re, double* im, double scale, double* block) const;
  int RunChirp(double* re, double* im, double scale, double* block) const;
  int RunRader(double* re, double* im, double scale, double* block) const;

  Index n_;
  Kind kind_ = Kind::One;
  // Direct: the engine over the whole length. Four steps: n1 columns of
  // length n2... see the .cpp; the twiddles between the steps from roots_.
  std::unique_ptr<EnginePlan> engine_, columns_, rows_;
  Index n1_ = 1, n2_ = 1, ld_ = 0;
  std::unique_ptr<Roots> roots_;
  std::unique_ptr<LaneFourStep> lanes_;
  // Chirp-z: the chirp, the spectrum of its filter, and the plan of the
  // convolution's length. Rader: the filter's spectrum, the convolution's
  // plan, and where the generator's powers take the data from and to.
  // Each pair lies in one table, real (or gather) part first.
  Index bigN_ = 0;
  Table<double> chirp_, filter_;
  Table<std::uint32_t> order_;
  double *chirpRe_ = nullptr, *chirpIm_ = nullptr, *filterRe_ = nullptr, *filterIm_ = nullptr;
  std::uint32_t *gather_ = nullptr, *scatter_ = nullptr;
  std::shared_ptr<const TransformPlan> inner_;
  KeptScratch scratch_;
};

// The plan of length n (n >= 1), made when the cache lacks it; null when
// memory is short.
std::shared_ptr<const TransformPlan> PlanFor(Index n);

// Test seam: lengths the cache holds now.
std::vector<Index> CachedPlanLengthsForTesting();

}  // namespace SgCore::fft
