// The strokes' steps (free-hand, horizontal, vertical and two-point line)
// on the view's own waveform: each draws into the working copy through
// drawing::Stroke (waveform/drawing/Strokes.h), which keeps the record's
// display in step, and shows it. A two-point line is previewed on plot 2
// while plot 1 keeps the waveform until the release.
#include "waveform/view/PelmoranView.h"

bool CPelmoranView::BeginFreehand(int p, double y) {
  CWaveData* wave = FindRecord();
  if (!wave || !m_Stroke.BeginFreehand(*wave, p, y)) return false;
  PlotSamples(view::kWavePlot, wave->showdata);
  return true;
}

void CPelmoranView::ContinueFreehand(int p, double y) {
  if (CWaveData* wave = FindRecord(); wave && m_Stroke.ContinueFreehand(*wave, p, y))
    PlotSamples(view::kWavePlot, wave->showdata);
}

bool CPelmoranView::PressHorizontalLine(int p, double y) {
  CWaveData* wave = FindRecord();
  return wave && m_Stroke.PressHorizontalLine(*wave, p, y);
}

void CPelmoranView::DragHorizontalLine(int p, double) {
  if (CWaveData* wave = FindRecord(); wave && m_Stroke.DragHorizontalLine(*wave, p))
    PlotSamples(view::kWavePlot, wave->showdata);
}

bool CPelmoranView::PressVerticalLine(int p) {
  CWaveData* wave = FindRecord();
  return wave && m_Stroke.PressVerticalLine(*wave, p);
}

void CPelmoranView::DragVerticalLine(int, double y) {
  if (CWaveData* wave = FindRecord(); wave && m_Stroke.DragVerticalLine(*wave, y))
    PlotSamples(view::kWavePlot, wave->showdata);
}

bool CPelmoranView::BeginTwoPointLine(int p) {
  CWaveData* wave = FindRecord();
  return wave && m_Stroke.BeginTwoPointLine(*wave, p);
}

void CPelmoranView::DragTwoPointLine(int p, double y) {
  CWaveData* wave = FindRecord();
  if (!wave || !m_Stroke.DragTwoPointLine(*wave, p, y)) return;
  SG::CSgPlot preview = GraphPlot(view::kPreviewPlot);
  preview.SetVisible(true);
  preview.PlotSamples(wave->showdata, 0.0, 1.0);
}

// After the release stored the line: the preview goes, plot 1 shows it.
void CPelmoranView::ReleaseTwoPointLine() {
  GraphPlot(view::kPreviewPlot).SetVisible(false);
  if (const CWaveData* wave = FindRecord()) PlotSamples(view::kWavePlot, wave->showdata);
}
