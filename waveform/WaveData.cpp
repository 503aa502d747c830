#include "waveform/WaveData.h"

namespace {
constexpr unsigned kDisplayLimit = 5000000;
}

void DisplayDecimation(CWaveData& wave) {
  unsigned n = wave.thedata.GetSize();
  unsigned k = n > kDisplayLimit ? n / kDisplayLimit + (n % kDisplayLimit ? 1 : 0) : 1;
  unsigned len = n / k;
  wave.dispstep = static_cast<int>(k);
  wave.displaylen = static_cast<int>(len);
  wave.showdata.SetSize(len, TRUE);
  for (unsigned i = 0; i < len; ++i) wave.showdata[i] = wave.thedata[i * k];
}
