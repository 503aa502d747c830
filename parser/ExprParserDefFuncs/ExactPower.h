#pragma once
// This file is not part of the parser's interface: "^", which gives the
// library's pow to the last bit, with squares and cubes at the cost of a few
// multiplications.

#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

// Equal to std::pow(x, y) for every x and y.
double power(double x, double y);
// A run step computing power(x, y) from its direct inputs, built for this
// processor and, where `step` shows a constant exponent, for that exponent.
StepFunction powerStep(Chain chain, const Instruction* step);

}  // namespace exprparser
