// The standard-shape generator against samples computed here: the shapes,
// phase rotation, offset and limits, and the mends (always the count asked
// for, the shift taken modulo the built period, no unit means the first).
#include "tools/StandardShapes.h"

#include "containers/CSgExceptionT.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

using Doubles = SG::CSgScalarVector<double>;

ShapeSettings Shape(int shape, unsigned n, double amplitude, double param1 = 0.0) {
  ShapeSettings s;
  s.shape = shape;
  s.points = n;
  s.amplitude = amplitude;
  s.param1 = param1;
  return s;
}

Doubles Build(const ShapeSettings& s, SG::CSgScalarVector<float>* working = nullptr) {
  Doubles v;
  EXPECT_EQ(BuildStandardShape(s, v, working), ShapeOutcome::Built);
  return v;
}

TEST(StandardShapes, SineFollowsTheFormulaWithItsPhaseAndOffsetLimit) {
  ShapeSettings s = Shape(kShapeSine, 16384, 6.0);
  s.phase = 90.9;  // the sine takes fractional degrees
  const Doubles v = Build(s);
  ASSERT_EQ(v.GetSize(), 16384u);
  for (unsigned i : {0u, 1u, 4096u, 16383u})
    EXPECT_NEAR(v[i], 3.0 * std::sin((90.9 + 360.0 * i / 16384.0) * std::numbers::pi / 180.0),
                1e-9);
  s.phase = 0;
  s.amplitude = 20.0;
  s.offset = 2.0;
  const Doubles high = Build(s);
  EXPECT_EQ(high[4096], 10.0);  // 12 limited to 10
  EXPECT_NEAR(high[0], 2.0, 1e-12);
}

TEST(StandardShapes, RampPiecesPhaseAndSymmetry) {
  ShapeSettings s = Shape(kShapeRamp, 1000, 6.0, 50.0);
  const Doubles tri = Build(s);
  EXPECT_EQ(tri[0], 0.0);
  EXPECT_DOUBLE_EQ(tri[249], 3.0);
  EXPECT_DOUBLE_EQ(tri[250], 3.0);
  EXPECT_NEAR(tri[749], -3.0, 1e-12);
  EXPECT_NEAR(tri[999], 0.0, 1e-12);
  s.phase = 90.9;  // the ramp takes whole degrees: 250 samples to the left
  const Doubles rotated = Build(s);
  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(rotated[i], tri[(i + 250) % 1000]) << i;
  s.phase = 360;
  const Doubles full = Build(s);
  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(full[i], tri[i]);
  s.phase = 0;
  s.param1 = 0;  // one fall from A to -A
  const Doubles fall = Build(s);
  EXPECT_DOUBLE_EQ(fall[0], 3.0);
  EXPECT_NEAR(fall[999], -3.0, 1e-12);
}

// A period built shorter than the points is continued, never cut short.
TEST(StandardShapes, PeriodShapesAlwaysGiveTheCountAskedFor) {
  struct Row {
    int shape;
    unsigned n, cycles;
    double param1;
    unsigned period;  // what is built before the continuation
  };
  const Row rows[] = {
      {kShapeRamp, 1001, 1, 50, 1000},  // 250 + 500 + 250
      {kShapeSinc, 16385, 1, 10, 16384},
      {kShapePulse, 1001, 3, 50, 333},
      {kShapeExpRise, 1000, 3, 5, 333},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shape);
    ShapeSettings s = Shape(row.shape, row.n, 4.0, row.param1);
    s.cycles = row.cycles;
    SG::CSgScalarVector<float> working;
    const Doubles v = Build(s, &working);
    ASSERT_EQ(v.GetSize(), row.n);
    ASSERT_EQ(working.GetSize(), row.period);
    for (unsigned i = row.period; i < row.n; ++i) ASSERT_EQ(v[i], v[i - row.period]) << i;
  }
}

TEST(StandardShapes, ThePhaseShiftIsTakenModuloTheBuiltPeriod) {
  // P = 101 builds 100 samples; 359 degrees shift 100 places: none at all.
  ShapeSettings s = Shape(kShapeRamp, 101, 2.0, 50.0);
  const Doubles plain = Build(s);
  s.phase = 359;
  const Doubles shifted = Build(s);
  for (unsigned i = 0; i < 101; ++i) ASSERT_EQ(shifted[i], plain[i]) << i;
}

TEST(StandardShapes, PulseSincExponentialsAndNoise) {
  const Doubles pulse = Build(Shape(kShapePulse, 1000, 6.0, 50.0));
  EXPECT_EQ(pulse[0], 3.0);
  EXPECT_EQ(pulse[499], 3.0);
  EXPECT_EQ(pulse[500], 0.0);
  EXPECT_EQ(pulse[999], 0.0);

  const Doubles sinc = Build(Shape(kShapeSinc, 16384, 2.0, 10.0));
  EXPECT_EQ(sinc[8191], 1.0);  // the peak twice in the middle
  EXPECT_EQ(sinc[8192], 1.0);
  const double x = 100 * (10.0 / 8192.0) * std::numbers::pi;
  EXPECT_NEAR(sinc[8292], std::sin(x) / x, 1e-12);

  const Doubles rise = Build(Shape(kShapeExpRise, 100, 6.0, 5.0));
  const Doubles fall = Build(Shape(kShapeExpFall, 100, 6.0, 5.0));
  for (unsigned i : {0u, 37u, 99u}) {
    EXPECT_DOUBLE_EQ(fall[i], 3.0 * std::exp(-5.0 * i / 100.0));
    EXPECT_DOUBLE_EQ(rise[i], 3.0 - 3.0 * std::exp(-5.0 * i / 100.0));
  }

  ShapeSettings noise = Shape(kShapeNoise, 50000, 6.0);
  noise.offset = 1.0;
  const Doubles n = Build(noise);
  double sum = 0, squares = 0;
  for (unsigned i = 0; i < n.GetSize(); ++i) {
    ASSERT_GE(n[i], -2.0);
    ASSERT_LE(n[i], 4.0);
    sum += n[i] - 1.0;
    squares += (n[i] - 1.0) * (n[i] - 1.0);
  }
  EXPECT_NEAR(sum / 50000, 0.0, 0.05);
  EXPECT_NEAR(std::sqrt(squares / 50000), 1.0, 0.05);  // A / 3
}

TEST(StandardShapes, LevelsUnitsAndLimits) {
  struct Row {
    int shape;
    double amplitude, offset;
    int amplitudeUnit, offsetUnit;
    double expected;  // every sample (DC) or sample 0 of a sine
  };
  const Row rows[] = {
      {kShapeDC, 6, 12, 0, 0, 10.0},        // limited to the output
      {kShapeDC, 6, -0.5, 0, 0, -0.5},      // whatever the amplitude
      {kShapeDC, 6, 500, 0, 1, 0.5},        // mV with Vpp
      {kShapeDC, 6, 1, 1, 0, 1000.0},       // V with mVpp
      {kShapeDC, 6, 500, -1, 1, 0.5},       // no amplitude unit: Vpp
      {kShapeSine, 6, 20000, 1, 1, 10000},  // mVpp limit
      {kShapeNone, 6, 5, 0, 0, 0.0},
  };
  for (const Row& row : rows) {
    ShapeSettings s = Shape(row.shape, 64, row.amplitude);
    s.offset = row.offset;
    s.amplitudeUnit = row.amplitudeUnit;
    s.offsetUnit = row.offsetUnit;
    SG::CSgScalarVector<float> working(3, 7.0f);
    const Doubles v = Build(s, &working);
    ASSERT_EQ(v.GetSize(), 64u);
    EXPECT_EQ(v[0], row.expected) << row.shape << " " << row.offset;
    if (row.shape == kShapeDC) {
      EXPECT_EQ(working.GetSize(), 64u);
      EXPECT_EQ(working[5], 0.0f);
    }
    if (row.shape == kShapeNone) EXPECT_EQ(working.GetSize(), 3u);  // left as it was
  }
}

TEST(StandardShapes, RefusalsLeaveTheSamplesAndErrorsPassThrough) {
  Doubles v(5, 1.0);
  for (int shape : {kShapeSquare, kShapeRamp, kShapePulse, kShapeSinc})
    EXPECT_EQ(BuildStandardShape(Shape(shape, 100, 2.0, -1.0), v, nullptr),
              ShapeOutcome::NegativeParameter);
  EXPECT_EQ(BuildStandardShape(Shape(12, 100, 2.0), v, nullptr), ShapeOutcome::UnknownShape);
  EXPECT_EQ(v.GetSize(), 5u);
  bool thrown = false;
  try {
    BuildStandardShape(Shape(kShapeSinc, 100, 2.0, 0.0), v, nullptr);  // dt 0
  } catch (SG::CSgMathException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  EXPECT_EQ(v.GetSize(), 5u);
}

}  // namespace
