// Evaluation speed of compiled expressions against muparser, per point, over
// x in [0, 2*pi) as the equation dialog sweeps a waveform. Each side is
// compiled once, outside the timing, and called as its users call it: ours
// through evaluateProgram, muparser through Eval with the variable bound to
// a double. The two alternate in one process and the fastest of several
// runs counts, so a busy machine slows both alike.
// Prints one line per expression: path, ratio ours/muparser, goal.

#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

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

constexpr double kGoal = 1.0;
constexpr std::size_t kPoints = 65536;
constexpr int kRuns = 41;

// A lone "x" is left out: both sides then cost what the sweep itself costs
// (about 2 ns a point), and their ratio says nothing.
const char* const kExpressions[] = {
    "sin(x)",          "sin(x+(pi/2))", "sin(0.5*pi*x)*cos(x)",
    "3*x^3-2*x^2+x-7", "sqrt(x^2+1)",   "abs(sin(x))*sqrt(x)+max(cos(x),0.2)",
};

std::u16string widen(const char* text) {
  std::u16string out;
  for (; *text; ++text) out += char16_t(*text);
  return out;
}

// One sweep: nanoseconds per point and the sum of the values.
template <class Evaluate>
std::pair<double, double> sweep(double& x, Evaluate evaluate) {
  const double step = 6.283185307179586 / double(kPoints);
  double sum = 0;
  const auto start = Clock::now();
  for (std::size_t i = 0; i < kPoints; ++i) {
    x = double(i) * step;
    sum += evaluate();
  }
  const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
  return {ns / double(kPoints), sum};
}

}  // namespace

int main() {
  for (const char* text : kExpressions) {
    exprparser::ExprParser ours;
    double ourX = 0;
    ours.bindVariable(u"x", &ourX);
    ours.addConstant(u"pi", 3.14159265359);
    ours.compileText(widen(text));

    mu::Parser theirs;
    double theirX = 0;
    theirs.DefineVar("x", &theirX);
    theirs.DefineConst("pi", 3.14159265359);
    theirs.SetExpr(text);
    theirs.Eval();

    double bestOurs = 1e300, bestTheirs = 1e300, sumOurs = 0, sumTheirs = 0;
    const std::size_t allocationsBefore = g_allocations;
    for (int run = 0; run < kRuns; ++run) {
      // Alternate which goes first, so neither always meets a warm cache.
      for (int side = 0; side < 2; ++side) {
        if ((run + side) % 2 == 0) {
          const auto [ns, sum] = sweep(ourX, [&] { return ours.evaluateProgram(); });
          bestOurs = std::min(bestOurs, ns);
          sumOurs = sum;
        } else {
          const auto [ns, sum] = sweep(theirX, [&] { return theirs.Eval(); });
          bestTheirs = std::min(bestTheirs, ns);
          sumTheirs = sum;
        }
      }
    }
    const std::size_t allocations = g_allocations - allocationsBefore;
    const double ratio = bestOurs / bestTheirs;
    std::printf("parser/eval/%s %.2f %.1f\n", text, ratio, kGoal);
    // The figures behind the ratio, for people; not part of the result lines.
    std::fprintf(stderr, "  %-38s ours %6.2f ns/pt  muparser %6.2f ns/pt  allocations %zu%s\n",
                 text, bestOurs, bestTheirs, allocations,
                 std::abs(sumOurs - sumTheirs) > 1e-9 * std::max(1.0, std::abs(sumTheirs))
                     ? "  (results differ)"
                     : "");
  }
  return 0;
}
