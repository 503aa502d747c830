#include "waveform/DisplayMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(DisplayMath, MovedCursorsStayOnTheDisplay) {
  EXPECT_EQ(ClampCursor(14000, 10000), 9999.0);
  EXPECT_EQ(ClampCursor(-3, 10000), 0.0);
  EXPECT_EQ(ClampCursor(12.5, 10000), 12.5);
  EXPECT_EQ(ClampCursor(kNan, 10000), 0.0);
  EXPECT_EQ(ClampCursor(5, 0), 0.0);
}

// A typed time is clipped to the shown span and scaled to the display; a zero
// period puts the cursor at 0 instead of dividing by it.
TEST(DisplayMath, CursorFromTypedTime) {
  EXPECT_EQ(CursorFromTime(0.5, 2.0, 1000), 250.0);
  EXPECT_EQ(CursorFromTime(1.5, 3000.0, 1000), 500.0);  // 3000 is shown as 3
  EXPECT_EQ(CursorFromTime(99, 2.0, 1000), 999.0);
  EXPECT_EQ(CursorFromTime(-1, 2.0, 1000), 0.0);
  EXPECT_EQ(CursorFromTime(1, 0.0, 1000), 0.0);
  EXPECT_EQ(CursorFromTime(kNan, 2.0, 1000), 0.0);
}

TEST(DisplayMath, SampleIndexUsesTheDisplayStep) {
  CWaveData w;
  w.dispstep = 2;
  EXPECT_EQ(SampleIndexAt(w, 100), 200);
  EXPECT_EQ(SampleIndexAt(w, 100.7), 201);
}

TEST(DisplayMath, PanRanges) {
  const HorizontalPan pan = HorizontalPanFor(16384, 1000.0, 5096.0);
  EXPECT_EQ(pan.maximum, 12288);
  EXPECT_EQ(pan.page, 614);
  EXPECT_EQ(pan.position, 1000);
  EXPECT_EQ(HorizontalPanFor(100, 0.0, 200.0).maximum, 0);  // wider than the display

  // Position 0 shows offset + span / 2 at the top; the offset moves with it.
  EXPECT_EQ(VerticalPanMaximum(0, 4.0, 1.0), 3.0);
  EXPECT_EQ(VerticalPanMaximum(50, 4.0, 1.0), 1.0);
  EXPECT_EQ(VerticalPanPosition(1.0, 4.0, 1.0), 50);
  EXPECT_EQ(VerticalPanPosition(3.0, 0.0, 1.0), 0);  // no span: no division
  EXPECT_EQ(VerticalPanMaximum(30, 0.0, 1.0), 1.0);
}

}  // namespace
