// The sixteen built-in operators. Comparisons and logic give exactly 0 or 1,
// compare exactly, and treat a NaN operand as "not zero".

#include <bit>
#include <cmath>
#include <cstdint>

#include "parser/ExprParserCompiler/Instruction.h"
#include "parser/ExprParserDefFuncs/DefaultDefinitions.h"

namespace exprparser {
namespace {

// "^" must give pow's result to the last bit. Squares and cubes, the common
// powers in typed equations, are formed by multiplication with the exact
// rounding error carried along (fma), and the error's sum with the product is the
// correctly rounded power. When the exact power lies at least 0.6 units in
// the last place from the other neighbours, pow (within about half a unit)
// returns the same value; near a rounding boundary, and outside the range
// where the error terms are exact, pow decides.
// Built twice, the fused multiply-add in one instruction where the processor
// has it and through the library elsewhere; both are exact.
__attribute__((target_clones("fma", "default"))) double power(double x, double y) {
  double product, error;
  if (y == 2.0) {
    product = x * x;
    error = std::fma(x, x, -product);
  } else if (y == 3.0) {
    const double square = x * x;
    product = square * x;
    error = std::fma(square, x, -product) + std::fma(x, x, -square) * x;
  } else {
    return std::pow(x, y);
  }
  const double rounded = product + error;
  const double residual = error - (rounded - product);  // rounded - product is exact
  const double magnitude = std::fabs(rounded);
  // The power of two at or below the result, scaled to its unit in the last place.
  const double unit =
      std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) & 0x7FF0000000000000u) *
      0x1p-52;
  // The range test also rejects zero, infinities and NaN.
  if (magnitude >= 0x1p-900 && magnitude <= 0x1p900 && std::fabs(residual) <= 0.4 * unit)
    return rounded;
  return std::pow(x, y);
}

// X(class, symbol, prefix, precedence, usage, summary, result from x = a[0], y = a[1])
#define EXPR_BUILTIN_OPERATORS(X)                                                                 \
  X(AddOp, u"+", false, 1, u"x + y", u"Addition operator", a[0] + a[1])                           \
  X(SubOp, u"-", false, 1, u"x - y", u"Minus operator", a[0] - a[1])                              \
  X(MulOp, u"*", false, 2, u"x * y", u"Multiplication operator", a[0] * a[1])                     \
  X(DivOp, u"/", false, 2, u"x / y", u"Division operator", a[0] / a[1])                           \
  X(PowOp, u"^", false, 3, u"x ^ y", u"Calculates x raised to the power of y", power(a[0], a[1])) \
  X(NegOp, u"-", true, 4, u"-x", u"Unary minus operator", -a[0])                                  \
  X(ModOp, u"%", false, 2, u"x % y", u"Modulo; find remainder of the division of x by y",         \
    std::fmod(a[0], a[1]))                                                                        \
  X(GtOp, u">", false, 0, u"x > y",                                                               \
    u"Greater than logical operator.  Returns 1 if true, 0 if false.", a[0] > a[1] ? 1.0 : 0.0)   \
  X(LtOp, u"<", false, 0, u"x < y",                                                               \
    u"Lesser than logical operator.  Returns 1 if true, 0 if false.", a[0] < a[1] ? 1.0 : 0.0)    \
  X(GeOp, u">=", false, 0, u"x >= y",                                                             \
    u"Greater than or equal logical operator.  Returns 1 if true, 0 if false.",                   \
    a[0] >= a[1] ? 1.0 : 0.0)                                                                     \
  X(LeOp, u"<=", false, 0, u"x <= y",                                                             \
    u"Lesser than or equal logical operator.  Returns 1 if true, 0 if false.",                    \
    a[0] <= a[1] ? 1.0 : 0.0)                                                                     \
  X(NeOp, u"!=", false, 0, u"x != y",                                                             \
    u"Not equal logical operator.  Returns 1 if true, 0 if false.", a[0] == a[1] ? 0.0 : 1.0)     \
  X(EqOp, u"==", false, 0, u"x == y", u"Equal logical operator.  Returns 1 if true, 0 if false.", \
    a[0] == a[1] ? 1.0 : 0.0)                                                                     \
  X(AndOp, u"&", false, 0, u"x & y", u"And logical operator.  Returns 1 if true, 0 if false.",    \
    a[0] != 0 && a[1] != 0 ? 1.0 : 0.0)                                                           \
  X(OrOp, u"|", false, 0, u"x | y", u"Or logical operator.  Returns 1 if true, 0 if false.",      \
    a[0] != 0 || a[1] != 0 ? 1.0 : 0.0)                                                           \
  X(NotOp, u"!", true, 2, u"!x", u"Not logical operator.  Returns 1 if x is 0, 0 otherwise.",     \
    a[0] == 0 ? 1.0 : 0.0)

#define EXPR_OPERATOR_CLASS(cls, symbol, prefix, precedence, use, text, result)                 \
  class cls final : public OperatorDef {                                                        \
   public:                                                                                      \
    const char16_t* name() const override { return symbol; }                                    \
    const char16_t* usage() const override { return use; }                                      \
    const char16_t* summary() const override { return text; }                                   \
    double compute(unsigned, const double* a) override { return result; }                       \
    StepFunction stepFunction() const override { return &step; }                                \
    static double step(const Instruction& i) {                                                  \
      const double a[2] = {*i.in[0], prefix ? 0.0 : *i.in[1]};                                  \
      return result;                                                                            \
    }                                                                                           \
    int precedenceLevel() const override { return precedence; }                                 \
    bool isPrefix() const override { return prefix; }                                           \
    std::unique_ptr<OperatorDef> duplicate() const override { return std::make_unique<cls>(); } \
  };
EXPR_BUILTIN_OPERATORS(EXPR_OPERATOR_CLASS)
#undef EXPR_OPERATOR_CLASS

}  // namespace

void defineDefaultOperators(DefinitionStore& store) {
#define EXPR_OPERATOR_ADD(cls, ...) store.addOperator(std::make_unique<cls>());
  EXPR_BUILTIN_OPERATORS(EXPR_OPERATOR_ADD)
#undef EXPR_OPERATOR_ADD
}

}  // namespace exprparser
