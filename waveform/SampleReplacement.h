#pragma once
// Sample changes that come from outside the edit commands: the equation
// result, the before-draw snapshot with its one-step undo, and the commit
// of a drawing. Each that changes a sample is one step of the edit history
// (waveform/RecordedEdit.h; samples left exactly as they were record
// nothing), and each is @excsafety{Strong}: on the framework's memory
// exception the entry is as it was.

#include "waveform/WaveStore.h"

namespace waveform {

// Applies the equation dialog's result (normally g_EquationWave): the
// samples before it become the before-draw snapshot (so Undo Last Draw
// brings them back), the samples become a copy of result (its length
// becomes the waveform's), shape -1, the display is rebuilt and the waveform
// is unsaved; the drawing modes and the selection are left
// (LeaveDrawingAndSelection). One step of the history.
void ApplyEquationResult(WaveEntry& entry, const SG::CSgScalarVector<float>& result);

// The before-draw snapshot becomes a copy of the samples.
void SaveDrawSnapshot(WaveEntry& entry);

// Puts the before-draw snapshot back (a copy: the snapshot stays, so a
// second undo restores the same samples), rebuilds the display from its
// length and marks the waveform unsaved; one step of the history, so Undo
// brings back the drawing. False, and nothing changes, when there is no
// snapshot.
bool UndoLastDraw(WaveEntry& entry);

// The end of every drawing: the samples become the view's working copy
// (taken, work is left empty) and copydata a copy of it, the display is
// rebuilt from it, and the waveform is unsaved; one step of the history.
// A drawing that goes on with the last step (a point of a point drawing
// dragged, which refills the waveform at every move) gives the history's
// serial after that step: while nothing came between, it replaces that
// step instead of adding one for every move.
void CommitWorkData(WaveEntry& entry, SG::CSgScalarVector<float>&& work,
                    std::uint64_t continues = ~std::uint64_t{0});

}  // namespace waveform
