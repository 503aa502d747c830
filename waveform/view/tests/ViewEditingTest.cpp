// The edit commands through WM_EDIT_OP: the selection between the cursors
// the user placed, the cursor an edit moves, the refusals, and the undo and
// redo history as a user meets it.
#include "ViewTestFixture.h"

#include "platform/window/tests/UiTestKit.h"

#include <cmath>
#include <string>

namespace {

class EditingTest : public ViewTest {
 protected:
  // Shows the cursors and types their times: positions a and b (a period of
  // 1 ms over the display, so a position is a tenth of a millisecond on 10).
  void Select(CPelmoranView* view, double a, double b) {
    if (!Wave(view->FindWaveIndex()).cursorson) view->SendMessage(WM_VIEW_OPTION, 0);
    // A hair past the position, so that no rounding puts it one below.
    const double span = Wave(view->FindWaveIndex()).displaylen;
    double ta = (a + 1e-9) / span, tb = (b + 1e-9) / span;
    view->SendMessage(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&ta), 0);
    view->SendMessage(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&tb), 1);
  }
  // Each window a waveform of a name of its own.
  CPelmoranView* OpenRamp(unsigned int n, int pointcount = -1) {
    const std::string name = "w" + std::to_string(g_WaveArray.GetSize());
    CWaveData wave = MakeWave(name.c_str(), Ramp(n));
    if (pointcount >= 0) wave.pointcount = pointcount;
    return Open(wave);
  }
  Floats Samples() { return Items(Wave().thedata); }
};

TEST_F(EditingTest, CutThenPasteMovesTheSelectionToTheEnd) {
  CPelmoranView* view = OpenRamp(100);
  Select(view, 10, 30);
  Send(WM_EDIT_OP, kCut);
  EXPECT_EQ(Samples(), Runs({{0, 10}, {30, 100}}));
  EXPECT_EQ(Plotted(view, 1), Samples());
  EXPECT_EQ(std::trunc(Model(view).cursors[2]->x), 30.0);  // not beyond the new end, 80
  EXPECT_FALSE(Wave().saved);
  Send(WM_EDIT_OP, kPaste);
  EXPECT_EQ(Samples(), Runs({{0, 10}, {30, 100}, {10, 30}}));
  EXPECT_EQ(Plotted(view, 1), Samples());
}

struct MovedRow {
  const char* name;
  unsigned int samples;
  double first, second;  // typed positions; the end is reached by Select All
  Op op;
  Floats remaining;
  int movedCursor;  // -1 none
  double to;
};

TEST_F(EditingTest, TheLaterCursorComesBackToTheNewEndAndTheFrameIsTold) {
  const MovedRow rows[] = {
      {"Cursor1 later", 35, 30, 10, kCut, Runs({{0, 10}, {30, 35}}), 0, 15},
      {"Cursor2 at the end", 100, 90, -1, kDelete, Runs({{0, 90}}), 1, 90},
      {"the whole waveform", 100, 0, -1, kCut, Floats(100, 0.0f), -1, 0},
  };
  for (const MovedRow& r : rows) {
    SCOPED_TRACE(r.name);
    CPelmoranView* view = OpenRamp(r.samples);
    if (r.second < 0) {
      Select(view, 0, 0);
      Send(WM_EDIT_OP, kSelectAll);  // Cursor2 at the end of the display
      double t = r.first / r.samples;
      Send(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t), 0);
    } else {
      Select(view, r.first, r.second);
    }
    ForgetTold();
    Send(WM_EDIT_OP, r.op);
    const int index = view->FindWaveIndex();
    EXPECT_EQ(Items(Wave(index).thedata), r.remaining);
    const auto readouts = Told(WM_CURSOR_READOUT);
    if (r.movedCursor < 0) {
      EXPECT_TRUE(readouts.empty());
      continue;
    }
    ASSERT_EQ(readouts.size(), 1u);
    EXPECT_EQ(readouts[0].lParam, r.movedCursor);
    EXPECT_EQ(readouts[0].cursor.position, r.to);
    EXPECT_EQ(Model(view).cursors[r.movedCursor == 0 ? 0 : 2]->x, r.to);
    EXPECT_EQ(r.movedCursor == 0 ? Wave(index).cursor1 : Wave(index).cursor2,
              static_cast<int>(r.to));
  }
}

TEST_F(EditingTest, FlipsMirrorTheSelectionOnly) {
  CWaveData wave = MakeWave("w", {9, 1.5f, -2, 0, 9});
  CPelmoranView* view = Open(wave);
  Select(view, 1, 4);
  Send(WM_EDIT_OP, kFlipV);
  const Floats flipped = Samples();
  EXPECT_EQ(flipped, (Floats{9, -1.5f, 2, 0, 9}));
  EXPECT_TRUE(std::signbit(flipped[3]));  // a mirror about 0: -0
  Send(WM_EDIT_OP, kFlipH);
  EXPECT_EQ(Samples(), (Floats{9, 0, 2, -1.5f, 9}));
  EXPECT_EQ(Plotted(view, 1), Samples());
}

TEST_F(EditingTest, AnEmptySelectionDoesNothingAndRecordsNothing) {
  CPelmoranView* view = OpenRamp(10);
  Select(view, 4, 4);
  for (Op op : {kCut, kDelete, kCopy, kFlipH, kFlipV}) Send(WM_EDIT_OP, op);
  EXPECT_EQ(Samples(), Ramp(10));
  EXPECT_EQ(g_EditListArray[0].GetStateCount(), 0);
}

TEST_F(EditingTest, PasteRefusesAFullWaveformAndStopsAtThePointCount) {
  CPelmoranView* view = OpenRamp(100);
  Fake().SetText(303, "full");
  {
    ScriptedBoxes boxes;
    boxes.Expect(IDOK, "full");
    Send(WM_EDIT_OP, kPaste);
  }
  Select(view, 0, 20);
  Send(WM_EDIT_OP, kCut);  // 80 left
  Select(view, 0, 50);
  Send(WM_EDIT_OP, kCopy);
  Send(WM_EDIT_OP, kPaste);
  EXPECT_EQ(Samples(), Runs({{20, 100}, {20, 40}}));  // cut off at 100
}

TEST_F(EditingTest, AnEditWithACursorBeyondTheSamplesIsRefusedAndChangesNothing) {
  CPelmoranView* view = OpenRamp(80, 100);
  Select(view, 0, 20);
  Send(WM_EDIT_OP, kCopy);
  Send(WM_EDIT_OP, kPaste);  // 100 samples
  Send(WM_EDIT_OP, kSelectAll);
  Send(WM_EDIT_OP, kUndo);  // 80 again, Cursor2 still at 100
  const int states = g_EditListArray[0].GetStateCount();
  Fake().SetText(660, "outside");
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "outside");
  Send(WM_EDIT_OP, kCut);
  EXPECT_EQ(Samples(), Ramp(80));
  EXPECT_EQ(g_EditListArray[0].GetStateCount(), states);
  (void)view;
}

TEST_F(EditingTest, SelectAllOfALongWaveformReachesTheEndOfItsDisplay) {
  CPelmoranView* view = OpenRamp(12000000);
  ForgetTold();
  Send(WM_EDIT_OP, kSelectAll);
  EXPECT_EQ(Model(view).cursors[2]->x, 4000000.0);
  EXPECT_EQ(Wave().cursor2, 4000000);
  const auto readouts = Told(WM_CURSOR_READOUT);
  ASSERT_EQ(readouts.size(), 2u);
  EXPECT_EQ(readouts[1].cursor.position, 4000000.0);
  EXPECT_EQ(g_dCursor2X, 4000000.0);
}

// A waveform of 5,000,006 samples has display step 2 and 2,500,003 display
// positions. A cursor between two positions stands for sample
// trunc(2 x position): the cursor line's 500000.6 is sample 1000001, a
// typed 250000.75 sample 500001.
TEST_F(EditingTest, FractionalCursorPositionsSelectTheirSamplesOnALongWaveform) {
  struct Row {
    const char* name;
    double typed1, typed2;                // display positions typed as times; -1: the cursor line's
    unsigned int keptBefore, firstAfter;  // the samples before the gap, the first one after it
  };
  const Row rows[] = {
      {"cursor line at 20 % and 80 %", -1, -1, 1000001, 4000004},
      {"typed times", 250000.75, 750000.6, 500001, 1500001},
  };
  const unsigned int n = 5000006;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CPelmoranView* view = OpenRamp(n);
    CWaveData& wave = Wave(view->FindWaveIndex());
    ASSERT_EQ(wave.dispstep, 2);
    ASSERT_EQ(wave.displaylen, 2500003);
    Send(WM_VIEW_OPTION, 0);
    if (row.typed1 >= 0) {
      double t1 = row.typed1 / 2500003, t2 = row.typed2 / 2500003;  // the period is 1 ms
      Send(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t1), 0);
      Send(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t2), 1);
    }
    Send(WM_EDIT_OP, kDelete);
    const SG::CSgScalarVector<float>& left = wave.thedata;
    ASSERT_EQ(left.GetSize(), row.keptBefore + (n - row.firstAfter));
    EXPECT_EQ(left[row.keptBefore - 1], static_cast<float>(row.keptBefore - 1));
    EXPECT_EQ(left[row.keptBefore], static_cast<float>(row.firstAfter));
  }
}

// One undo/redo scenario: commands (with the selection each uses) and what
// the waveform holds after each.
struct Step {
  Op op;
  double a = -1, b = -1;  // a new selection first, when given
  Floats after;
};
struct Scenario {
  const char* name;
  std::vector<Step> steps;
};

TEST_F(EditingTest, UndoAndRedoScenarios) {
  const Floats r = Ramp(10);
  const Floats cut = Runs({{0, 2}, {4, 10}});              // samples 2 and 3 cut
  const Floats cutTwice = Runs({{0, 2}, {6, 10}});         // then 2 and 3 of that
  const Floats deleted = Runs({{0, 2}, {4, 7}, {9, 10}});  // 5 and 6 of `cut` deleted
  const Scenario scenarios[] = {
      {"nothing to undo on a new waveform", {{kUndo, -1, -1, r}, {kRedo, -1, -1, r}}},
      {"cut, undo, redo",
       {{kCut, 2, 4, cut},
        {kUndo, -1, -1, r},
        {kUndo, -1, -1, r},
        {kRedo, -1, -1, cut},
        {kRedo, -1, -1, cut}}},
      {"two edits, two undos, a third edit",
       {{kCut, 2, 4, cut},
        {kCut, 2, 4, cutTwice},
        {kUndo, -1, -1, cut},
        {kUndo, -1, -1, r},
        {kDelete, 6, 9, Runs({{0, 6}, {9, 10}})},
        {kRedo, -1, -1, Runs({{0, 6}, {9, 10}})},
        {kUndo, -1, -1, r},
        {kUndo, -1, -1, r}}},
      {"an edit after one undo starts a new line of history",
       {{kCut, 2, 4, cut},
        {kCut, 2, 4, cutTwice},
        {kUndo, -1, -1, cut},
        {kDelete, 5, 7, deleted},
        {kRedo, -1, -1, deleted},
        {kUndo, -1, -1, cut},
        {kUndo, -1, -1, r}}},
      {"paste first", {{kPaste, -1, -1, r}, {kUndo, -1, -1, r}, {kRedo, -1, -1, r}}},
      {"copy first records the initial state only",
       {{kCopy, 0, 5, r}, {kUndo, -1, -1, r}, {kRedo, -1, -1, r}}},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    CPelmoranView* view = OpenRamp(10, 20);  // room to paste
    const int index = view->FindWaveIndex();
    int i = 0;
    for (const Step& step : s.steps) {
      SCOPED_TRACE(i++);
      if (step.a >= 0) Select(view, step.a, step.b);
      view->SendMessage(WM_EDIT_OP, step.op);
      EXPECT_EQ(Items(Wave(index).thedata), step.after);
      EXPECT_EQ(Plotted(view, 1), step.after);
    }
  }
}

TEST_F(EditingTest, UndoMarksTheWaveformUnsavedOnlyWhenItChangesIt) {
  OpenRamp(10);
  Wave().saved = true;
  Send(WM_EDIT_OP, kUndo);
  EXPECT_TRUE(Wave().saved);
  Select(main_->ActiveView(), 2, 4);
  Send(WM_EDIT_OP, kDelete);
  Wave().saved = true;
  Send(WM_EDIT_OP, kUndo);
  EXPECT_FALSE(Wave().saved);
}

// The drawing is a step of its own: Undo takes back the drawing alone, a
// second Undo the edit; Redo brings back the edit, then the drawing.
TEST_F(EditingTest, AFreehandDrawingAfterAnEditIsAStepOfTheHistory) {
  CPelmoranView* view = OpenRamp(100);
  Select(view, 10, 20);
  Send(WM_EDIT_OP, kDelete);
  const Floats edited = Samples();
  Send(WM_DRAW_FREEHAND);
  Stroke(view, {At(view, 40, 1.0), At(view, 50, -1.0)});
  const Floats drawn = Samples();
  ASSERT_NE(drawn, edited);
  Send(WM_EDIT_OP, kUndo);
  EXPECT_EQ(Samples(), edited);
  Send(WM_EDIT_OP, kUndo);
  EXPECT_EQ(Samples(), Ramp(100));
  Send(WM_EDIT_OP, kRedo);
  EXPECT_EQ(Samples(), edited);
  Send(WM_EDIT_OP, kRedo);
  EXPECT_EQ(Samples(), drawn);
}

TEST_F(EditingTest, EachWindowPastesItsOwnClipboard) {
  CPelmoranView* a = OpenRamp(10, 20);
  Select(a, 0, 5);
  Send(WM_EDIT_OP, kCopy);
  OpenRamp(10, 20);
  Wave(1).saved = true;
  Send(WM_EDIT_OP, kPaste);  // its own clipboard is empty
  EXPECT_EQ(Items(Wave(1).thedata), Ramp(10));
  EXPECT_FALSE(Wave(1).saved);
  Send(WM_EDIT_OP, kUndo);
  EXPECT_EQ(Items(Wave(1).thedata), Ramp(10));
}

}  // namespace
