#pragma once
// The edit commands on one waveform: Cut, Delete, Copy, Paste, Select All,
// the two flips, Undo and Redo (WM_EDIT_OP codes 0 to 8 and the context
// menu). Each acts on the entry it is given, never on "the active one", and
// on the cursor positions it is given, in display units: position x stands
// for sample trunc(x * dispstep); the position displaylen, the end of the
// display, stands for the end of the samples.
//
// The selection is the samples lo..hi-1 between the two cursors (either
// order); the sample under the right-hand cursor is not part of it. A command
// that changes the samples records the result in the waveform's history
// (waveform/EditHistory.h), puts the new samples into the record, rebuilds
// its display (dispstep, displaylen, showdata from the new length) and marks
// it unsaved; pointcount and samplecount stay. The caller then replots
// showdata and reports moved cursors.
//
// Every command is @excsafety{Strong}: when it throws (the framework's
// memory exception), the record, its history and its clipboard are as they
// were. A refused command changes nothing at all.

#include "waveform/WaveStore.h"

namespace waveform {

// The selection cursors Cursor1 and Cursor2, display units.
struct EditCursors {
  double cursor1 = 0.0;
  double cursor2 = 0.0;
};

enum class EditStatus {
  Done,                 // the command did its work
  Unchanged,            // nothing to do: an empty selection, or no state to go to
  SelectionOutOfRange,  // a cursor stands outside the samples: refused (kMsgSelectionOutOfRange)
  WaveformFull,         // Paste: the waveform already holds pointcount samples (text 303)
};

// A cursor an edit moved: 0 Cursor1, 1 Cursor2, -1 none. The record's
// cursor1 or cursor2 already holds the new position; the caller moves the
// graph's cursor and sends its read-out.
struct CursorMove {
  int cursor = -1;
  double position = 0.0;
};

struct EditResult {
  EditStatus status = EditStatus::Unchanged;
  CursorMove moved;
};

// The two ways of CutOrDelete, by their WM_EDIT_OP codes.
enum class CutKind { Cut = 2, Delete = 3 };

// Removes the selection; Cut puts it on the clipboard first (replacing what
// was there). When nothing would remain, the samples become pointcount
// zeros. Otherwise the cursor that stands later moves back to the new
// display length when it stood beyond it.
EditResult CutOrDelete(WaveEntry& entry, EditCursors cursors, CutKind kind);

// Puts the selection on the clipboard; records the initial state (while the
// history is pending) and nothing else.
EditResult Copy(WaveEntry& entry, EditCursors cursors);

// Appends the clipboard at the end of the samples, cut off at pointcount.
// An empty clipboard still records a state and marks the waveform unsaved.
EditResult Paste(WaveEntry& entry);

// The cursor positions of Select All: 0 and the display length. Stores them
// (truncated) in the record's cursor1 and cursor2; records nothing. Never
// fails.
EditCursors SelectAll(CWaveData& wave) noexcept;

// Reverse the order of the selected samples / negate each of them (a mirror
// about 0: 0 becomes -0). The other samples and the length stay.
EditResult FlipHorizontal(WaveEntry& entry, EditCursors cursors);
EditResult FlipVertical(WaveEntry& entry, EditCursors cursors);

// Show the state one older / newer in the history; Unchanged at either end
// and before the first recorded edit (then saved stays as it was).
EditResult Undo(WaveEntry& entry);
EditResult Redo(WaveEntry& entry);

}  // namespace waveform
