// Every command, run out of memory at each of its allocations in turn,
// reports the framework's memory exception and leaves the waveform, its
// history, clipboard and snapshot exactly as they were.
#include "FailingAllocations.h"
#include "WaveTestSupport.h"

#include "waveform/EditOps.h"
#include "waveform/RecordedEdit.h"
#include "waveform/SampleReplacement.h"
#include "waveform/Smoothing.h"

#include "platform/afx/Exception.h"

#include <functional>
#include <string>

namespace {

using namespace waveform;

struct Captured {
  Floats samples, display, copy, clip, lastdraw;
  std::vector<Floats> states;
  int dispstep, displaylen;
  double cursor1, cursor2;
  int current;
  bool saved;
  bool operator==(const Captured&) const = default;
};

Captured Capture(const WaveEntry& e) {
  const CWaveData& w = e.record;
  Captured c{Items(w.thedata),
             Items(w.showdata),
             Items(w.copydata),
             Items(e.history.clipdata),
             Items(e.lastdraw),
             {},
             w.dispstep,
             w.displaylen,
             w.cursor1,
             w.cursor2,
             e.history.GetCurrentIndex(),
             w.saved};
  for (int i = 0; i < e.history.GetStateCount(); ++i)
    c.states.push_back(Items(e.history.GetState(i).snapshot));
  return c;
}

// Runs command with the n-th allocation failing, for n = 1, 2, ... until it
// completes; returns how many allocations could fail.
int FailEachAllocation(const std::function<std::unique_ptr<WaveEntry>()>& make,
                       const std::function<void(WaveEntry&)>& command) {
  for (long n = 1;; ++n) {
    auto e = make();
    const Captured before = Capture(*e);
    bool threw = false;
    failing_allocations::Arm(n);
    try {
      command(*e);
    } catch (CException* x) {
      threw = x->IsKindOf(RUNTIME_CLASS(CMemoryException));
      x->Delete();
    } catch (const std::bad_alloc&) {
      failing_allocations::Disarm();
      ADD_FAILURE() << "allocation " << n << " escaped as std::bad_alloc";
      return static_cast<int>(n);
    }
    failing_allocations::Disarm();
    if (!failing_allocations::Fired()) return static_cast<int>(n - 1);
    EXPECT_TRUE(threw) << "allocation " << n;
    EXPECT_TRUE(Capture(*e) == before) << "allocation " << n;
  }
}

const Floats kSamples = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81};

// The same commands on a fresh waveform and on one whose history has an
// undone state (which the command drops).
std::unique_ptr<WaveEntry> Fresh() {
  auto e = Entry(kSamples, 20);
  e->history.clipdata = Vec({7, 7});
  e->lastdraw = Vec({3});
  return e;
}

std::unique_ptr<WaveEntry> WithHistory() {
  auto e = Fresh();
  CutOrDelete(*e, {0, 1}, CutKind::Delete);
  FlipVertical(*e, {0, 3});
  Undo(*e);
  return e;
}

// Arguments are made before any allocation is set to fail.
const SG::CSgScalarVector<float> kEquation = Vec({1, 2, 3});
const SG::CSgScalarVector<float> kWork = Vec({5, 6});

const std::pair<const char*, std::function<void(WaveEntry&)>> kCommands[] = {
    {"Cut",
     [](WaveEntry& e) {
       CutOrDelete(e, {2, 5}, CutKind::Cut);
     }},
    {"Delete",
     [](WaveEntry& e) {
       CutOrDelete(e, {5, 2}, CutKind::Delete);
     }},
    {"Delete all",
     [](WaveEntry& e) {
       CutOrDelete(e, {0, 9}, CutKind::Delete);
     }},
    {"Copy",
     [](WaveEntry& e) {
       Copy(e, {1, 3});
     }},
    {"Paste", [](WaveEntry& e) { Paste(e); }},
    {"FlipHorizontal",
     [](WaveEntry& e) {
       FlipHorizontal(e, {1, 4});
     }},
    {"FlipVertical",
     [](WaveEntry& e) {
       FlipVertical(e, {1, 4});
     }},
    {"Undo", [](WaveEntry& e) { Undo(e); }},
    {"Redo", [](WaveEntry& e) { Redo(e); }},
    {"Smooth", [](WaveEntry& e) { Smooth(e); }},
    {"ApplyEquationResult", [](WaveEntry& e) { ApplyEquationResult(e, kEquation); }},
    {"SaveDrawSnapshot", [](WaveEntry& e) { SaveDrawSnapshot(e); }},
    {"UndoLastDraw", [](WaveEntry& e) { UndoLastDraw(e); }},
    {"CommitWorkData", [](WaveEntry& e) { CommitWorkData(e, SG::CSgScalarVector<float>(kWork)); }},
    {"CommitWorkData continuing the last step",
     [](WaveEntry& e) {
       CommitWorkData(e, SG::CSgScalarVector<float>(kWork), e.history.Serial());
     }},
    {"RecordSamples", [](WaveEntry& e) { RecordSamples(e, kEquation); }},
};

TEST(StrongGuarantee, EveryCommandFailsWhole) {
  for (const auto& [name, command] : kCommands) {
    SCOPED_TRACE(name);
    const int fresh = FailEachAllocation(Fresh, command);
    const int later = FailEachAllocation(WithHistory, command);
    // Undo and Redo have nothing to do on a fresh waveform, and copy into
    // the record's own arrays when the length stays; the rest allocate.
    if (std::string(name) != "Undo" && std::string(name) != "Redo") {
      EXPECT_GT(fresh, 0);
      EXPECT_GT(later, 0);
    }
  }
}

TEST(StrongGuarantee, AppendingAWaveform) {
  ResetWaveState();
  g_WaveArray.Add(Record({1}));
  CWaveData wave = Record(kSamples);
  const float* samples = wave.thedata.GetData();
  for (long n = 1;; ++n) {
    failing_allocations::Arm(n);
    try {
      g_WaveArray.Add(std::move(wave));
    } catch (CException* x) {
      x->Delete();
    }
    failing_allocations::Disarm();
    if (!failing_allocations::Fired()) break;
    EXPECT_EQ(g_WaveArray.GetSize(), 1);
    EXPECT_EQ(wave.thedata.GetData(), samples);  // not taken
  }
  EXPECT_EQ(g_WaveArray.GetSize(), 2);
  EXPECT_EQ(g_WaveArray[1].thedata.GetData(), samples);
  ResetWaveState();
}

}  // namespace
