#pragma once
// The texts of the view's four parameter read-outs (amplitude, offset,
// frequency, phase), one rule for every place that writes them.

#include "waveform/WaveData.h"

#include <array>

enum ReadoutField { kReadoutAmplitude, kReadoutOffset, kReadoutFrequency, kReadoutPhase };

// Each value with three decimals and its unit: the amplitude is vpp, or span
// when vpp is 0 (" Vpp" / " mVpp" by vppunit); the offset in its own unit
// (" V" / " mV" by offsetunit); the frequency with " uHz" to " MHz" by
// frequnit (no unit outside 0..4); the phase without a unit. Shapes 5 and 8
// carry none of these: all four read " --".
std::array<CString, 4> ParameterReadouts(const CWaveData& wave);
