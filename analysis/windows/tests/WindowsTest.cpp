#include "analysis/core/CoreErrors.h"
#include "analysis/windows/Windows.h"
#include "analysis/windows/tests/KaiserReferences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace SgCore;

namespace {
std::vector<double> Ones(int n) { return std::vector<double>(n, 1.0); }

void ExpectNear(const std::vector<double>& got, const std::vector<double>& want, double tol) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) {
    if (std::isinf(want[i])) {
      EXPECT_EQ(got[i], want[i]) << "index " << i;
      continue;
    }
    EXPECT_NEAR(got[i], want[i], tol * std::max(1.0, std::fabs(want[i]))) << "index " << i;
  }
}

struct Row {
  const char* name;
  std::function<int(double*, int)> apply;
  int n;
  std::vector<double> want;
};
}  // namespace

TEST(Windows, SmallCasesOfOnes) {
  const std::vector<Row> rows = {
      {"hanning 4", HanningWindowCore, 4, {0, 0.5, 1, 0.5}},
      {"hamming 4", HammingWindowCore, 4, {0.08, 0.54, 1, 0.54}},
      {"triangle 5", TriangleWindowCore, 5, {0, 0.5, 1, 1, 0.5}},
      {"triangle 4", TriangleWindowCore, 4, {0, 0.5, 1, 0.5}},
      {"triangle 1", TriangleWindowCore, 1, {0}},
      {"kaiser beta 0",
       [](double* x, int n) { return KaiserWindowCore(x, n, 0.0); },
       5,
       {1, 1, 1, 1, 1}},
      {"taper 9", CosineTaperWindowCore, 9, std::vector<double>(9, 1.0)},
      {"exponential 0.01",
       [](double* x, int n) { return ExponentialWindowCore(x, n, 0.01); },
       3,
       {1, 0.1, 0.01}},
      {"exponential to infinity",
       [](double* x, int n) { return ExponentialWindowCore(x, n, INFINITY); },
       3,
       {1, INFINITY, INFINITY}},
      {"force 50", [](double* x, int n) { return ForceWindowCore(x, n, 50); }, 5, {1, 1, 0, 0, 0}},
      {"force 150", [](double* x, int n) { return ForceWindowCore(x, n, 150); }, 3, {1, 1, 1}},
      {"force -10", [](double* x, int n) { return ForceWindowCore(x, n, -10); }, 3, {0, 0, 0}},
      {"force NaN", [](double* x, int n) { return ForceWindowCore(x, n, NAN); }, 3, {0, 0, 0}},
      {"general {1}",
       [](double* x, int n) {
         const double a[] = {1.0};
         return GeneralCosineWindowCore(x, n, a, 1);
       },
       6, std::vector<double>(6, 1.0)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto x = Ones(row.n);
    ASSERT_EQ(row.apply(x.data(), row.n), 0);
    ExpectNear(x, row.want, 1e-15);
  }
}

TEST(Windows, CosineTaperRampsTenPercentAtEachEnd) {
  auto x20 = Ones(20);
  ASSERT_EQ(CosineTaperWindowCore(x20.data(), 20), 0);
  auto want20 = Ones(20);
  want20[0] = want20[19] = 0;
  want20[1] = want20[18] = 0.5;
  ExpectNear(x20, want20, 1e-15);
  auto x30 = Ones(30);
  ASSERT_EQ(CosineTaperWindowCore(x30.data(), 30), 0);
  EXPECT_NEAR(x30[1], 0.25, 1e-15);
  EXPECT_NEAR(x30[2], 0.75, 1e-15);
  EXPECT_NEAR(x30[28], 0.25, 1e-15);
  EXPECT_EQ(x30[29], 0.0);
}

TEST(Windows, CosineSumsMatchTheirDefinitionsAtOddAndEvenLengths) {
  for (int n : {7, 64, 1001}) {
    const double t = 2 * M_PI / n;
    auto check = [&](const char* name, auto fn, auto def) {
      SCOPED_TRACE(name);
      auto x = Ones(n);
      ASSERT_EQ(fn(x.data(), n), 0);
      for (int k = 1; k < n; ++k) EXPECT_NEAR(x[k], def(k), 1e-14) << "n " << n << " k " << k;
    };
    check("hanning", HanningWindowCore, [&](int k) { return 0.5 - 0.5 * std::cos(k * t); });
    check("blackman", BlackmanWindowCore,
          [&](int k) { return 0.42 - 0.5 * std::cos(k * t) + 0.08 * std::cos(2 * k * t); });
    check("blackman-harris (three-term)", BlackmanHarrisWindowCore, [&](int k) {
      return 0.42323 - 0.49755 * std::cos(k * t) + 0.07922 * std::cos(2 * k * t);
    });
    check("exact blackman", ExactBlackmanWindowCore, [&](int k) {
      return (7938 - 9240 * std::cos(k * t) + 1430 * std::cos(2 * k * t)) / 18608;
    });
    check("flat top", FlatTopWindowCore, [&](int k) {
      const double a[] = {0.215578948, 0.41663158, 0.277263158, 0.083578947, 0.006947368};
      double w = 0;
      for (int j = 0; j < 5; ++j) w += (j % 2 ? -1 : 1) * a[j] * std::cos(j * k * t);
      return w;
    });
  }
  auto b = Ones(8);
  BlackmanWindowCore(b.data(), 8);
  EXPECT_EQ(b[0], -1.3877787807814457e-17);
  EXPECT_EQ(b[4], 1.0);
}

// Periodic Kaiser windows from scipy (KaiserReferences.h, written by
// make_kaiser_references.py), large betas included.
TEST(Windows, KaiserMatchesReferenceIncludingLargeBeta) {
  for (const kaiser_references::Window& c : kaiser_references::Windows()) {
    SCOPED_TRACE(c.beta);
    const int n = int(c.values.size());
    auto x = Ones(n);
    ASSERT_EQ(KaiserWindowCore(x.data(), n, c.beta), 0);
    for (int k = 0; k < n; ++k) EXPECT_NEAR(x[k] / c.values[k], 1.0, 1e-12) << k;
  }
  // Beyond I0's range the window stays finite, peaks at 1 and is symmetric.
  auto x = Ones(8);
  ASSERT_EQ(KaiserWindowCore(x.data(), 8, 1000.0), 0);
  EXPECT_NEAR(x[4], 1.0, 1e-12);
  EXPECT_EQ(x[3], x[5]);
  // Leading asymptotic ratio I0(a)/I0(b) ~ e^(a-b) sqrt(b/a).
  const double a3 = 1000.0 * std::sqrt(1.0 - 0.25 * 0.25);
  EXPECT_NEAR(x[3] / (std::exp(a3 - 1000.0) * std::sqrt(1000.0 / a3)), 1.0, 1e-4);
}

TEST(Windows, RefusalsLeaveTheDataUnchanged) {
  const double a[] = {1.0};
  struct Refusal {
    const char* name;
    std::function<int(double*, int)> apply;
    int n;
    int code;
  };
  const std::vector<Refusal> rows = {
      {"hanning empty", HanningWindowCore, 0, ErrSamplesGtZero},
      {"triangle negative", TriangleWindowCore, -3, ErrSamplesGtZero},
      {"kaiser empty", [](double* x, int n) { return KaiserWindowCore(x, n, 3); }, 0,
       ErrSamplesGtZero},
      {"cosine taper empty", CosineTaperWindowCore, 0, ErrSamplesGtZero},
      {"general no coefficients",
       [&](double* x, int n) { return GeneralCosineWindowCore(x, n, a, 0); }, 4, ErrSamplesGtZero},
      {"exponential one sample", [](double* x, int n) { return ExponentialWindowCore(x, n, 0.5); },
       1, ErrSamplesGeTwo},
      {"exponential final 0", [](double* x, int n) { return ExponentialWindowCore(x, n, 0.0); }, 4,
       ErrFinalValue},
      {"exponential final NaN", [](double* x, int n) { return ExponentialWindowCore(x, n, NAN); },
       4, ErrFinalValue},
      {"force one sample", [](double* x, int n) { return ForceWindowCore(x, n, 50); }, 1,
       ErrSamplesGeTwo},
  };
  for (const Refusal& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<double> x = {3, 4, 5, 6};
    EXPECT_EQ(row.apply(x.data(), row.n), row.code);
    EXPECT_EQ(x, (std::vector<double>{3, 4, 5, 6}));
  }
}

// Near the ends of a long window the factors are tiny; they must stay
// relatively accurate, not merely within an absolute 1e-16.
TEST(Windows, HanningKeepsRelativeAccuracyAtTheEndsOfLongWindows) {
  const int n = 2097152;
  std::vector<double> x(n, 1.0);
  ASSERT_EQ(HanningWindowCore(x.data(), n), 0);
  for (int k : {1, 2, 31, 32, 33, 64, 1000, 123457, n / 2 - 1}) {
    const double s = std::sin(M_PI * k / n);
    EXPECT_NEAR(x[k] / (s * s), 1.0, 1e-13) << k;
    EXPECT_EQ(x[k], x[n - k]);
  }
}
