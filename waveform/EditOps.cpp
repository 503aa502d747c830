#include "waveform/EditOps.h"

#include "waveform/RecordedEdit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace waveform {

namespace {

using Samples = SG::CSgScalarVector<float>;

// Samples lo..hi-1.
struct Selection {
  unsigned int lo = 0;
  unsigned int hi = 0;
  unsigned int size() const { return hi - lo; }
};

// The sample index display position x stands for, as a double; the end of
// the display is the end of the samples (with a step above 1 the display
// holds fewer than count / step whole steps otherwise).
double SamplePosition(const CWaveData& wave, double x) {
  const int k = wave.dispstep > 0 ? wave.dispstep : 1;
  if (k > 1 && x == wave.displaylen) return wave.thedata.GetSize();
  return std::trunc(x * k);
}

// The selection between the cursors; none when a cursor stands outside the
// samples (before the first or beyond the end, or not a number).
std::optional<Selection> SelectionOf(const CWaveData& wave, EditCursors cursors) {
  const double n = wave.thedata.GetSize();
  const double a = SamplePosition(wave, cursors.cursor1);
  const double b = SamplePosition(wave, cursors.cursor2);
  if (!(a >= 0 && a <= n && b >= 0 && b <= n)) return std::nullopt;
  return Selection{static_cast<unsigned int>(std::min(a, b)),
                   static_cast<unsigned int>(std::max(a, b))};
}

// Checks the selection first: out of range refuses, empty does nothing.
template <class Edit>
EditResult WithSelection(const CWaveData& wave, EditCursors cursors, Edit edit) {
  const std::optional<Selection> selection = SelectionOf(wave, cursors);
  if (!selection) return {EditStatus::SelectionOutOfRange, {}};
  if (selection->size() == 0) return {EditStatus::Unchanged, {}};
  return edit(*selection);
}

// The samples of the selection, in order.
Samples Selected(const CWaveData& wave, Selection s) {
  Samples part;
  part.Assign(wave.thedata.GetData() + s.lo, s.size());
  return part;
}

// A recorded edit whose result starts as a copy of the samples and has
// change applied to the selection.
template <class Change>
EditResult ChangeSelection(WaveEntry& entry, Selection s, Change change) {
  const Samples& data = entry.record.thedata;
  RecordedEdit edit(entry);
  Samples& result = edit.Result();
  result.SetSize(data.GetSize(), TRUE);
  detail::CopySamples(result.GetData(), data.GetData(), data.GetSize());
  change(result.GetData() + s.lo, result.GetData() + s.hi);
  edit.Apply();
  return {EditStatus::Done, {}};
}

// Steps the history to target, whose samples the record takes in exchange
// for its own; only the display is rebuilt.
template <class Step>
EditResult ShowState(WaveEntry& entry, const EditNode* target, Step step) {
  if (!target) return {EditStatus::Unchanged, {}};
  CWaveData& wave = entry.record;
  WaveDisplay display = PlanDisplay(wave, target->snapshot.GetSize());
  step(entry.history, wave.thedata);
  ApplyDisplay(wave, std::move(display));
  wave.saved = false;
  return {EditStatus::Done, {}};
}

}  // namespace

EditResult CutOrDelete(WaveEntry& entry, EditCursors cursors, CutKind kind) {
  CWaveData& wave = entry.record;
  return WithSelection(wave, cursors, [&](Selection s) -> EditResult {
    const bool cut = kind == CutKind::Cut;
    Samples clip;
    if (cut) clip = Selected(wave, s);
    const unsigned int n = wave.thedata.GetSize();
    const unsigned int left = n - s.size();
    RecordedEdit edit(entry, cut ? 1 : 0);
    Samples& result = edit.Result();
    if (left == 0) {
      result.SetSize(static_cast<unsigned int>(std::max(wave.pointcount, 0)), FALSE);
    } else {
      const float* from = wave.thedata.GetData();
      result.SetSize(left, TRUE);
      detail::CopySamples(result.GetData(), from, s.lo);
      detail::CopySamples(result.GetData() + s.lo, from + s.hi, n - s.hi);
    }
    edit.Apply();

    if (cut) entry.history.clipdata = std::move(clip);
    EditResult done{EditStatus::Done, {}};
    if (left == 0) return done;
    // The cursor that stands later comes back to the new end.
    const double end = wave.displaylen;
    if (cursors.cursor1 < cursors.cursor2 && end < cursors.cursor2) {
      wave.cursor2 = wave.displaylen;
      done.moved = {1, end};
    } else if (cursors.cursor1 > cursors.cursor2 && end < cursors.cursor1) {
      wave.cursor1 = wave.displaylen;
      done.moved = {0, end};
    }
    return done;
  });
}

EditResult Copy(WaveEntry& entry, EditCursors cursors) {
  const CWaveData& wave = entry.record;
  return WithSelection(wave, cursors, [&](Selection s) -> EditResult {
    Samples clip = Selected(wave, s);
    std::list<EditNode> initial = EditList::NewStates(entry.history.pending() ? 1 : 0);
    entry.history.CommitInitial(initial);
    entry.history.clipdata = std::move(clip);
    return {EditStatus::Done, {}};
  });
}

EditResult Paste(WaveEntry& entry) {
  const CWaveData& wave = entry.record;
  const Samples& clip = entry.history.clipdata;
  const unsigned int n = wave.thedata.GetSize();
  if (wave.pointcount <= 0 || n >= static_cast<unsigned int>(wave.pointcount))
    return {EditStatus::WaveformFull, {}};
  const unsigned int added =
      std::min(clip.GetSize(), static_cast<unsigned int>(wave.pointcount) - n);
  RecordedEdit edit(entry);
  Samples& result = edit.Result();
  result.SetSize(n + added, TRUE);
  detail::CopySamples(result.GetData(), wave.thedata.GetData(), n);
  detail::CopySamples(result.GetData() + n, clip.GetData(), added);
  edit.Apply();
  return {EditStatus::Done, {}};
}

EditCursors SelectAll(CWaveData& wave) noexcept {
  const int k = wave.dispstep > 0 ? wave.dispstep : 1;
  const int length = static_cast<int>(wave.thedata.GetSize() / static_cast<unsigned int>(k));
  wave.cursor1 = 0;
  wave.cursor2 = length;
  return {0.0, static_cast<double>(length)};
}

EditResult FlipHorizontal(WaveEntry& entry, EditCursors cursors) {
  return WithSelection(entry.record, cursors, [&](Selection s) {
    return ChangeSelection(entry, s, [](float* first, float* last) { std::reverse(first, last); });
  });
}

EditResult FlipVertical(WaveEntry& entry, EditCursors cursors) {
  return WithSelection(entry.record, cursors, [&](Selection s) {
    return ChangeSelection(entry, s, [](float* first, float* last) {
      for (float* p = first; p != last; ++p) *p = -*p;
    });
  });
}

EditResult Undo(WaveEntry& entry) {
  return ShowState(entry, entry.history.older(),
                   [](EditList& h, Samples& shown) { h.StepOlder(shown); });
}

EditResult Redo(WaveEntry& entry) {
  return ShowState(entry, entry.history.newer(),
                   [](EditList& h, Samples& shown) { h.StepNewer(shown); });
}

}  // namespace waveform
