#pragma once
// The steps on the program-wide mode flags that many handlers share: what
// the active waveform publishes, and leaving the drawing modes and the
// selection. They touch only the record given and the globals of
// waveform/WaveGlobals.h, and never fail.

#include "waveform/WaveData.h"

// The active waveform's values for the other windows: g_nPointCount from
// pointcount, g_dAmplitudeSpan from span, g_dTimeSpan the period in display
// units (DisplayTimeSpan).
void PublishActiveWave(const CWaveData& wave) noexcept;

// Every drawing mode off: the five global mode flags and the record's four
// mode bytes.
void ClearDrawModes(CWaveData& wave) noexcept;

// The selection cursors gone: cursorson and g_bEditEnable false (the caller
// hides the graph's cursors).
void HideSelection(CWaveData& wave) noexcept;

// Before samples are replaced from outside the drawing: the cursor trace
// off (tracking false), every drawing mode off and the selection hidden.
void LeaveDrawingAndSelection(CWaveData& wave) noexcept;
