#include "WaveTestSupport.h"

#include "waveform/EditOps.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

using namespace waveform;

TEST(EditOps, CutThenPasteMovesTheSelectionToTheEnd) {
  auto e = Entry(Ramp(100));
  EditResult cut = CutOrDelete(*e, {10, 30}, CutKind::Cut);
  EXPECT_EQ(cut.status, EditStatus::Done);
  EXPECT_EQ(cut.moved.cursor, -1);  // 30 is not beyond the new end 80
  EXPECT_EQ(Items(e->record.thedata), Runs({{0, 10}, {30, 100}}));
  EXPECT_EQ(Items(e->history.clipdata), Runs({{10, 30}}));
  EXPECT_EQ(Items(e->record.showdata), Items(e->record.thedata));
  EXPECT_EQ(e->record.displaylen, 80);
  EXPECT_FALSE(e->record.saved);
  EXPECT_EQ(e->history.newest()->cutmark, 1);

  EXPECT_EQ(Paste(*e).status, EditStatus::Done);
  EXPECT_EQ(Items(e->record.thedata), Runs({{0, 10}, {30, 100}, {10, 30}}));
  EXPECT_EQ(e->record.displaylen, 100);
  EXPECT_EQ(e->history.newest()->cutmark, 0);
}

// Samples, cursors and command; what remains, and the cursor that moved.
struct CutRow {
  const char* name;
  unsigned int samples;
  EditCursors cursors;
  CutKind kind;
  Floats remaining;
  CursorMove moved;
};

TEST(EditOps, TheLaterCursorComesBackToTheNewEnd) {
  const CutRow rows[] = {
      {"Cursor1 later", 35, {30, 10}, CutKind::Cut, Runs({{0, 10}, {30, 35}}), {0, 15}},
      {"Cursor2 later", 100, {90, 100}, CutKind::Delete, Runs({{0, 90}}), {1, 90}},
      {"inside the new end", 100, {10, 30}, CutKind::Delete, Runs({{0, 10}, {30, 100}}), {-1, 0}},
  };
  for (const CutRow& r : rows) {
    SCOPED_TRACE(r.name);
    auto e = Entry(Ramp(r.samples));
    e->record.cursor1 = e->record.cursor2 = -5;
    EditResult result = CutOrDelete(*e, r.cursors, r.kind);
    EXPECT_EQ(Items(e->record.thedata), r.remaining);
    EXPECT_EQ(result.moved.cursor, r.moved.cursor);
    if (r.moved.cursor < 0) continue;
    EXPECT_EQ(result.moved.position, r.moved.position);
    EXPECT_EQ(r.moved.cursor == 0 ? e->record.cursor1 : e->record.cursor2, r.moved.position);
  }
}

// With nothing left, the waveform becomes pointcount zeros and no cursor
// moves.
TEST(EditOps, CuttingEverythingLeavesPointcountZeros) {
  for (CutKind kind : {CutKind::Cut, CutKind::Delete}) {
    auto e = Entry(Ramp(100), 16);
    EditResult result = CutOrDelete(*e, {0, 100}, kind);
    EXPECT_EQ(Items(e->record.thedata), Floats(16, 0.0f));
    EXPECT_EQ(e->record.displaylen, 16);
    EXPECT_EQ(result.moved.cursor, -1);
    EXPECT_EQ(e->history.clipdata.GetSize(), kind == CutKind::Cut ? 100u : 0u);
  }
}

using Command = std::function<EditResult(WaveEntry&, EditCursors)>;

const std::pair<const char*, Command> kSelectionCommands[] = {
    {"Cut", [](WaveEntry& e, EditCursors c) { return CutOrDelete(e, c, CutKind::Cut); }},
    {"Delete", [](WaveEntry& e, EditCursors c) { return CutOrDelete(e, c, CutKind::Delete); }},
    {"Copy", Copy},
    {"FlipHorizontal", FlipHorizontal},
    {"FlipVertical", FlipVertical},
};

// A selection that holds no sample, or reaches outside the samples, changes
// nothing at all: no recorded state, no clipboard, no flag.
TEST(EditOps, EmptyOrOutOfRangeSelectionsChangeNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<EditCursors, EditStatus> cases[] = {
      {{5, 5}, EditStatus::Unchanged},
      {{5.2, 5.7}, EditStatus::Unchanged},
      {{10, 101}, EditStatus::SelectionOutOfRange},
      {{120, 10}, EditStatus::SelectionOutOfRange},
      {{-1, 20}, EditStatus::SelectionOutOfRange},
      {{nan, 5}, EditStatus::SelectionOutOfRange},
  };
  for (const auto& [name, command] : kSelectionCommands) {
    for (const auto& [cursors, status] : cases) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(cursors.cursor1) + " " +
                   std::to_string(cursors.cursor2));
      auto e = Entry(Ramp(100));
      e->history.clipdata = Vec({7});
      EXPECT_EQ(command(*e, cursors).status, status);
      EXPECT_EQ(Items(e->record.thedata), Ramp(100));
      EXPECT_TRUE(e->history.pending());
      EXPECT_EQ(Items(e->history.clipdata), (Floats{7}));
      EXPECT_TRUE(e->record.saved);
    }
  }
}

TEST(EditOps, PasteAtItsLimits) {
  // An empty clipboard still records a state and marks the waveform unsaved.
  auto e = Entry(Ramp(10), 20);
  EXPECT_EQ(Paste(*e).status, EditStatus::Done);
  EXPECT_EQ(Items(e->record.thedata), Ramp(10));
  EXPECT_EQ(e->history.GetStateCount(), 2);
  EXPECT_FALSE(e->record.saved);

  // Cut to 80, copy 50: Paste stops at the point count of 100.
  auto f = Entry(Ramp(100));
  CutOrDelete(*f, {0, 20}, CutKind::Cut);
  Copy(*f, {0, 50});
  Paste(*f);
  EXPECT_EQ(Items(f->record.thedata), Runs({{20, 100}, {20, 40}}));

  // A full waveform refuses, and nothing is recorded.
  auto full = Entry(Ramp(10));
  full->history.clipdata = Vec({1});
  EXPECT_EQ(Paste(*full).status, EditStatus::WaveformFull);
  EXPECT_TRUE(full->history.pending());
  EXPECT_TRUE(full->record.saved);
}

TEST(EditOps, FlipsChangeOnlyTheSelection) {
  auto e = Entry({9, 1.5f, -2, 0, 9});
  FlipVertical(*e, {1, 4});
  EXPECT_EQ(Items(e->record.thedata), (Floats{9, -1.5f, 2, 0, 9}));
  EXPECT_TRUE(std::signbit(e->record.thedata[3]));  // a mirror about 0: -0
  EXPECT_FALSE(std::signbit(e->record.showdata[4]));

  auto f = Entry({9, 1, 2, 3, 9});
  FlipHorizontal(*f, {4, 1});
  EXPECT_EQ(Items(f->record.thedata), (Floats{9, 3, 2, 1, 9}));
  EXPECT_EQ(Items(f->record.showdata), (Floats{9, 3, 2, 1, 9}));
}

TEST(EditOps, SelectAllOnALongWaveform) {
  auto e = Entry(Floats(12000000, 1.0f));
  ASSERT_EQ(e->record.dispstep, 3);
  const EditCursors all = SelectAll(e->record);
  EXPECT_EQ(all.cursor1, 0.0);
  EXPECT_EQ(all.cursor2, 4000000.0);
  EXPECT_EQ(e->record.cursor1, 0);
  EXPECT_EQ(e->record.cursor2, 4000000);
  EXPECT_TRUE(e->history.pending());
}

// Select All takes every sample also when the count is not a whole number of
// display steps (the end of the display stands for the end of the samples).
TEST(EditOps, SelectAllThenCutTakesEverySample) {
  auto e = Entry(Ramp(5000001), 8);
  ASSERT_EQ(e->record.dispstep, 2);
  CutOrDelete(*e, SelectAll(e->record), CutKind::Cut);
  EXPECT_EQ(Items(e->record.thedata), Floats(8, 0.0f));
  EXPECT_EQ(e->history.clipdata.GetSize(), 5000001u);
}

// An edit that changes the length takes the display step from the new
// length, and so does showing a state again.
TEST(EditOps, DisplayStepFollowsTheLength) {
  auto e = Entry(Ramp(5000004));
  ASSERT_EQ(e->record.dispstep, 2);
  CutOrDelete(*e, {0, 10}, CutKind::Delete);  // 20 samples
  EXPECT_EQ(e->record.thedata.GetSize(), 4999984u);
  EXPECT_EQ(e->record.dispstep, 1);
  EXPECT_EQ(e->record.displaylen, 4999984);
  EXPECT_EQ(e->record.showdata[1], 21.0f);
  EXPECT_EQ(e->record.samplecount, 5000004);  // a producer's count: edits leave it

  Undo(*e);
  EXPECT_EQ(e->record.dispstep, 2);
  EXPECT_EQ(e->record.displaylen, 2500002);
  EXPECT_EQ(e->record.showdata.GetSize(), 2500002u);
  EXPECT_EQ(e->record.showdata[1], 2.0f);
}

}  // namespace
