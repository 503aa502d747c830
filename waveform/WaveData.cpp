#include "waveform/WaveData.h"

#include <algorithm>
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
  ApplyDisplay(wave, std::move(plan), nullptr);
}

float* PlannedDisplay(CWaveData& wave, WaveDisplay& plan) noexcept {
  return plan.reuse ? wave.showdata.GetData() : plan.fresh.GetData();
}

void InstallDisplay(CWaveData& wave, WaveDisplay&& plan) noexcept {
  if (!plan.reuse) wave.showdata = std::move(plan.fresh);
  wave.dispstep = plan.dispstep;
  wave.displaylen = plan.displaylen;
}

void ApplyDisplay(CWaveData& wave, WaveDisplay&& plan, const float* source) noexcept {
  InstallDisplay(wave, std::move(plan));
  const std::size_t n = wave.thedata.GetSize();
  const auto k = static_cast<std::size_t>(plan.dispstep);
  const auto len = static_cast<std::size_t>(plan.displaylen);
  float* samples = wave.thedata.GetData();
  float* display = wave.showdata.GetData();
  const float* from = source ? source : samples;
  // Block by block, so that the display is picked from samples just copied
  // while they are still in the cache: one pass over the memory, not two.
  constexpr std::size_t kBlock = 16384;
  std::size_t j = 0;  // next display element
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t end = std::min(n, begin + kBlock);
    if (source) std::memcpy(samples + begin, source + begin, sizeof(float) * (end - begin));
    for (; j < len && j * k < end; ++j) display[j] = from[j * k];
  }
}

void DisplayDecimation(CWaveData& wave) {
  ApplyDisplay(wave, PlanDisplay(wave, wave.thedata.GetSize()));
}
