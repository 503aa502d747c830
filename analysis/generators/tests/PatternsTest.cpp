#include "analysis/core/CoreErrors.h"
#include "analysis/generators/Generators.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <vector>

using namespace SgCore;

namespace {
void ExpectNear(const std::vector<double>& got, const std::vector<double>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-15) << "index " << i;
}
}  // namespace

TEST(Patterns, SmallCases) {
  struct Row {
    const char* name;
    int n;
    std::function<int(int, double*)> make;
    std::vector<double> want;
  };
  const std::vector<Row> rows = {
      {"impulse",
       4,
       [](int n, double* o) { return ImpulsePatternCore(n, 2.0, 1, o); },
       {0, 2, 0, 0}},
      {"pulse 2+3 of 5",
       5,
       [](int n, double* o) { return PulsePatternCore(n, 7, 2, 3, o); },
       {0, 0, 7, 7, 7}},
      {"ramp 0..1",
       5,
       [](int n, double* o) { return RampPatternCore(n, 0, 1, o); },
       {0, 0.25, 0.5, 0.75, 1}},
      {"triangle 4",
       4,
       [](int n, double* o) { return TrianglePatternCore(n, 1, o); },
       {0, 0.5, 1, 0.5}},
      {"triangle 5",
       5,
       [](int n, double* o) { return TrianglePatternCore(n, 1, o); },
       {0, 0.5, 1, 0.5, 0}},
      {"sine pattern",
       4,
       [](int n, double* o) { return SinePatternCore(n, 2, 0, 1, o); },
       {0, 2, 0, -2}},
      {"sinc delay 0",
       3,
       [](int n, double* o) { return SincPatternCore(n, 3, 0, 0.5, o); },
       {3, 3 * std::sin(M_PI / 2) / (M_PI / 2), 3 * std::sin(M_PI) / M_PI}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<double> out(row.n, 99.0);
    ASSERT_EQ(row.make(row.n, out.data()), 0);
    ExpectNear(out, row.want);
  }
}

TEST(Patterns, RefusalsWriteNothing) {
  struct Row {
    const char* name;
    int code;
    std::function<int(double*)> make;
  };
  const std::vector<Row> rows = {
      {"impulse at n", ErrIndex, [](double* o) { return ImpulsePatternCore(4, 1, 4, o); }},
      {"impulse empty", ErrSamplesGtZero, [](double* o) { return ImpulsePatternCore(0, 1, 0, o); }},
      {"pulse 3+3 of 5", ErrDelayWidth, [](double* o) { return PulsePatternCore(5, 1, 3, 3, o); }},
      {"pulse negative width", ErrDelayWidth,
       [](double* o) { return PulsePatternCore(5, 1, 0, -1, o); }},
      // delay + width wraps to a small negative sum in 32 bits.
      {"pulse wrapping sum", ErrDelayWidth,
       [](double* o) { return PulsePatternCore(4, 1, INT_MAX, INT_MAX, o); }},
      {"ramp one sample", ErrSamplesGeTwo, [](double* o) { return RampPatternCore(1, 0, 1, o); }},
      {"triangle one sample", ErrSamplesGeTwo,
       [](double* o) { return TrianglePatternCore(1, 1, o); }},
      {"sine pattern cycles", ErrCycles, [](double* o) { return SinePatternCore(4, 1, 0, 5, o); }},
      {"sinc dt 0", ErrDtDx, [](double* o) { return SincPatternCore(4, 1, 0, 0, o); }},
      {"sinc dt NaN", ErrDtDx, [](double* o) { return SincPatternCore(4, 1, 0, NAN, o); }},
      {"chirp negative", ErrSamplesGtZero,
       [](double* o) { return ChirpPatternCore(-1, 1, 0, 0.5, o); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<double> out(4, 99.0);
    EXPECT_EQ(row.make(out.data()), row.code);
    EXPECT_EQ(out, std::vector<double>(4, 99.0));
  }
}

TEST(Patterns, ChirpPastTheIntSquareOfItsIndex) {
  // k * k overflows 32 bits from k = 46,341; the samples there must still follow
  // the formula.
  const int n = 46345;
  std::vector<double> out(n);
  ASSERT_EQ(ChirpPatternCore(n, 1.0, 0.01, 0.2, out.data()), 0);
  for (int k : {0, 1000, 46340, 46341, 46344}) {
    const double dk = k;
    EXPECT_NEAR(out[k], std::sin(dk * (dk * (0.2 - 0.01) * M_PI / n + 2 * M_PI * 0.01)), 1e-9) << k;
  }
}
