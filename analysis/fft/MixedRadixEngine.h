#pragma once
// The mixed-radix engine and the pooled transforms built on it.
#include "analysis/fft/FftPlan.h"

namespace SgCore::fft {

// Forward DFT of (inRe, inIm) into (outRe, outIm); a null inIm is zero. The
// outputs must not overlap the inputs; `block` is one work block. Every
// factor must be at most kMaxEngineFactor. 0 or -20001.
int MixedRadixFft(const double* inRe, const double* inIm, double* outRe, double* outIm, Index n,
                  const std::vector<int>& factors, double* block);

// In place over a pooled work block, every result multiplied by `scale`;
// the arrays are changed only on success. 0 or -20001.
int PooledFft(double* re, double* im, Index n, double scale = 1.0);
// The same on the caller's work block.
int FftOnBlock(double* re, double* im, Index n, double scale, double* block);
// Inverse with 1/n, by the forward transform of the swapped pair.
inline int PooledInverseFft(double* re, double* im, Index n) {
  return PooledFft(im, re, n, 1.0 / double(n));
}

// The chirp-z transform for any length; same contract as PooledFft.
int ChirpFft(double* re, double* im, Index n, double scale = 1.0);

// Forward complex transform of any length by the right algorithm.
int AnyLengthFft(double* re, double* im, Index n, double scale = 1.0);

}  // namespace SgCore::fft
