// The mouse strokes on a working copy: the samples each step draws, what a
// drag puts back, the display kept in step on a decimated waveform, and
// positions off either end clamped onto the waveform.
#include "WaveTestSupport.h"

#include "waveform/drawing/Strokes.h"

namespace {

using drawing::Stroke;

// A waveform shown through every k-th sample, as a long one is, but short.
CWaveData Decimated(unsigned int n, int k) {
  CWaveData wave = Record(Floats(n, 0.0f));
  wave.dispstep = k;
  wave.displaylen = static_cast<int>(n / k);
  wave.showdata.SetSize(n / k, FALSE);
  return wave;
}

// The display the working copy should show: every k-th sample.
Floats DisplayOf(const Floats& work, int k, int length) {
  Floats shown;
  for (int j = 0; j < length; ++j) shown.push_back(work[static_cast<size_t>(j) * k]);
  return shown;
}

class StrokeTest : public ::testing::Test {
 protected:
  // The working copy's samples from..to-1.
  Floats Work(unsigned int from, unsigned int to) const {
    return Floats(work.GetData() + from, work.GetData() + to);
  }
  void ExpectDisplayInStep() const {
    EXPECT_EQ(Items(wave.showdata), DisplayOf(Items(work), wave.dispstep, wave.displaylen));
  }

  CWaveData wave = Record(Floats(200, 0.0f));
  SG::CSgScalarVector<float> work;
  Stroke stroke{work};
};

TEST_F(StrokeTest, FreehandDrawsStraightLinesBetweenTheMovesAndLeavesTheRecordAlone) {
  ASSERT_TRUE(stroke.BeginFreehand(wave, 10, 0.0));
  ASSERT_TRUE(stroke.ContinueFreehand(wave, 14, 4.0));
  EXPECT_EQ(Work(10, 15), (Floats{0, 1, 2, 3, 4}));
  // Back to 12: from 4.0 at 14 down by 2.0 a sample.
  ASSERT_TRUE(stroke.ContinueFreehand(wave, 12, 0.0));
  EXPECT_EQ(Work(12, 15), (Floats{0, 2, 4}));
  // The same position again draws nothing; the next move starts from 12.
  EXPECT_FALSE(stroke.ContinueFreehand(wave, 12, 9.0));
  ASSERT_TRUE(stroke.ContinueFreehand(wave, 10, 2.0));
  EXPECT_EQ(Work(10, 13), (Floats{2, 1, 0}));
  EXPECT_EQ(Items(wave.thedata), Floats(200, 0.0f));  // the release commits, not the moves
  ExpectDisplayInStep();
}

TEST_F(StrokeTest, AFreehandMoveOnADecimatedWaveformFillsEverySampleBetween) {
  wave = Decimated(1000, 2);
  ASSERT_TRUE(stroke.BeginFreehand(wave, 100, 0.0));  // sample 200
  ASSERT_TRUE(stroke.ContinueFreehand(wave, 101, 2.0));
  EXPECT_EQ(Work(199, 204), (Floats{0, 0, 1, 2, 0}));
  ExpectDisplayInStep();
}

TEST_F(StrokeTest, AHorizontalLineFollowsTheMouseWithoutATrail) {
  ASSERT_TRUE(stroke.PressHorizontalLine(wave, 100, 0.5));
  stroke.DragHorizontalLine(wave, 90);
  EXPECT_EQ(Work(90, 102), (Floats{0, .5, .5, .5, .5, .5, .5, .5, .5, .5, .5, 0}));
  stroke.DragHorizontalLine(wave, 105);
  EXPECT_EQ(Work(90, 106), (Floats{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, .5, .5, .5, .5, .5, 0}));
  ExpectDisplayInStep();
}

TEST_F(StrokeTest, AVerticalLineKeepsOnlyTheLastLevel) {
  ASSERT_TRUE(stroke.PressVerticalLine(wave, 50));
  for (double y : {1.0, 3.0, 2.0}) stroke.DragVerticalLine(wave, y);
  Floats expected(200, 0.0f);
  expected[50] = 2.0f;
  EXPECT_EQ(Items(work), expected);
}

TEST_F(StrokeTest, ATwoPointLineStartsAtTheWaveformsOwnValue) {
  wave.thedata[10] = 1.0f;
  ASSERT_TRUE(stroke.BeginTwoPointLine(wave, 10));
  EXPECT_EQ(Items(work), Items(wave.thedata));  // a release now stores the samples unchanged
  ASSERT_TRUE(stroke.DragTwoPointLine(wave, 20, 3.0));
  const Floats line = Work(10, 21);
  const Floats expected{1.0f, 1.2f, 1.4f, 1.6f, 1.8f, 2.0f, 2.2f, 2.4f, 2.6f, 2.8f, 3.0f};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_FLOAT_EQ(line[i], expected[i]) << i;
  ASSERT_TRUE(stroke.DragTwoPointLine(wave, 5, 1.0));  // the earlier line goes
  EXPECT_EQ(Work(11, 21), Floats(10, 0.0f));
  EXPECT_FLOAT_EQ(work[7], 1.0f);
}

TEST_F(StrokeTest, PositionsOffEitherEndAreClampedOntoTheWaveform) {
  ASSERT_TRUE(stroke.BeginFreehand(wave, 195, 0.0));
  ASSERT_TRUE(stroke.ContinueFreehand(wave, 1000000, 4.0));  // far past the end
  EXPECT_FLOAT_EQ(work[199], 4.0f);
  EXPECT_EQ(work.GetSize(), 200u);
  ASSERT_TRUE(stroke.PressHorizontalLine(wave, -50, 1.0));
  stroke.DragHorizontalLine(wave, 3);
  EXPECT_EQ(Work(0, 4), (Floats{1, 1, 1, 0}));
  ASSERT_TRUE(stroke.BeginTwoPointLine(wave, 190));
  EXPECT_TRUE(stroke.DragTwoPointLine(wave, 5000, 9.0));
  EXPECT_FLOAT_EQ(work[199], 9.0f);
}

TEST_F(StrokeTest, AWaveformWithoutSamplesDrawsNothing) {
  wave = CWaveData();
  EXPECT_FALSE(stroke.BeginFreehand(wave, 3, 1.0));
  EXPECT_FALSE(stroke.ContinueFreehand(wave, 5, 1.0));
  EXPECT_FALSE(stroke.PressHorizontalLine(wave, 3, 1.0));
  EXPECT_FALSE(stroke.DragHorizontalLine(wave, 5));
  EXPECT_FALSE(stroke.PressVerticalLine(wave, 3));
  EXPECT_FALSE(stroke.DragVerticalLine(wave, 1.0));
  EXPECT_FALSE(stroke.BeginTwoPointLine(wave, 3));
  EXPECT_FALSE(stroke.DragTwoPointLine(wave, 5, 1.0));
  EXPECT_EQ(work.GetSize(), 0u);
}

}  // namespace
