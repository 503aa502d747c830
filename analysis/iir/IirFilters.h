#pragma once
// The recursive filters of the analysis core: each designs its filter, runs
// the samples x[0..count) through it into y (y may be x) and forgets it.
// Frequencies share one unit with fs; ripple and attenuation are in dB; the
// band kinds have order 2 * order. Returns 0 or the first failing check's
// code, in which case y is untouched.
#include "analysis/iir/IirFilterTable.h"

namespace SgCore {

#define SG_IIR_DECLARE(name, family, kind, shape)                                         \
  int name##Core(const double* x, int count, double fs, SG_IIR_PARAMS_##shape, int order, \
                 double* y);
SG_IIR_FILTERS(SG_IIR_DECLARE)
#undef SG_IIR_DECLARE

}  // namespace SgCore
