// Squares and cubes are formed by multiplication, with the rounding errors
// carried along exactly (fma); product plus error is the correctly rounded
// power. The library's pow errs by at most 0.54 units in the last place, of
// which all but 0.51 grows with the logarithm of the result: up to 2^64 it
// stays within 0.512 units. So where the exact value lies at most 0.48 units
// (0.45 beyond 2^64) from the rounded product, pow returns that product too.
// Near a rounding boundary, and outside the range where the error terms are
// exact, pow decides.

#include "parser/ExprParserDefFuncs/ExactPower.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "parser/ExprParserCompiler/Instruction.h"

namespace exprparser {
namespace {

// True when `rounded` is what pow returns for the exact value
// rounded + residual.
[[gnu::always_inline]] inline bool certain(double rounded, double residual) {
  const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(rounded) & 0x7FFFFFFFFFFFFFFFu;
  // 2^-900 to 2^900: no error term is subnormal and nothing overflows.
  if (magnitude < 0x07B0000000000000u || magnitude > 0x7830000000000000u) return false;
  double unit = std::bit_cast<double>(magnitude & 0x7FF0000000000000u) * 0x1p-52;
  // Just below a power of two the exact value's last place is half as wide.
  if ((magnitude & 0x000FFFFFFFFFFFFFu) == 0 && std::signbit(rounded) != std::signbit(residual))
    unit *= 0.5;
  const std::uint64_t exponent = magnitude >> 52;  // 1023 for 1.0
  const double band = exponent - (1023 - 64) <= 128 ? 0.48 : 0.45;
  return std::fabs(residual) <= band * unit;
}

// Inlined into the two builds below, so fma is one instruction where the
// processor has it.
[[gnu::always_inline]] inline double exactPower(double x, double y) {
  if (y == 2.0) {
    const double square = x * x;
    if (certain(square, std::fma(x, x, -square))) [[likely]]
      return square;
  } else if (y == 3.0) {
    const double square = x * x;
    const double cube = square * x;
    const double error = std::fma(square, x, -cube) + std::fma(x, x, -square) * x;
    const double rounded = cube + error;
    if (certain(rounded, error - (rounded - cube))) [[likely]]
      return rounded;
  }
  return std::pow(x, y);
}

[[gnu::target("fma")]] double powerFma(double x, double y) { return exactPower(x, y); }
double powerPlain(double x, double y) { return exactPower(x, y); }
template <bool kChained>
[[gnu::target("fma")]] double stepFma(const Instruction& i, double previous) {
  const auto a = directArguments<2, kChained>(i, previous);
  return exactPower(a[0], a[1]);
}
template <bool kChained>
double stepPlain(const Instruction& i, double previous) {
  const auto a = directArguments<2, kChained>(i, previous);
  return exactPower(a[0], a[1]);
}

const bool g_hasFma = __builtin_cpu_supports("fma");

}  // namespace

double power(double x, double y) { return g_hasFma ? powerFma(x, y) : powerPlain(x, y); }

StepFunction powerStep(bool chained) {
  if (g_hasFma) return chained ? &stepFma<true> : &stepFma<false>;
  return chained ? &stepPlain<true> : &stepPlain<false>;
}

}  // namespace exprparser
