#pragma once
// The one place where a waveform read back from a generator becomes a
// waveform record. The read-back's parameters (LastReadWave) and the
// record's (CWaveData) keep the names their protocols and files use
// (frequency / freq, amplitude / span, ...), so they cannot share one type;
// this conversion is the only code that pairs them.

#include "instrument/LinkState.h"
#include "waveform/WaveData.h"

// The record of a new waveform window for a read-back: its name, samples
// and counts (point and sample count = the samples read), display, the span
// from the read amplitude, frequency, period and offset with their units,
// time mode 0 (by frequency). The phase and the peak-to-peak amplitude keep
// the record's defaults, and the cursors are not shown.
CWaveData RecordFromLastRead(const LastReadWave& read);
