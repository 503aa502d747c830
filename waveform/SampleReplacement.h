#pragma once
// Sample changes outside the edit history: the equation result, the
// before-draw snapshot with its one-step undo, and the commit of a drawing.
// Each is @excsafety{Strong}: on the framework's memory exception the entry
// is as it was.

#include "waveform/WaveStore.h"

namespace waveform {

// Applies the equation dialog's result (normally g_EquationWave): the
// samples before it become the before-draw snapshot (so Undo Last Draw
// brings them back), the samples become a copy of result (its length
// becomes the waveform's), shape -1, the display is rebuilt and the waveform
// is unsaved; the drawing modes and the selection are left
// (LeaveDrawingAndSelection). The edit history is not touched.
void ApplyEquationResult(WaveEntry& entry, const SG::CSgScalarVector<float>& result);

// The before-draw snapshot becomes a copy of the samples.
void SaveDrawSnapshot(WaveEntry& entry);

// Puts the before-draw snapshot back (a copy: the snapshot stays, so a
// second undo restores the same samples), rebuilds the display from its
// length and marks the waveform unsaved. False, and nothing changes, when
// there is no snapshot.
bool UndoLastDraw(WaveEntry& entry);

// The end of every drawing: thedata and copydata become copies of the
// view's working copy, and the waveform is unsaved. The display is the
// drawing's own business (it showed the working copy all along).
void CommitWorkData(CWaveData& wave, const SG::CSgScalarVector<float>& work);

}  // namespace waveform
