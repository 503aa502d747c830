#include "analysis/core/CoreErrors.h"
#include "analysis/fft/Fft.h"
#include "analysis/fft/tests/FftTestUtil.h"

#include <gtest/gtest.h>

using namespace SgCore;
using namespace fft_test;

TEST(Hilbert, CosineBecomesSine) {
  for (int n : {64, 60, 63}) {
    std::vector<double> x(n);
    for (int j = 0; j < n; ++j) x[j] = std::cos(2 * M_PI * 3 * j / n);
    auto neg = x;
    ASSERT_EQ(HilbertTransformCore(x.data(), n), 0);
    ASSERT_EQ(InverseHilbertTransformCore(neg.data(), n), 0);
    for (int j = 0; j < n; ++j) {
      EXPECT_NEAR(x[j], std::sin(2 * M_PI * 3 * j / n), 1e-14) << n << " " << j;
      EXPECT_NEAR(neg[j], -std::sin(2 * M_PI * 3 * j / n), 1e-14) << n << " " << j;
    }
  }
  double one = 5;
  ASSERT_EQ(HilbertTransformCore(&one, 1), 0);
  EXPECT_EQ(one, 0.0);
  EXPECT_EQ(InverseHilbertTransformCore(&one, 0), ErrSamplesGtZero);
}

TEST(PowerSpectrum, OnesAndDefinition) {
  std::vector<double> ones(8, 1.0);
  ASSERT_EQ(PowerSpectrumCore(ones.data(), 8), 0);
  EXPECT_NEAR(ones[0], 1.0, 1e-15);
  for (int k = 1; k < 8; ++k) EXPECT_NEAR(ones[k], 0.0, 1e-15);
  double single = -3;
  ASSERT_EQ(PowerSpectrumCore(&single, 1), 0);
  EXPECT_EQ(single, 9.0);
  for (int n : {12, 16}) {
    auto x = Random(n, 5);
    const auto X = NaiveDft(x, std::vector<double>(n, 0.0));
    ASSERT_EQ(PowerSpectrumCore(x.data(), n), 0);
    for (int k = 0; k < n; ++k) EXPECT_NEAR(x[k], double(std::norm(X[k]) / (n * n)), 1e-15);
  }
}

TEST(CrossPowerSpectrum, ConjugateProduct) {
  for (int n : {2, 9, 16}) {
    const auto x = Random(n, 1), y = Random(n, 2);
    const auto X = NaiveDft(x, std::vector<double>(n, 0.0));
    const auto Y = NaiveDft(y, std::vector<double>(n, 0.0));
    std::vector<double> re(n), im(n);
    ASSERT_EQ(CrossPowerSpectrumCore(x.data(), y.data(), n, re.data(), im.data()), 0);
    for (int k = 0; k < n; ++k) {
      const Cx want = std::conj(X[k]) * Y[k] / (long double)(n * n);
      EXPECT_NEAR(re[k], double(want.real()), 1e-15);
      EXPECT_NEAR(im[k], double(want.imag()), 1e-15);
    }
  }
}

TEST(Hartley, DefinitionInverseAndRefusal) {
  const int n = 16;
  const auto x0 = Random(n, 9);
  auto x = x0;
  ASSERT_EQ(HartleyTransformCore(x.data(), n), 0);
  for (int k = 0; k < n; ++k) {
    long double h = 0;
    for (int j = 0; j < n; ++j) {
      const long double a = 2 * 3.14159265358979323846264338327950288L * ((j * k) % n) / n;
      h += x0[j] * (std::cos(a) + std::sin(a));
    }
    EXPECT_NEAR(x[k], double(h), 1e-14);
  }
  ASSERT_EQ(InverseHartleyTransformCore(x.data(), n), 0);
  for (int k = 0; k < n; ++k) EXPECT_NEAR(x[k], x0[k], 1e-15);

  auto twelve = Random(12, 1);
  const auto before = twelve;
  EXPECT_EQ(HartleyTransformCore(twelve.data(), 12), ErrPowerOfTwo);
  EXPECT_EQ(InverseHartleyTransformCore(twelve.data(), 0), ErrSamplesGtZero);
  EXPECT_EQ(twelve, before);
}
