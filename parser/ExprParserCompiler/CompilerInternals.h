#pragma once
// This file is not part of the parser's interface: constants the compiler's
// source files share.

namespace exprparser::compiler {

// Line numbers of the raise points, as stored in error entries.
inline constexpr int kLineNamed = 1008;
inline constexpr int kLineAt = 1020;
inline constexpr int kLineAtIndex = 1029;
inline constexpr int kLineAtToken = 1039;
inline constexpr int kLineFold = 530;

// What a bracket level last received.
inline constexpr int kNothing = 0, kValue = 1, kOperator = 2, kFunction = 3;

}  // namespace exprparser::compiler
