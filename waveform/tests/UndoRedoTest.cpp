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
  Draw,  // a drawing commits five 5s, recording nothing
  Clip,  // the clipboard holds 7, 7 (nothing recorded)
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
    case Draw: CommitWorkData(e.record, Vec(Floats(5, 5.0f))); break;
    case Clip: e.history.clipdata = Vec({7, 7}); break;
  }
}

const Floats kInitial = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81};
const Floats kAfterA = {4, 9, 16, 25, 36, 49, 64, 81};
const Floats kAfterAB = {-4, -9, 16, 25, 36, 49, 64, 81};
const Floats kAfterC = {1, 4, 9, 16, 25, 36, 49, 64, 81};
const Floats kAfterAC = {9, 16, 25, 36, 49, 64, 81};
const Floats kPasted = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81, 7, 7};

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
    {"drawing after an edit, undo", {DeleteA, Draw, UndoIt}, kInitial, 2, 0, false},
    {"drawing after an edit, undo, redo", {DeleteA, Draw, UndoIt, RedoIt}, kAfterA, 2, 1, false},
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
    if (s.current >= 0) {
      EXPECT_EQ(Items(e->history.current()->snapshot), s.shown);
    }
  }
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
