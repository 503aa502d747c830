#include "waveform/WaveGlobals.h"

#include "waveform/WaveStore.h"

#define PELMORAN_DEFINE_WAVE_SCALAR(type, name, value) type name = value;
PELMORAN_WAVE_SCALARS(PELMORAN_DEFINE_WAVE_SCALAR)
#undef PELMORAN_DEFINE_WAVE_SCALAR

std::vector<SplinePoint> g_pTablePoints;
SG::CSgScalarVector<float> g_EquationWave;
SG::CSgColorVector g_ColorsA(5);
SG::CSgColorVector g_ColorsB(5);
const CString g_TimeUnits[6] = {"ks", "s", "ms", "us", "ns", ""};

void ResetWaveState() {
#define PELMORAN_RESET_WAVE_SCALAR(type, name, value) name = value;
  PELMORAN_WAVE_SCALARS(PELMORAN_RESET_WAVE_SCALAR)
#undef PELMORAN_RESET_WAVE_SCALAR
  g_pTablePoints.clear();
  g_EquationWave.SetSize(0, TRUE);
  g_ColorsA = SG::CSgColorVector(5);
  g_ColorsB = SG::CSgColorVector(5);
  g_WaveStore.RemoveAll();
}
