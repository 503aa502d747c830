#pragma once
// Runs a cascade of sections over a sequence, every section from rest.
#include <cstdint>

#include "analysis/iir/IirDesign.h"

namespace SgCore::iir {

// Runs sections s[0..n) one after another over in -> out (in may be out).
// All sections advance together sample by sample; each section's arithmetic
// is exactly that of running it alone over the whole sequence.
void RunSections(const double* in, double* out, int64_t count, const Section* s, int n);

// Designs the request (already checked) and filters in -> out with it.
void FilterWithDesign(const Design& design, const double* in, double* out, int64_t count);

}  // namespace SgCore::iir
