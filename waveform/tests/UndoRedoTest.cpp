// Undo and redo scenarios: each row runs its commands on a fresh waveform of
// ten samples (0, 1, 4, ..., 81) and states what the waveform shows after
// them and where the history stands.
#include "WaveTestSupport.h"

#include "waveform/EditOps.h"
#include "waveform/SampleReplacement.h"
#include "waveform/Smoothing.h"

#include <vector>

namespace {

using namespace waveform;

enum Step {
  Cut,      // Cut of display positions 0..1
  DeleteA,  // Delete of 0..1
  FlipB,    // Flip Vertical of 0..1
  DeleteC,  // Delete of 0
  PasteIt,
  CopyIt,  // Copy of 0..1
  SmoothIt,
  UndoIt,
  RedoIt,
  Draw,      // a drawing commits five 5s
  LastDraw,  // Undo Last Draw: the samples before the drawing
  Clip,      // the clipboard holds 7, 7 (nothing recorded)
};

void RunStep(WaveEntry& e, Step step) {
  switch (step) {
    case Cut: CutOrDelete(e, {0, 2}, CutKind::Cut); break;
    case DeleteA: CutOrDelete(e, {0, 2}, CutKind::Delete); break;
    case FlipB: FlipVertical(e, {0, 2}); break;
    case DeleteC: CutOrDelete(e, {0, 1}, CutKind::Delete); break;
    case PasteIt: Paste(e); break;
    case CopyIt: Copy(e, {0, 2}); break;
    case SmoothIt: Smooth(e); break;
    case UndoIt: Undo(e); break;
    case RedoIt: Redo(e); break;
    case Draw:
      SaveDrawSnapshot(e);
      CommitWorkData(e, Vec(Floats(5, 5.0f)));
      break;
    case LastDraw: UndoLastDraw(e); break;
    case Clip: e.history.clipdata = Vec({7, 7}); break;
  }
}

const Floats kInitial = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81};
const Floats kAfterA = {4, 9, 16, 25, 36, 49, 64, 81};
const Floats kAfterAB = {-4, -9, 16, 25, 36, 49, 64, 81};
const Floats kAfterC = {1, 4, 9, 16, 25, 36, 49, 64, 81};
const Floats kAfterAC = {9, 16, 25, 36, 49, 64, 81};
const Floats kPasted = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81, 7, 7};
const Floats kDrawn(5, 5.0f);

struct Scenario {
  const char* name;
  std::vector<Step> steps;
  Floats shown;
  int states;   // recorded states, the initial one included
  int current;  // the state shown, 0 the initial one; -1 nothing recorded
  bool saved;
};

const Scenario kScenarios[] = {
    {"undo before any edit", {UndoIt}, kInitial, 0, -1, true},
    {"redo before any edit", {RedoIt}, kInitial, 0, -1, true},
    {"an edit", {DeleteA}, kAfterA, 2, 1, false},
    {"undo at the initial state", {DeleteA, UndoIt, UndoIt}, kInitial, 2, 0, false},
    {"redo at the newest state", {DeleteA, RedoIt}, kAfterA, 2, 1, false},
    {"cut, undo", {Cut, UndoIt}, kInitial, 2, 0, false},
    {"cut, undo, redo", {Cut, UndoIt, RedoIt}, kAfterA, 2, 1, false},
    {"two edits, two undos", {DeleteA, FlipB, UndoIt, UndoIt}, kInitial, 3, 0, false},
    {"two edits, two undos, redo", {DeleteA, FlipB, UndoIt, UndoIt, RedoIt}, kAfterA, 3, 1, false},
    // An edit after an undo drops the undone states first.
    {"two edits, two undos, an edit",
     {DeleteA, FlipB, UndoIt, UndoIt, DeleteC},
     kAfterC,
     2,
     1,
     false},
    {"... then redo", {DeleteA, FlipB, UndoIt, UndoIt, DeleteC, RedoIt}, kAfterC, 2, 1, false},
    {"... then undo", {DeleteA, FlipB, UndoIt, UndoIt, DeleteC, UndoIt}, kInitial, 2, 0, false},
    {"two edits, one undo, an edit", {DeleteA, FlipB, UndoIt, DeleteC}, kAfterAC, 3, 2, false},
    {"... then undo shows the first edit",
     {DeleteA, FlipB, UndoIt, DeleteC, UndoIt},
     kAfterA,
     3,
     1,
     false},
    {"... and the initial state",
     {DeleteA, FlipB, UndoIt, DeleteC, UndoIt, UndoIt},
     kInitial,
     3,
     0,
     false},
    {"paste first", {Clip, PasteIt}, kPasted, 2, 1, false},
    {"paste first, undo", {Clip, PasteIt, UndoIt}, kInitial, 2, 0, false},
    {"copy first", {CopyIt}, kInitial, 1, 0, true},
    {"copy first, undo, redo", {CopyIt, UndoIt, RedoIt}, kInitial, 1, 0, true},
    {"copy after an edit records nothing", {DeleteA, CopyIt}, kAfterA, 2, 1, false},
    // A drawing is a step like an edit: Undo takes back the drawing alone.
    {"drawing after an edit, undo", {DeleteA, Draw, UndoIt}, kAfterA, 3, 1, false},
    {"drawing after an edit, undo, redo", {DeleteA, Draw, UndoIt, RedoIt}, kDrawn, 3, 2, false},
    {"drawing, cut, three undos, three redos",
     {DeleteA, Draw, Cut, UndoIt, UndoIt, UndoIt, RedoIt, RedoIt, RedoIt},
     Floats(3, 5.0f),
     4,
     3,
     false},
    {"drawing first, undo", {Draw, UndoIt}, kInitial, 2, 0, false},
    {"undo last draw is a step", {DeleteA, Draw, LastDraw}, kAfterA, 4, 3, false},
    {"... which undo takes back", {DeleteA, Draw, LastDraw, UndoIt}, kDrawn, 4, 2, false},
    {"smoothing, undo", {SmoothIt, UndoIt}, kInitial, 2, 0, false},
};

TEST(UndoRedo, Scenarios) {
  for (const Scenario& s : kScenarios) {
    SCOPED_TRACE(s.name);
    auto e = Entry(kInitial, 20);
    for (Step step : s.steps) RunStep(*e, step);
    EXPECT_EQ(Items(e->record.thedata), s.shown);
    EXPECT_EQ(Items(e->record.showdata), s.shown);
    EXPECT_EQ(e->record.displaylen, static_cast<int>(s.shown.size()));
    EXPECT_EQ(e->history.GetStateCount(), s.states);
    EXPECT_EQ(e->history.GetCurrentIndex(), s.current);
    EXPECT_EQ(e->record.saved, s.saved);
    // The state shown keeps no second copy: its samples are the record's,
    // and every other state keeps its own.
    for (int i = 0; i < s.states; ++i)
      EXPECT_EQ(e->history.GetState(i).snapshot.GetSize() == 0, i == s.current) << i;
  }
}

// A drawing that continues the last step replaces it while nothing came
// between; after an undo (or any other step) it is a step of its own.
TEST(UndoRedo, ADrawingContinuesTheLastStepOnlyWhileNothingCameBetween) {
  auto e = Entry(kInitial);
  CutOrDelete(*e, {0, 2}, CutKind::Delete);
  CommitWorkData(*e, Vec({1, 2, 3}));
  const std::uint64_t drawn = e->history.Serial();
  CommitWorkData(*e, Vec({4, 5}), drawn);
  EXPECT_EQ(e->history.GetStateCount(), 3);
  Undo(*e);
  EXPECT_EQ(Items(e->record.thedata), kAfterA);
  Redo(*e);
  EXPECT_EQ(Items(e->record.thedata), (Floats{4, 5}));
  CommitWorkData(*e, Vec({6}), drawn);  // the undo and redo came between
  EXPECT_EQ(e->history.GetStateCount(), 4);
  Undo(*e);
  EXPECT_EQ(Items(e->record.thedata), (Floats{4, 5}));
}

TEST(UndoRedo, EndsOfTheHistoryReportUnchanged) {
  auto e = Entry(kInitial);
  EXPECT_EQ(Undo(*e).status, EditStatus::Unchanged);
  EXPECT_EQ(Redo(*e).status, EditStatus::Unchanged);
  CutOrDelete(*e, {0, 2}, CutKind::Delete);
  EXPECT_EQ(Redo(*e).status, EditStatus::Unchanged);
  EXPECT_EQ(Undo(*e).status, EditStatus::Done);
  EXPECT_EQ(Undo(*e).status, EditStatus::Unchanged);
  EXPECT_EQ(Redo(*e).status, EditStatus::Done);
}

// Each waveform pastes its own clipboard: there is none shared.
TEST(UndoRedo, ClipboardsBelongToTheirWaveform) {
  auto first = Entry(kInitial, 20);
  auto second = Entry({1, 2}, 20);
  Copy(*first, {0, 4});
  Paste(*second);
  EXPECT_EQ(Items(second->record.thedata), (Floats{1, 2}));
  Paste(*first);
  EXPECT_EQ(first->record.thedata.GetSize(), 14u);
}

}  // namespace
