#include "waveform/WaveData.h"

#include <cstring>
#include <utility>

unsigned int DisplayStepFor(unsigned int n) noexcept {
  if (n <= kDisplayLimit) return 1;
  return n / kDisplayLimit + (n % kDisplayLimit ? 1 : 0);
}

WaveDisplay PlanDisplay(const CWaveData& wave, unsigned int n) {
  WaveDisplay plan;
  const unsigned int k = DisplayStepFor(n);
  const unsigned int len = n / k;
  plan.dispstep = static_cast<int>(k);
  plan.displaylen = static_cast<int>(len);
  plan.reuse = wave.showdata.GetSize() == len;
  if (!plan.reuse) plan.fresh.SetSize(len, TRUE);
  return plan;
}

void ApplyDisplay(CWaveData& wave, WaveDisplay&& plan) noexcept {
  if (!plan.reuse) wave.showdata = std::move(plan.fresh);
  wave.dispstep = plan.dispstep;
  wave.displaylen = plan.displaylen;
  const auto k = static_cast<std::size_t>(plan.dispstep);
  const auto len = static_cast<std::size_t>(plan.displaylen);
  const float* from = wave.thedata.GetData();
  float* to = wave.showdata.GetData();
  if (k == 1) {
    if (len) std::memcpy(to, from, sizeof(float) * len);
  } else {
    for (std::size_t i = 0; i < len; ++i) to[i] = from[i * k];
  }
}

void DisplayDecimation(CWaveData& wave) {
  ApplyDisplay(wave, PlanDisplay(wave, wave.thedata.GetSize()));
}
