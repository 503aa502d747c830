// Sample changes outside the drawing: the replot of a waveform just opened
// or imported, smoothing, and the equation dialog's result.
#include "waveform/view/PelmoranView.h"

#include "waveform/PrivateMessages.h"
#include "waveform/SampleReplacement.h"
#include "waveform/Smoothing.h"
#include "waveform/WaveCollections.h"

LRESULT CPelmoranView::OnWaveReplot(WPARAM, LPARAM) {
  // A replot shows the samples and marks nothing saved: only an open or a
  // save does, so an imported waveform still asks before its window closes.
  if (const CWaveData* wave = FindRecord()) {
    PlotSamples(view::kWavePlot, wave->showdata);
    g_bWaveOpen = true;
  }
  return 1;
}

void CPelmoranView::Smooth() {
  const int index = FindWaveIndex();
  if (index < 0) return;
  WaveEntry& entry = g_WaveStore.GetEntry(index);
  waveform::Smooth(entry);
  PlotSamples(view::kWavePlot, entry.record.showdata);
}

LRESULT CPelmoranView::OnSmooth(WPARAM, LPARAM) {
  Smooth();
  return 1;
}

LRESULT CPelmoranView::OnApplyEquation(WPARAM, LPARAM) {
  RemoveSplineCursors();
  const int index = FindWaveIndex();
  if (index < 0) return 1;
  WaveEntry& entry = g_WaveStore.GetEntry(index);
  LeaveTrace(entry.record);
  HideSelection(entry.record);
  SendStatus(0);
  // Keeps the samples before it as the before-draw snapshot, so Undo Last
  // Draw brings them back; leaves the drawing modes and the selection.
  waveform::ApplyEquationResult(entry, g_EquationWave);
  PlotSamples(view::kWavePlot, entry.record.showdata);
  return 1;
}
