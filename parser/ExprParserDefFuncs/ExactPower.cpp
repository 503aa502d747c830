// Squares and cubes are formed by multiplication, with the rounding errors
// carried along exactly (fma); product plus error is the correctly rounded
// power. The library's pow errs by at most 0.54 units in the last place, of
// which all but 0.51 grows with the logarithm of the result: from 2^-64 to
// 2^64 it stays within 0.512 units. So where the exact value lies at most
// 0.487 units there (0.45 from 2^-900 to 2^900) from the rounded product, pow
// returns that product too. Near a rounding boundary, and outside the range
// where the error terms are exact, pow decides.

#include "parser/ExprParserDefFuncs/ExactPower.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "parser/ExprParserCompiler/Instruction.h"

namespace exprparser {
namespace {

constexpr std::uint64_t kMagnitudeBits = 0x7FFFFFFFFFFFFFFFu;
constexpr std::uint64_t kNarrowLow = 0x3BF0000000000000u;   // 2^-64
constexpr std::uint64_t kNarrowHigh = 0x43F0000000000000u;  // 2^64

// True when `rounded` is what pow returns for the exact value
// rounded + residual, outside [2^-64, 2^64).
[[gnu::noinline]] bool certainWide(double rounded, double residual) {
  const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(rounded) & kMagnitudeBits;
  // 2^-900 to 2^900: no error term is subnormal and nothing overflows.
  if (magnitude < 0x07B0000000000000u || magnitude > 0x7830000000000000u) return false;
  double unit = std::bit_cast<double>(magnitude & 0x7FF0000000000000u) * 0x1p-52;
  // Just below a power of two the exact value's last place is half as wide.
  if ((magnitude & 0x000FFFFFFFFFFFFFu) == 0 && std::signbit(rounded) != std::signbit(residual))
    unit *= 0.5;
  return std::fabs(residual) <= 0.45 * unit;
}

// The same test in [2^-64, 2^64), where it is one multiply-add: the residual
// stretched by 0.5/0.487 still rounds back to `rounded` exactly when the
// residual is below 0.487 of the gap to the neighbour on its side, which
// below a power of two is half the last place, as the rounding itself knows.
[[gnu::always_inline]] inline bool certain(double rounded, double residual) {
  constexpr double kStretch = 0.5 / 0.487;
  const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(rounded) & kMagnitudeBits;
  if (magnitude - kNarrowLow < kNarrowHigh - kNarrowLow) [[likely]]
    return rounded + residual * kStretch == rounded;
  return certainWide(rounded, residual);
}

// The library's pow itself: a compiler that sees the exponent 2 would
// replace the call by x * x, which is what it is asked to decide.
[[gnu::noinline]] double libraryPow(double x, double y) {
  asm("" : "+x"(y));
  return std::pow(x, y);
}

[[gnu::always_inline]] inline double square(double x) {
  const double product = x * x;
  if (certain(product, std::fma(x, x, -product))) [[likely]]
    return product;
  return libraryPow(x, 2.0);
}

// x^3 = s*x + e*x with s + e = x^2 exactly; one rounding of that sum is
// the cube unless it lies within a hair of a rounding boundary, which the
// residual then shows.
[[gnu::always_inline]] inline double cube(double x) {
  const double square = x * x;
  const double tail = std::fma(x, x, -square) * x;
  const double rounded = std::fma(square, x, tail);
  if (certain(rounded, std::fma(square, x, -rounded) + tail)) [[likely]]
    return rounded;
  return libraryPow(x, 3.0);
}

[[gnu::always_inline]] inline double exactPower(double x, double y) {
  if (y == 2.0) return square(x);
  if (y == 3.0) return cube(x);
  return std::pow(x, y);
}

// Each step in two builds, so fma is one instruction where the processor
// has it; a constant exponent of 2 or 3 is chosen while compiling.
#define EXPR_POWER_BUILDS(name, count, result)                                         \
  struct name##Fma {                                                                   \
    template <Chain kChain>                                                            \
    [[gnu::target("fma")]] static double step(const Instruction& i, double previous) { \
      const auto a = directArguments<count, kChain>(i, previous);                      \
      return passOn(i, result);                                                        \
    }                                                                                  \
  };                                                                                   \
  struct name##Plain {                                                                 \
    template <Chain kChain>                                                            \
    static double step(const Instruction& i, double previous) {                        \
      const auto a = directArguments<count, kChain>(i, previous);                      \
      return passOn(i, result);                                                        \
    }                                                                                  \
  };
EXPR_POWER_BUILDS(Power, 2, exactPower(a[0], a[1]))
EXPR_POWER_BUILDS(Square, 1, square(a[0]))
EXPR_POWER_BUILDS(Cube, 1, cube(a[0]))
#undef EXPR_POWER_BUILDS

[[gnu::target("fma")]] double valueFma(double x, double y) { return exactPower(x, y); }
double valuePlain(double x, double y) { return exactPower(x, y); }

const bool g_hasFma = __builtin_cpu_supports("fma");

template <class Fma, class Plain>
StepFunction build(Chain chain) {
  return g_hasFma ? stepFor<Fma>(chain) : stepFor<Plain>(chain);
}

}  // namespace

double power(double x, double y) { return g_hasFma ? valueFma(x, y) : valuePlain(x, y); }

StepFunction powerStep(Chain chain, const Instruction* step) {
  // The exponent is a constant unless the step before makes it.
  if (step && chain != Chain::kLast && step->constantArgument(1)) {
    if (step->arguments[1] == 2.0) return build<SquareFma, SquarePlain>(chain);
    if (step->arguments[1] == 3.0) return build<CubeFma, CubePlain>(chain);
  }
  return build<PowerFma, PowerPlain>(chain);
}

}  // namespace exprparser
