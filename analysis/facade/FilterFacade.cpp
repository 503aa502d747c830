// Facade of the recursive filters: the in-place and input-to-output forms of
// every filter of the table.
#include "analysis/facade/CSgInputDataProxy.h"
#include "analysis/facade/FacadeVectors.h"
#include "analysis/facade/SgAnalysis.h"
#include "analysis/iir/IirFilters.h"

namespace SG {
using facade::Count;
using facade::Data;

#define SG_FACADE_IIR_DEFINE(name, family, kind, shape)                                           \
  int name(CSgVectorT<double>& data, double fs, SG_IIR_PARAMS_##shape, int order) {               \
    return CheckMathError(                                                                        \
        SgCore::name##Core(Data(data), Count(data), fs, SG_IIR_ARGS_##shape, order, Data(data))); \
  }                                                                                               \
  int name(const CSgVector& input, CSgVectorT<double>& output, double fs, SG_IIR_PARAMS_##shape,  \
           int order) {                                                                           \
    output.SetSizeLike(input, FALSE);                                                             \
    int code;                                                                                     \
    {                                                                                             \
      CSgInputDataProxy<double, CSgVector> in(input);                                             \
      code = SgCore::name##Core(in.Data(), Count(input), fs, SG_IIR_ARGS_##shape, order,          \
                                Data(output));                                                    \
    }                                                                                             \
    return CheckMathError(code);                                                                  \
  }
SG_IIR_FILTERS(SG_FACADE_IIR_DEFINE)
#undef SG_FACADE_IIR_DEFINE

}  // namespace SG
