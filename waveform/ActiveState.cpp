#include "waveform/ActiveState.h"

#include "waveform/DisplayMath.h"
#include "waveform/WaveGlobals.h"

void PublishActiveWave(const CWaveData& wave) noexcept {
  g_nPointCount = wave.pointcount;
  g_dAmplitudeSpan = wave.span;
  g_dTimeSpan = DisplayTimeSpan(wave.period);
}

void ClearDrawModes(CWaveData& wave) noexcept {
  g_bDrawFreehand = g_bDrawHLine = g_bDrawVLine = g_bDrawTwoPoint = g_bPointsMode = false;
  wave.freehand = wave.hline = wave.vline = wave.twopoint = false;
}

void HideSelection(CWaveData& wave) noexcept {
  wave.cursorson = false;
  g_bEditEnable = false;
}

void LeaveDrawingAndSelection(CWaveData& wave) noexcept {
  wave.tracking = false;
  ClearDrawModes(wave);
  HideSelection(wave);
}
