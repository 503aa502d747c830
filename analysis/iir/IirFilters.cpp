#include "analysis/iir/IirFilters.h"

#include <algorithm>

#include "analysis/iir/IirCascade.h"
#include "analysis/iir/IirDesign.h"

namespace SgCore {
namespace {

int Filter(const iir::Request& request, const double* x, int count, double* y) {
  if (const int code = iir::CheckRequest(count, request)) return code;
  const iir::Design design(request);
  if (const int code = design.CheckFinite()) return code;
  iir::FilterWithDesign(design, x, y, count);
  return 0;
}

}  // namespace

// The request fields each shape fills: f1, f2, ripple, attenuation.
#define SG_IIR_FIELDS_EDGE1 fc, 0.0, 0.0, 0.0
#define SG_IIR_FIELDS_EDGE2 fl, fh, 0.0, 0.0
#define SG_IIR_FIELDS_EDGE1_R fc, 0.0, ripple, 0.0
#define SG_IIR_FIELDS_EDGE2_R fl, fh, ripple, 0.0
#define SG_IIR_FIELDS_EDGE1_A fc, 0.0, 0.0, attenuation
#define SG_IIR_FIELDS_EDGE2_A fl, fh, 0.0, attenuation
#define SG_IIR_FIELDS_EDGE1_RA fc, 0.0, ripple, attenuation
#define SG_IIR_FIELDS_EDGE2_RA fl, fh, ripple, attenuation

#define SG_IIR_DEFINE(name, family, kind, shape)                                               \
  int name##Core(const double* x, int count, double fs, SG_IIR_PARAMS_##shape, int order,      \
                 double* y) {                                                                  \
    return Filter({iir::Family::family, iir::Kind::kind, fs, SG_IIR_FIELDS_##shape, order}, x, \
                  count, y);                                                                   \
  }
SG_IIR_FILTERS(SG_IIR_DEFINE)
#undef SG_IIR_DEFINE

}  // namespace SgCore
