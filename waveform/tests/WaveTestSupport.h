#pragma once
// Small waveforms for the store's tests: entries made from sample lists, and
// the samples read back as plain lists.

#include "waveform/WaveCollections.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <vector>

using Floats = std::vector<float>;

inline Floats Items(const SG::CSgScalarVector<float>& v) {
  return Floats(v.GetData(), v.GetData() + v.GetSize());
}

inline SG::CSgScalarVector<float> Vec(const Floats& values) {
  SG::CSgScalarVector<float> v;
  v.Assign(values.data(), static_cast<unsigned int>(values.size()));
  return v;
}

// 0, 1, ..., n - 1.
inline Floats Ramp(unsigned int n) {
  Floats values(n);
  std::iota(values.begin(), values.end(), 0.0f);
  return values;
}

// from, from + 1, ..., to - 1, then the same for each further pair.
inline Floats Runs(std::initializer_list<std::pair<int, int>> runs) {
  Floats values;
  for (auto [from, to] : runs)
    for (int v = from; v < to; ++v) values.push_back(static_cast<float>(v));
  return values;
}

// A record as a producer makes it: the samples, their counts (pointcount
// given, or the sample count), the display, saved.
inline CWaveData Record(const Floats& samples, int pointcount = -1) {
  CWaveData wave;
  wave.thedata = Vec(samples);
  wave.samplecount = static_cast<int>(samples.size());
  wave.pointcount = pointcount < 0 ? wave.samplecount : pointcount;
  wave.saved = true;
  DisplayDecimation(wave);
  return wave;
}

inline std::unique_ptr<WaveEntry> Entry(const Floats& samples, int pointcount = -1) {
  return std::make_unique<WaveEntry>(Record(samples, pointcount));
}

// Every test starts with no waveform open and the globals as at load.
class WaveStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetWaveState(); }
  void TearDown() override { ResetWaveState(); }
};
