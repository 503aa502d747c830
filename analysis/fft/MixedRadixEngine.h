#pragma once
// The complex transform of any length over a pooled work block, by the plan
// its length keeps (TransformPlan.h).
#include "analysis/fft/FftPlan.h"

namespace SgCore::fft {

// In place, every result multiplied by `scale`; the arrays are changed only
// on success. 0 or -20001.
int PooledFft(double* re, double* im, Index n, double scale = 1.0);
// The same on the caller's work block.
int FftOnBlock(double* re, double* im, Index n, double scale, double* block);
// Inverse with 1/n, by the forward transform of the swapped pair.
inline int PooledInverseFft(double* re, double* im, Index n) {
  return PooledFft(im, re, n, 1.0 / double(n));
}
// Forward complex transform of any length by the right algorithm.
inline int AnyLengthFft(double* re, double* im, Index n, double scale = 1.0) {
  return PooledFft(re, im, n, scale);
}

}  // namespace SgCore::fft
