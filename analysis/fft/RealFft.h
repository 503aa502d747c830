#pragma once
// Real-data transforms of power-of-two length in half-complex order:
// p[0] = Re X[0], p[k] = Re X[k] and p[n-k] = Im X[k] for 0 < k < n/2,
// p[n/2] = Re X[n/2]. Done as a complex transform of half the length.
#include "analysis/fft/FftPlan.h"

namespace SgCore::fft {

// n a power of two, at least 2; `out` may be `in`. Writes only on success.
int RealFftRadix2(const double* in, double* out, Index n);
// The inverse with 1/n, from half-complex order; `out` may be `in`.
int InverseRealFftRadix2(const double* in, double* out, Index n);

}  // namespace SgCore::fft
