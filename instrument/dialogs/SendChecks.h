#pragma once
// The checks a waveform passes before it is sent, against the model table
// (instrument/dialogs/SendModels.h): sample count, frequency, slot of a long
// waveform and peak value. Each gives nothing when the waveform passes, or
// the message to refuse it with, its placeholders already replaced.

#include "instrument/dialogs/SendModels.h"
#include "platform/afx/String.h"

#include <cstddef>
#include <optional>

class CWaveData;

struct Refusal {
  int id;
  CString text;
};

// The count against the family's counts and the transfer buffer (a block of
// frameBytes, the USB frame head included).
std::optional<Refusal> CheckSampleCount(const SendFamily& family, int count,
                                        std::size_t frameBytes);

// The frequency in hertz against the family's limit; the KRV5000's limit
// follows the bandwidth it reported ("PROD?"), the lowest when it named none.
std::optional<Refusal> CheckFrequency(const SendFamily& family, double hertz,
                                      const CString& bandwidth);

// A waveform longer than 16,384 samples against the family's memory and slot.
std::optional<Refusal> CheckLongWave(const SendFamily& family, int count, int slot);

// The amplitude the samples span and the peak value they reach, in the
// waveform's amplitude unit: the extremes of sample - offset start from the
// first sample; the amplitude is twice the larger of their sizes, the peak
// the larger size of the extremes with the offset added back.
// Samples that are all equal (a new waveform, a DC level) span nothing: such
// a waveform goes out at the DC amplitude, 4 mVpp, with the level as its
// offset, so every sample packs to the middle code and the generator gives
// the level; its peak is the level or half the DC amplitude, the larger.
struct SendPeak {
  double amplitude = 0;
  double peak = 0;
  std::optional<double> level;  // the one value of a DC waveform
};
SendPeak PeakOfSamples(const CWaveData& wave);

// The peak value against the range of the channel (0 CH1, 1 CH2), scaled to
// millivolts for a waveform in mVpp (vppunit 1).
std::optional<Refusal> CheckPeak(const SendFamily& family, int channel, double peak, int vppunit);

// The frequency of a record in hertz.
double FrequencyHz(const CWaveData& wave);
