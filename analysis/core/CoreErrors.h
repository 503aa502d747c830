#pragma once
// Result codes of the analysis core routines: 0 for success, a negative code
// for the first failing check. They are the codes of SG::MathError, expanded
// from the one table that also holds their texts (containers/SgMathErrors.def).
namespace SgCore {

enum CoreError : int {
  ErrNone = 0,
#define SG_MATH_ERROR(code, name, text) Err##name = code,
#define SG_MATH_ERROR_UNLISTED(code, name) Err##name = code,
#include "containers/SgMathErrors.def"
#undef SG_MATH_ERROR_UNLISTED
#undef SG_MATH_ERROR
};

}  // namespace SgCore
