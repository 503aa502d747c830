#pragma once
// The equation dialog's Draw without its window: an expression in x over one
// turn, 0 <= x < 2*pi, at n equally spaced points. The text is compiled once
// and its program run per point, which gives the values and errors that
// compiling it anew for every point gives, without n compilations.

#include "containers/CSgScalarVector.h"
#include "parser/ParserFacade/ExprParser.h"

#include <string>

// The x of point i of n: i * 2pi / n (the product first).
inline double EquationX(unsigned int i, unsigned int n) {
  return static_cast<double>(i) * 6.283185307179586 / static_cast<double>(n);
}

// out is sized to n, point i gets the value at EquationX(i, n), x being the
// variable the parser has bound; true when every value is a finite number.
// A parser error (thrown as ExprException) stops at its point, leaving the
// points before it filled and zeros after.
bool SampleEquation(ExprParser& parser, double& x, const std::u16string& text, unsigned int n,
                    SG::CSgScalarVector<float>& out);

// The descriptions of a parser error, in order, joined by CR LF.
std::string DescribeParserError(const ExprException& error);
