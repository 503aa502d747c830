// Smoothing, the replot after a waveform was opened or imported, and the
// equation dialog's result.
#include "ViewTestFixture.h"

#include <algorithm>
#include <cmath>

namespace {

TEST_F(ViewTest, SmoothingAveragesAroundEachSampleAndCanBeUndone) {
  Floats step(1000, 0.0f);
  for (int i = 500; i < 1000; ++i) step[i] = 1.0f;
  CPelmoranView* view = Open(MakeWave("w", step));
  Wave().saved = true;
  Send(WM_SMOOTH);
  const Floats smoothed = Items(Wave().thedata);
  EXPECT_EQ(Plotted(view, 1), smoothed);
  EXPECT_FALSE(Wave().saved);
  EXPECT_EQ(smoothed[0], 0.0f);  // the ends keep their values
  EXPECT_EQ(smoothed[999], 1.0f);
  EXPECT_FLOAT_EQ(smoothed[500], 129.0f / 257.0f);  // the mean of 257 samples, 129 of them 1
  EXPECT_GT(smoothed[372], 0.0f);
  EXPECT_EQ(smoothed[371], 0.0f);  // 128 samples away from the step and no further
  Send(WM_EDIT_OP, 0);             // Undo
  EXPECT_EQ(Items(Wave().thedata), step);
}

TEST_F(ViewTest, SmoothingKeepsAConstantWaveformAndARamp) {
  Open(MakeWave("ones", Floats(1000, 1.0f)));
  Send(WM_SMOOTH);
  EXPECT_EQ(Items(Wave(0).thedata), Floats(1000, 1.0f));
  Open(MakeWave("ramp", Ramp(300)));
  Wave(1).saved = true;
  Send(WM_SMOOTH);
  const Floats r = Items(Wave(1).thedata);
  for (int i = 0; i < 300; ++i) EXPECT_NEAR(r[i], i, 1e-3) << i;
  EXPECT_FALSE(Wave(1).saved);
}

TEST_F(ViewTest, AReplotShowsTheWaveformAndLeavesItsSavedStateAlone) {
  for (bool saved : {true, false}) {  // opened from a file; imported from a scope
    CWaveData wave = MakeWave(saved ? "opened" : "imported", Ramp(20));
    wave.saved = saved;
    CPelmoranView* view = Open(wave);
    Model(view).plots[0]->data.reset();
    g_bWaveOpen = false;
    EXPECT_EQ(Send(WM_WAVE_REPLOT), 1);
    EXPECT_EQ(Plotted(view, 1), Ramp(20));
    EXPECT_TRUE(g_bWaveOpen);
    EXPECT_EQ(Wave(view->FindWaveIndex()).saved, saved);
  }
}

TEST_F(ViewTest, AnEquationResultReplacesTheSamplesAndUndoLastDrawBringsThemBack) {
  CPelmoranView* view = Open(MakeWave("w", Ramp(8)));
  Send(WM_VIEW_OPTION, 0);  // cursors on
  Send(WM_VIEW_OPTION, 3);  // ... and the trace
  g_bDrawHLine = true;
  view->Graph().GetCursors().Add().SetName("SplineCursor1");
  g_EquationWave.Assign(Floats{5, 4, 3}.data(), 3);
  ForgetTold();
  Send(WM_APPLY_EQUATION);
  EXPECT_EQ(Items(Wave().thedata), (Floats{5, 4, 3}));
  EXPECT_EQ(Plotted(view, 1), (Floats{5, 4, 3}));
  EXPECT_EQ(Wave().shape, -1);
  EXPECT_FALSE(Wave().saved);
  EXPECT_FALSE(Wave().tracking);
  EXPECT_FALSE(Wave().cursorson);
  EXPECT_FALSE(g_bDrawHLine);
  EXPECT_FALSE(Model(view).cursors[1]->visible);
  EXPECT_EQ(Model(view).cursors.size(), 3u);  // the point cursor is gone
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 0u);
  Send(WM_UNDO_LAST_DRAW);
  EXPECT_EQ(Items(Wave().thedata), Ramp(8));
  EXPECT_EQ(Plotted(view, 1), Ramp(8));
}

// An equation whose values lie far outside the waveform's span (-2 .. 2),
// with another length: the graph shows every new sample at once.
TEST_F(ViewTest, AnEquationResultIsShownOnAxesFittedToIt) {
  CPelmoranView* view = Open(MakeWave("w", Ramp(1000)));
  Floats result(3000);
  for (unsigned i = 0; i < result.size(); ++i)
    result[i] = static_cast<float>(200 + 100 * std::sin(i * 0.01));
  g_EquationWave.Assign(result.data(), static_cast<unsigned>(result.size()));
  Send(WM_APPLY_EQUATION);
  ASSERT_EQ(Items(Wave().thedata), result);
  const hosted::Axis& x = *Model(view).axes[0];
  const hosted::Axis& y = *Model(view).axes[1];
  EXPECT_EQ(x.minimum, 0.0);
  EXPECT_EQ(x.maximum, 3000.0);
  const auto [low, high] = std::minmax_element(result.begin(), result.end());
  EXPECT_LE(y.minimum, *low);
  EXPECT_GE(y.maximum, *high);
  EXPECT_GT(y.minimum, 0.0);  // fitted to the samples, not merely widened
  EXPECT_LT(y.maximum, 400.0);

  // A constant result still has a Y axis of some height around it.
  g_EquationWave.Assign(Floats(3000, 50.0f).data(), 3000);
  Send(WM_APPLY_EQUATION);
  EXPECT_LT(y.minimum, 50.0);
  EXPECT_GT(y.maximum, 50.0);
}

}  // namespace
