#pragma once
// What every reader promises for any input, checked by the fuzz targets: a
// success is a finished record of 2 or more finite samples whose extremes,
// amplitude and display vector agree with the samples; a failure names one
// of the reader's messages and keeps no sample. A broken promise traps.

#include "platform/afx/MemFile.h"
#include "waveform/WaveData.h"
#include "waveform/files/WaveFileStatus.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace filesfuzz {

inline void Require(bool promise) {
  if (!promise) __builtin_trap();
}

inline CMemFile Input(const std::uint8_t* data, std::size_t size) {
  return CMemFile(data, static_cast<UINT>(size));
}

inline void CheckOutcome(const WaveFileStatus& status, const CWaveData& wave, std::size_t limit,
                         std::initializer_list<int> failures) {
  const unsigned n = wave.thedata.GetSize();
  if (!status.ok()) {
    Require(std::find(failures.begin(), failures.end(), status.messageId) != failures.end());
    Require(n == 0 && wave.wavename.IsEmpty());
    return;
  }
  Require(n >= 2 && n <= limit);
  Require(wave.samplecount == static_cast<int>(n) && wave.pointcount == static_cast<int>(n));
  const float* samples = wave.thedata.GetData();
  const auto [low, high] = std::minmax_element(samples, samples + n);
  for (unsigned i = 0; i < n; ++i) Require(std::isfinite(samples[i]));
  Require(wave.vpp == static_cast<double>(*high) - *low);
  Require(wave.span >= 2.0 && std::isfinite(wave.span));
  Require(wave.freq > 0.0 && std::isfinite(wave.period) && wave.period > 0.0);
  Require(wave.dispstep >= 1 && wave.displaylen == static_cast<int>(n / wave.dispstep));
  Require(wave.showdata.GetSize() == static_cast<unsigned>(wave.displaylen));
  for (int j = 0; j < wave.displaylen; ++j)
    Require(wave.showdata.GetData()[j] == samples[static_cast<unsigned>(j * wave.dispstep)]);
  Require(wave.saved && wave.savetype == 1 && !wave.cursorson);
}

}  // namespace filesfuzz
