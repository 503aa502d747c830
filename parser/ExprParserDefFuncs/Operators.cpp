// The sixteen built-in operators. Comparisons and logic give exactly 0 or 1,
// compare exactly, and treat a NaN operand as "not zero".

#include <cmath>

#include "parser/ExprParserCompiler/Instruction.h"
#include "parser/ExprParserDefFuncs/DefaultDefinitions.h"
#include "parser/ExprParserDefFuncs/ExactPower.h"

namespace exprparser {
namespace {

// How a run computes each operator: its own step, or for "^" the build for
// this processor and its exponent.
template <class Op>
struct StepsOf {
  static StepFunction get(Chain chain, const Instruction*) { return stepFor<Op>(chain); }
};
class PowOp;
template <>
struct StepsOf<PowOp> {
  static StepFunction get(Chain chain, const Instruction* step);
};

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
    StepFunction stepFunction(Chain chain, const Instruction* step) const override {            \
      return StepsOf<cls>::get(chain, step);                                                    \
    }                                                                                           \
    template <Chain kChain>                                                                     \
    static double step(const Instruction& i, double previous) {                                 \
      const auto a = directArguments < prefix ? 1 : 2, kChain > (i, previous);                  \
      return passOn(i, result);                                                                 \
    }                                                                                           \
    int precedenceLevel() const override { return precedence; }                                 \
    bool isPrefix() const override { return prefix; }                                           \
    std::unique_ptr<OperatorDef> duplicate() const override { return std::make_unique<cls>(); } \
  };
EXPR_BUILTIN_OPERATORS(EXPR_OPERATOR_CLASS)
#undef EXPR_OPERATOR_CLASS

StepFunction StepsOf<PowOp>::get(Chain chain, const Instruction* step) {
  return powerStep(chain, step);
}

}  // namespace

void defineDefaultOperators(DefinitionStore& store) {
#define EXPR_OPERATOR_ADD(cls, ...) store.addOperator(std::make_unique<cls>());
  EXPR_BUILTIN_OPERATORS(EXPR_OPERATOR_ADD)
#undef EXPR_OPERATOR_ADD
}

}  // namespace exprparser
