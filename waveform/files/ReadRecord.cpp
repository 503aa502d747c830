#include "waveform/files/ReadRecord.h"

#include <algorithm>
#include <cmath>
#include <cstring>

double CalcAxisSpan(float largest, float smallest) {
  const double whole = std::max(std::trunc(std::fabs(static_cast<double>(largest))),
                                std::trunc(std::fabs(static_cast<double>(smallest))));
  return 2.0 * (whole + 1.0);
}

namespace {

// Every field but the samples and the display.
void FillReadRecord(CWaveData& wave, const CString& path, const CString& title, unsigned int n,
                    float largest, float smallest, double frequency) {
  wave.wavename = title;
  wave.filepath = path;
  wave.saved = true;
  wave.savetype = 1;  // header CSV
  wave.freq = frequency;
  wave.frequnit = 2;  // Hz
  wave.period = 1000.0 / frequency;
  wave.periodunit = 2;  // ms
  wave.timemode = 0;
  wave.pointcount = static_cast<int>(n);
  wave.samplecount = static_cast<int>(n);
  const double high = largest, low = smallest;
  wave.span = CalcAxisSpan(largest, smallest);
  wave.spanunit = 0;
  wave.vpp = high - low;
  wave.vppunit = 0;
  wave.offset = (high - low) / 2.0 + low;
  wave.offsetunit = 0;
  wave.phase = 0.0;
  wave.cursorson = false;
}

}  // namespace

void CompleteReadRecord(CWaveData& wave, const CString& path, const CString& title,
                        const float* samples, unsigned int n, float largest, float smallest,
                        double frequency) {
  if (wave.thedata.GetData() != samples) {
    wave.thedata.SetSize(n, TRUE);
    if (n) std::memcpy(wave.thedata.GetData(), samples, sizeof(float) * n);
  }
  DisplayDecimation(wave);
  FillReadRecord(wave, path, title, n, largest, smallest, frequency);
}

void CompleteReadRecord(CWaveData& wave, const CString& path, const CString& title,
                        WaveDisplay&& display, float largest, float smallest) {
  InstallDisplay(wave, std::move(display));
  FillReadRecord(wave, path, title, wave.thedata.GetSize(), largest, smallest, kDefaultFrequency);
}
