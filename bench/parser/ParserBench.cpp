// Evaluation speed of compiled expressions, per point, beside muparser's
// single-threaded evaluation of the same texts in the same run. The compiled
// program is evaluated over x in [0, 2*pi) as the equation dialog does;
// the ratio is ours / muparser's (below 1.0: we are faster).

#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "parser/ParserFacade/ExprParser.h"

namespace {

// Counts heap allocations, to show that evaluation makes none.
std::size_t g_allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using Clock = std::chrono::steady_clock;

const char* const kExpressions[] = {
    "sin(x)",
    "sin(x+(pi/2))",
    "sin(0.5*pi*x)*cos(x)",
    "3*x^3-2*x^2+x-7",
    "abs(sin(x))*sqrt(x)+max(cos(x),0.2)",
    "x",
};

std::u16string widen(const char* text) {
  std::u16string out;
  for (; *text; ++text) out += char16_t(*text);
  return out;
}

struct Timing {
  double nsPerPoint;
  double checksum;
};

template <class Evaluate>
Timing timeLoop(std::size_t n, double& x, Evaluate evaluate) {
  const double step = 6.283185307179586 / double(n);
  double best = 1e300, checksum = 0;
  const int repeats = n < 100000 ? 50 : 3;
  for (int r = 0; r < repeats; ++r) {
    double sum = 0;
    const auto start = Clock::now();
    for (std::size_t i = 0; i < n; ++i) {
      x = double(i) * step;
      sum += evaluate();
    }
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    best = std::min(best, ns / double(n));
    checksum = sum;
  }
  return {best, checksum};
}

}  // namespace

int main() {
  std::printf("%-38s %10s %12s %12s %7s %12s %s\n", "expression", "N", "ours ns/pt", "muparser",
              "ratio", "compile us", "allocs");
  for (std::size_t n : {std::size_t(16384), std::size_t(20971520)}) {
    for (const char* text : kExpressions) {
      exprparser::ExprParser ours;
      double ourX = 0;
      ours.bindVariable(u"x", &ourX);
      ours.addConstant(u"pi", 3.14159265359);
      ours.addConstant(u"e", 2.718281828459045);
      const std::u16string wide = widen(text);
      const auto compileStart = Clock::now();
      constexpr int kCompiles = 200;
      for (int i = 0; i < kCompiles; ++i) ours.compileText(wide);
      const double compileUs =
          std::chrono::duration<double, std::micro>(Clock::now() - compileStart).count() /
          kCompiles;

      const std::size_t allocationsBefore = g_allocations;
      const Timing mine = timeLoop(n, ourX, [&] { return ours.evaluateProgram(); });
      const std::size_t evaluationAllocations = g_allocations - allocationsBefore;

      mu::Parser reference;
      double muX = 0;
      reference.DefineVar("x", &muX);
      reference.DefineConst("pi", 3.14159265359);
      reference.SetExpr(text);
      reference.Eval();
      const Timing theirs = timeLoop(n, muX, [&] { return reference.Eval(); });

      std::printf("%-38s %10zu %12.2f %12.2f %7.2f %12.1f %zu%s\n", text, n, mine.nsPerPoint,
                  theirs.nsPerPoint, mine.nsPerPoint / theirs.nsPerPoint, compileUs,
                  evaluationAllocations,
                  std::abs(mine.checksum - theirs.checksum) >
                          1e-9 * std::max(1.0, std::abs(theirs.checksum))
                      ? "  (results differ)"
                      : "");
    }
  }
  return 0;
}
