// The graph operations every part of the view shares: its cursors, plots
// and axes by name, the time labels, and the steps that show or hide the
// selection and the cross-hair. Each call makes the wrappers it needs and
// drops them when it returns.
#include "waveform/view/PelmoranView.h"

#include "waveform/ActiveState.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveGlobals.h"

#include <vector>

SG::CSgCursor CPelmoranView::GraphCursor(const char* name) const {
  return m_Graph.GetCursors().Item(CString(name));
}

SG::CSgPlot CPelmoranView::GraphPlot(int index) const { return m_Graph.GetPlots().Item(index); }

SG::CSgAxis CPelmoranView::GraphAxis(const char* name) const {
  return m_Graph.GetAxes().Item(CString(name));
}

void CPelmoranView::PlotSamples(int plot, const SG::CSgScalarVector<float>& samples) const {
  GraphPlot(plot).PlotSamples(samples, 0.0, 1.0);
}

void CPelmoranView::ShowSelectionCursors(bool show) const {
  GraphCursor(view::kCursor1).SetVisible(show);
  GraphCursor(view::kCursor2).SetVisible(show);
}

void CPelmoranView::SetInteractionMode(LONG mode) const { m_Graph.SetInteractionMode(mode); }

void CPelmoranView::SetYRange(double centre, double span) const {
  SG::CSgAxis axis = GraphAxis(view::kYAxis);
  axis.SetMaximum(centre + span / 2);
  axis.SetMinimum(centre - span / 2);
}

void CPelmoranView::SetUnitLabel(const CWaveData& wave) {
  if (wave.spanunit == 0 || wave.spanunit == 1)
    m_UnitLabel.SetWindowText(wave.spanunit == 0 ? "V" : "mV");
}

void CPelmoranView::HidePanBars() {
  m_HScroll.ShowWindow(SW_HIDE);
  m_VScroll.ShowWindow(SW_HIDE);
}

void CPelmoranView::LeaveTrace(CWaveData& wave) {
  wave.tracking = false;
  m_nTrackMode = -1;
  GraphCursor(view::kCursorXY).SetVisible(false);
}

void CPelmoranView::HideSelection(CWaveData& wave) {
  ::HideSelection(wave);
  ShowSelectionCursors(false);
}

// The selection cursors shown at two display positions, the record and the
// frame told where.
void CPelmoranView::ShowCursorsAt(CWaveData& wave, double first, double second) {
  wave.cursorson = true;
  g_bEditEnable = true;
  ClearDrawModes(wave);
  ShowSelectionCursors(true);
  GraphCursor(view::kCursor1).SetXPosition(first);
  GraphCursor(view::kCursor2).SetXPosition(second);
  wave.cursor1 = first;
  wave.cursor2 = second;
  g_dCursor1X = first;
  g_dCursor2X = second;
  SendCursorReadout(0, first, wave);
  SendCursorReadout(1, second, wave);
  SendStatus(1);
  SetInteractionMode(view::kCursorMode);
}

// The period in the unit the labels show: one step up or down so that it
// reads between 1 and 1000 where the units allow.
void CPelmoranView::SetTimeLabels(const CWaveData& wave) {
  double period = wave.period;
  int unit = wave.periodunit;
  if (period >= 1000 && unit > 0) {
    period /= 1000;
    --unit;
  } else if (period < 1 && unit < 4) {
    period *= 1000;
    ++unit;
  }
  const CString& suffix = unit >= 0 && unit < 5 ? g_TimeUnits[unit] : g_TimeUnits[5];
  SG::CSgValuePairs pairs = GraphAxis(view::kXAxis).GetValuePairs();
  pairs.Item(1).SetName("0");
  for (int i = 1; i <= 10; ++i) {
    SG::CSgValuePair pair = pairs.Item(i + 1);
    CString name;
    name.Format("%.3f", i * (period / 10));
    pair.SetName(name + suffix);
    pair.SetValue((i * static_cast<long long>(wave.displaylen)) / 10 - 1);
  }
}

bool CPelmoranView::HasSplineCursors() const {
  SG::CSgCursors cursors = m_Graph.GetCursors();
  for (int i = 1, n = cursors.GetCount(); i <= n; ++i)
    if (cursors.Item(i).GetName().Find(view::kSplineCursor) >= 0) return true;
  return false;
}

void CPelmoranView::RemoveSplineCursors() {
  SG::CSgCursors cursors = m_Graph.GetCursors();
  std::vector<CString> names;
  for (int i = 1, n = cursors.GetCount(); i <= n; ++i) {
    CString name = cursors.Item(i).GetName();
    if (name.Find(view::kSplineCursor) >= 0) names.push_back(name);
  }
  for (const CString& name : names) cursors.Remove(name);
}
