// Sample changes outside the drawing: the replot of a waveform just opened
// or imported, smoothing, and the equation dialog's result.
#include "waveform/view/PelmoranView.h"

#include "waveform/PrivateMessages.h"
#include "waveform/SampleReplacement.h"
#include "waveform/Smoothing.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <utility>

namespace {

// A Y range that shows every sample: their extent, or, for samples all
// alike, the waveform's span (1 when it has none) around their value.
std::pair<double, double> SampleExtent(const CWaveData& wave) {
  const float* samples = wave.thedata.GetData();
  const unsigned int n = wave.thedata.GetSize();
  if (n == 0) return {wave.offset - wave.span / 2, wave.offset + wave.span / 2};
  const auto [low, high] = std::minmax_element(samples, samples + n);
  if (*low < *high) return {*low, *high};
  const double half = wave.span > 0 ? wave.span / 2 : 1.0;
  return {*low - half, *high + half};
}

}  // namespace

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
  // The result may lie anywhere and have another length: the axes fit it,
  // as they fit a standard shape, or it could sit off the graph.
  const CWaveData& wave = entry.record;
  GraphAxis(view::kXAxis).SetMinMax(0.0, wave.displaylen);
  const auto [low, high] = SampleExtent(wave);
  GraphAxis(view::kYAxis).SetMinMax(low, high);
  SetTimeLabels(wave);
  PlotSamples(view::kWavePlot, wave.showdata);
  return 1;
}
