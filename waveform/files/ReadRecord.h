#pragma once
// What the three readers share in finishing a record: the amplitude span of
// the Y axis, the frequency a file gives, and the completed record.

#include "waveform/WaveData.h"

// 2 x (max(trunc|largest|, trunc|smallest|) + 1): the Y axis span that holds
// both extremes with a whole volt to spare; (2.9999, -3.0) gives 8, (0.5,
// -0.5) gives 2. Any finite magnitude gives its exact even span (no integer
// overflow), so the result is a double.
double CalcAxisSpan(float largest, float smallest);

// The frequency every reader without a frequency of its own gives (Hz).
inline constexpr double kDefaultFrequency = 1000.0;

// Fills wave as a record just read from the file at path, titled title:
// samples (n values), saved, path, header-CSV save format, frequency in Hz
// and period = 1000 / frequency in ms, point and sample counts n, the Y
// span, amplitude and offset from the extremes, phase 0, the display
// decimation and no cursors. Everything else keeps wave's present values.
void CompleteReadRecord(CWaveData& wave, const CString& path, const CString& title,
                        const float* samples, unsigned int n, float largest, float smallest,
                        double frequency = kDefaultFrequency);
// The same for a reader that wrote the samples into thedata and the display
// as planned (PlannedDisplay) in its own pass.
void CompleteReadRecord(CWaveData& wave, const CString& path, const CString& title,
                        WaveDisplay&& display, float largest, float smallest);
