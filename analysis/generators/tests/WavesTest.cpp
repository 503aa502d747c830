#include "analysis/core/CoreErrors.h"
#include "analysis/generators/Generators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace SgCore;

TEST(Waves, SineAndSquareQuarterCycles) {
  std::vector<double> out(4);
  double phase = 0;
  ASSERT_EQ(SineWaveCore(4, 1, 0.25, &phase, out.data()), 0);
  const double want[] = {0, 1, 0, -1};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(out[k], want[k], 1e-15);
  EXPECT_EQ(phase, 0.0);

  phase = 0;
  ASSERT_EQ(SquareWaveCore(4, 1, 0.25, &phase, 25, out.data()), 0);
  EXPECT_EQ(out, (std::vector<double>{1, -1, -1, -1}));
  phase = 0;
  ASSERT_EQ(SquareWaveCore(4, 1, 0.25, &phase, 0, out.data()), 0);
  EXPECT_EQ(out, (std::vector<double>{-1, -1, -1, -1}));
}

TEST(Waves, NegativePhaseIsWrappedAfterTheCall) {
  std::vector<double> out(3);
  double phase = -90;
  ASSERT_EQ(SineWaveCore(3, 2, 0.0, &phase, out.data()), 0);
  EXPECT_EQ(out, (std::vector<double>{-2, -2, -2}));
  EXPECT_EQ(phase, 270.0);
}

TEST(Waves, ValueFunctionsAtTheirCorners) {
  struct Row {
    double phase, triangle, sawtooth;
  };
  for (const Row& r : {Row{0, 0, 0}, Row{90, 1, 0.5}, Row{180, 0, -1}, Row{270, -1, -0.5},
                       Row{-90, -1, -0.5}, Row{450, 1, 0.5}}) {
    SCOPED_TRACE(r.phase);
    EXPECT_NEAR(TriangleWaveValue(r.phase), r.triangle, 1e-15);
    EXPECT_NEAR(SawtoothWaveValue(r.phase), r.sawtooth, 1e-15);
  }
  EXPECT_EQ(SquareWaveValue(10, NAN), -1.0);
  EXPECT_EQ(SquareWaveValue(359, 150), 1.0);
}

TEST(Waves, ArbitraryWaveInterpolatesAndStaysInsideItsTable) {
  const double table[] = {0, 10, 20, 30};
  std::vector<double> out(6);
  double phase = 0;  // four table entries per cycle; half a step per sample
  ASSERT_EQ(ArbitraryWaveCore(6, 1, 0.125, &phase, table, 4, 1, out.data()), 0);
  EXPECT_EQ(out, (std::vector<double>{0, 5, 10, 15, 20, 25}));
  EXPECT_DOUBLE_EQ(phase, 270.0);
  // Wrap-around interpolates between the last entry and the first.
  EXPECT_DOUBLE_EQ(ArbitraryWaveValue(3.5, table, 4, 1), 15.0);
  // A phase just below zero wraps to exactly the table length in floating
  // point; it must not read table[4].
  EXPECT_EQ(ArbitraryWaveValue(-1e-17, table, 4, 0), 0.0);
  EXPECT_EQ(ArbitraryWaveValue(-1e-17, table, 4, 1), 0.0);
  EXPECT_EQ(ArbitraryWaveValue(NAN, table, 4, 1), 0.0);

  phase = 123;
  ASSERT_EQ(ArbitraryWaveCore(3, 1, 0.1, &phase, nullptr, 0, 1, out.data()), 0);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_EQ(out[2], 0.0);
  EXPECT_EQ(phase, 0.0);
}

TEST(Waves, RefusalLeavesPhaseAndOutputAlone) {
  std::vector<double> out(2, 5.0);
  double phase = 45;
  EXPECT_EQ(SineWaveCore(0, 1, 0.1, &phase, out.data()), ErrSamplesGtZero);
  EXPECT_EQ(SquareWaveCore(-1, 1, 0.1, &phase, 50, out.data()), ErrSamplesGtZero);
  EXPECT_EQ(ArbitraryWaveCore(0, 1, 0.1, &phase, nullptr, 0, 0, out.data()), ErrSamplesGtZero);
  EXPECT_EQ(phase, 45.0);
  EXPECT_EQ(out, (std::vector<double>{5, 5}));
}
