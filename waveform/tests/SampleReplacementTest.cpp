#include "WaveTestSupport.h"

#include "waveform/ActiveState.h"
#include "waveform/EditOps.h"
#include "waveform/SampleReplacement.h"

namespace {

using namespace waveform;
using SampleReplacement = WaveStateTest;

TEST_F(SampleReplacement, EquationResultThenUndoLastDraw) {
  auto e = Entry({1, 2, 3});
  CutOrDelete(*e, {0, 1}, CutKind::Delete);  // a recorded edit: the history must stay
  CWaveData& w = e->record;
  w.cursorson = w.tracking = w.freehand = true;
  g_bDrawFreehand = g_bPointsMode = g_bEditEnable = true;
  g_EquationWave = Vec({7, 8, 9, 10});

  ApplyEquationResult(*e, g_EquationWave);
  EXPECT_EQ(Items(w.thedata), (Floats{7, 8, 9, 10}));
  EXPECT_EQ(Items(w.showdata), (Floats{7, 8, 9, 10}));
  EXPECT_EQ(w.displaylen, 4);
  EXPECT_EQ(Items(e->lastdraw), (Floats{2, 3}));
  EXPECT_EQ(w.shape, -1);
  EXPECT_FALSE(w.saved);
  EXPECT_FALSE(w.cursorson || w.tracking || w.freehand || g_bDrawFreehand || g_bPointsMode ||
               g_bEditEnable);
  EXPECT_EQ(e->history.GetStateCount(), 3);  // the result is a step of its own
  EXPECT_EQ(Items(g_EquationWave), (Floats{7, 8, 9, 10}));

  // The snapshot stays: a second undo restores the same samples again, and
  // adds no step, for it changes nothing.
  for (int i = 0; i < 2; ++i) {
    w.saved = true;
    EXPECT_TRUE(UndoLastDraw(*e));
    EXPECT_EQ(Items(w.thedata), (Floats{2, 3}));
    EXPECT_EQ(Items(w.showdata), (Floats{2, 3}));
    EXPECT_EQ(w.displaylen, 2);
    EXPECT_FALSE(w.saved);
    EXPECT_EQ(e->history.GetStateCount(), 4);
  }
  // Undo goes back one step at a time: the equation, the delete, the start.
  for (const Floats& shown : {Floats{7, 8, 9, 10}, Floats{2, 3}, Floats{1, 2, 3}}) {
    Undo(*e);
    EXPECT_EQ(Items(w.thedata), shown);
  }
}

TEST_F(SampleReplacement, SnapshotsAndCommits) {
  auto e = Entry({1, 2});
  EXPECT_FALSE(UndoLastDraw(*e));  // nothing to restore
  EXPECT_TRUE(e->record.saved);

  SaveDrawSnapshot(*e);
  EXPECT_EQ(Items(e->lastdraw), (Floats{1, 2}));
  SG::CSgScalarVector<float> work = Vec({5, 6, 7});
  CommitWorkData(*e, std::move(work));
  EXPECT_EQ(Items(e->record.thedata), (Floats{5, 6, 7}));
  EXPECT_EQ(Items(e->record.copydata), (Floats{5, 6, 7}));
  EXPECT_EQ(Items(e->record.showdata), (Floats{5, 6, 7}));
  EXPECT_EQ(e->record.displaylen, 3);
  EXPECT_FALSE(e->record.saved);
  EXPECT_EQ(e->history.GetStateCount(), 2);
  EXPECT_TRUE(UndoLastDraw(*e));
  EXPECT_EQ(Items(e->record.thedata), (Floats{1, 2}));

  // A drawing that leaves every sample as it was is no step, but the
  // working copy is stored and the waveform is unsaved all the same.
  e->record.saved = true;
  CommitWorkData(*e, Vec({1, 2}));
  EXPECT_EQ(e->history.GetStateCount(), 3);
  EXPECT_EQ(Items(e->record.copydata), (Floats{1, 2}));
  EXPECT_FALSE(e->record.saved);
}

TEST_F(SampleReplacement, ActiveWavePublishesItsValues) {
  CWaveData w;
  w.pointcount = 32768;
  w.span = 2.5;
  for (auto [period, shown] : {std::pair{999.0, 999.0}, {1000.0, 1.0}, {1500.0, 1.5}}) {
    w.period = period;
    PublishActiveWave(w);
    EXPECT_EQ(g_dTimeSpan, shown);
  }
  EXPECT_EQ(g_nPointCount, 32768);
  EXPECT_EQ(g_dAmplitudeSpan, 2.5);
}

}  // namespace
