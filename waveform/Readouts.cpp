#include "waveform/Readouts.h"

#include "platform/win/CrtFormat.h"

namespace {

// The frequency units by frequnit.
constexpr const char* kFrequencyUnits[] = {" uHz", " mHz", " Hz", " kHz", " MHz"};

CString Fixed3(double value, const char* unit) { return CString(CrtFormat("%.3f%s", value, unit)); }

}  // namespace

std::array<CString, 4> ParameterReadouts(const CWaveData& wave) {
  if (wave.shape == 5 || wave.shape == 8) return {" --", " --", " --", " --"};
  const double amplitude = wave.vpp != 0 ? wave.vpp : wave.span;
  const bool knownUnit = wave.frequnit >= 0 && wave.frequnit < 5;
  return {Fixed3(amplitude, wave.vppunit == 1 ? " mVpp" : " Vpp"),
          Fixed3(wave.offset, wave.offsetunit == 1 ? " mV" : " V"),
          Fixed3(wave.freq, knownUnit ? kFrequencyUnits[wave.frequnit] : ""),
          Fixed3(wave.phase, "")};
}
