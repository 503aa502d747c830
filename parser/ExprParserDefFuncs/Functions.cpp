// The thirty numeric built-in functions and the registration of every
// built-in function and numeric macro, in the order that decides overloads.

#include <cmath>
#include <cstdlib>
#include <limits>

#include "parser/ExprParserCompiler/Instruction.h"
#include "parser/ExprParserDefFuncs/DefaultDefinitions.h"
#include "parser/ExprParserDefFuncs/NumericMacros.h"
#include "parser/ExprParserDefFuncs/TextArgumentFunctions.h"

namespace exprparser {
namespace {

// Away from zero at .5, in double: no detour through a 32-bit integer, so
// large values, infinities and NaN come back unharmed, and no 0.5 is added
// first, which would round odd integers above 2^52 up. A zero result is +0,
// as the integer detour gave it, so a division by it keeps its sign.
double roundHalfAway(double x) { return std::round(x) + 0.0; }

// In double: exact up to 22!, infinite from 171! on, at most 170 steps.
double factorial(double x) {
  if (std::isnan(x)) return x;
  const double k = std::trunc(x);
  if (k <= 0) return 1.0;
  if (k >= 171) return std::numeric_limits<double>::infinity();
  double product = 1.0;
  for (int i = 2; i <= int(k); ++i) product *= i;
  return product;
}

// The shared generator, read as 0..32767 whatever this library's RAND_MAX.
double random01() { return double(std::rand() & 0x7FFF) * (1.0 / 32767.0); }

double minOf(unsigned n, const double* a) {
  double m = a[0];
  for (unsigned i = 1; i < n; ++i)
    if (m > a[i]) m = a[i];
  return m;
}
double maxOf(unsigned n, const double* a) {
  double m = a[0];
  for (unsigned i = 1; i < n; ++i)
    if (m < a[i]) m = a[i];
  return m;
}
double sumOf(unsigned n, const double* a) {
  double s = 0;
  for (unsigned i = 0; i < n; ++i) s += a[i];
  return s;
}
// From the first argument on, so the average of -0 is -0.
double averageOf(unsigned n, const double* a) {
  double s = a[0];
  for (unsigned i = 1; i < n; ++i) s += a[i];
  return s / n;
}
double min2(double x, double y) { return x < y ? x : y; }
double max2(double x, double y) { return x > y ? x : y; }

// X(class, name, argCount, foldable, usage, summary, result from n and a[])
#define EXPR_BUILTIN_FUNCTIONS(X)                                                                  \
  X(RoundFn, u"round", 1, true, u"round(x)", u"Round the fractional part of a number",             \
    roundHalfAway(a[0]))                                                                           \
  X(SinFn, u"sin", 1, true, u"sin(x)", u"Sine", std::sin(a[0]))                                    \
  X(AsinFn, u"asin", 1, true, u"asin(x)", u"Arcsine", std::asin(a[0]))                             \
  X(SinhFn, u"sinh", 1, true, u"sinh(x)", u"Hyperbolic sine", std::sinh(a[0]))                     \
  X(CosFn, u"cos", 1, true, u"cos(x)", u"Cosine", std::cos(a[0]))                                  \
  X(AcosFn, u"acos", 1, true, u"acos(x)", u"Arccosine", std::acos(a[0]))                           \
  X(CoshFn, u"cosh", 1, true, u"cosh(x)", u"Hyperbolic cosine", std::cosh(a[0]))                   \
  X(TanFn, u"tan", 1, true, u"tan(x)", u"Tangent", std::tan(a[0]))                                 \
  X(AtanFn, u"atan", 1, true, u"atan(x)", u"Arctangent", std::atan(a[0]))                          \
  X(TanhFn, u"tanh", 1, true, u"tanh(x)", u"Hyperbolic tangent", std::tanh(a[0]))                  \
  X(SqrtFn, u"sqrt", 1, true, u"sqrt(x)", u"Square root", std::sqrt(a[0]))                         \
  X(Min2Fn, u"min", 2, true, u"min(x,y)", u"Returns smaller of two values", min2(a[0], a[1]))      \
  X(Min3Fn, u"min", 3, true, u"min(x,y,z)", u"Returns smaller of three values",                    \
    min2(min2(a[0], a[1]), a[2]))                                                                  \
  X(MinNFn, u"min", -1, true, u"min(v1,v2,v3,...)", u"Returns smaller of a set of values",         \
    minOf(n, a))                                                                                   \
  X(Max2Fn, u"max", 2, true, u"max(x,y)", u"Returns larger of two values", max2(a[0], a[1]))       \
  X(Max3Fn, u"max", 3, true, u"max(x,y,z)", u"Returns larger of three values",                     \
    max2(max2(a[0], a[1]), a[2]))                                                                  \
  X(MaxNFn, u"max", -1, true, u"max(v1,v2,v3,...)", u"Returns larger of a set of values",          \
    maxOf(n, a))                                                                                   \
  X(AbsFn, u"abs", 1, true, u"abs(x)", u"Absolute value", std::fabs(a[0]))                         \
  X(Rand0Fn, u"rand", 0, false, u"rand()", u"Random value between 0 and 1", random01())            \
  X(Rand2Fn, u"rand", 2, false, u"rand(min, max)", u"Random value between min and max",            \
    a[0] + (a[1] - a[0]) * random01())                                                             \
  X(CeilFn, u"ceil", 1, true, u"ceil(x)", u"Ceiling", std::ceil(a[0]))                             \
  X(FloorFn, u"floor", 1, true, u"floor(x)", u"Floor", std::floor(a[0]))                           \
  X(LogFn, u"log", 1, true, u"log(x)", u"Natural logarithm", std::log(a[0]))                       \
  X(Log10Fn, u"log10", 1, true, u"log10(x)", u"Base-10 logarithm", std::log10(a[0]))               \
  X(AvgFn, u"avg", -1, true, u"avg(v1,v2,v3,...)", u"Returns the average of a set of values",      \
    averageOf(n, a))                                                                               \
  X(SumFn, u"sum", -1, true, u"sum(v1,v2,v3,...)", u"Returns the sum of a set of values",          \
    sumOf(n, a))                                                                                   \
  X(FactFn, u"fact", 1, true, u"fact(x)", u"Returns the factorial of x: x*(x-1)*(x-2)*...(x-x+1)", \
    factorial(a[0]))                                                                               \
  X(IfFn, u"if", 3, true, u"if(condition, val1, val2)",                                            \
    u"If the condition is true, returns val1 else returns val2.", a[0] == 0 ? a[2] : a[1])         \
  X(IsNaNFn, u"isNaN", 1, true, u"isNan(value)", u"Returns 1 if the number is a NaN value.",       \
    std::isnan(a[0]) ? 1.0 : 0.0)                                                                  \
  X(IsFiniteFn, u"isFinite", 1, true, u"isFinite(value)", u"Returns 1 if the number is finite.",   \
    std::isfinite(a[0]) ? 1.0 : 0.0)

#define EXPR_FUNCTION_CLASS(cls, fname, count, foldable, use, text, result)                     \
  class cls final : public FunctionDef {                                                        \
   public:                                                                                      \
    const char16_t* name() const override { return fname; }                                     \
    const char16_t* usage() const override { return use; }                                      \
    const char16_t* summary() const override { return text; }                                   \
    bool isFoldable() const override { return foldable; }                                       \
    double compute([[maybe_unused]] unsigned n, [[maybe_unused]] const double* a) override {    \
      return result;                                                                            \
    }                                                                                           \
    /* Fixed counts read through the step's direct inputs; any count, the slots. */             \
    StepFunction stepFunction(Chain chain, const Instruction*) const override {                 \
      return count >= (chain == Chain::kNone ? 0 : 1) ? stepFor<cls>(chain) : nullptr;          \
    }                                                                                           \
    template <Chain kChain>                                                                     \
    static double step(const Instruction& i, double previous) {                                 \
      [[maybe_unused]] const unsigned n = unsigned(count);                                      \
      const auto args = directArguments<(count > 0 ? count : 0), kChain>(i, previous);          \
      [[maybe_unused]] const double* a = args.data();                                           \
      return passOn(i, result);                                                                 \
    }                                                                                           \
    int argCount() const override { return count; }                                             \
    std::unique_ptr<FunctionDef> duplicate() const override { return std::make_unique<cls>(); } \
  };
EXPR_BUILTIN_FUNCTIONS(EXPR_FUNCTION_CLASS)
#undef EXPR_FUNCTION_CLASS

}  // namespace

void defineDefaultFunctions(DefinitionStore& store) {
#define EXPR_FUNCTION_ADD(cls, ...) store.addFunction(std::make_unique<cls>());
  EXPR_BUILTIN_FUNCTIONS(EXPR_FUNCTION_ADD)
#undef EXPR_FUNCTION_ADD
  store.addFunction(std::make_unique<HexFunction>());
  store.addFunction(std::make_unique<BinFunction>());
  store.addFunction(std::make_unique<DerivateMacro>());
  store.addFunction(std::make_unique<TrapezoidMacro>());
  store.addFunction(std::make_unique<SolveMacro>());
}

}  // namespace exprparser
