#pragma once
// Small helpers of the facade's vector handling (not part of the interface).
#include "containers/CSgVectorT.h"

namespace SG::facade {

inline int Count(const CSgVector& v) { return static_cast<int>(v.GetSize()); }
inline double* Data(CSgVectorT<double>& v) { return v.GetData(); }

}  // namespace SG::facade
