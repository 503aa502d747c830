// Point drawing: feature points placed with the mouse (shown as point
// cursors that can be dragged afterwards) or taken from the point-list
// dialog's table, joined by straight lines or a cubic spline into a new
// waveform (waveform/drawing/PointFill.h).
#include "waveform/view/PelmoranView.h"

#include "containers/CSgExceptionT.h"
#include "platform/services/Services.h"
#include "waveform/ActiveState.h"
#include "waveform/PrivateMessages.h"
#include "waveform/RecordedEdit.h"
#include "waveform/WaveCollections.h"
#include "waveform/WaveMessages.h"
#include "waveform/drawing/PointFill.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr LONG kPointCursorStyle = 0, kPointCursorMarker = 14;
const SG::CSgColor kPointCursorColor(255, 0, 0);
}  // namespace

// The first steps of both ways: the points mode on, every other mode, the
// selection and the trace off. False when there are no points to draw.
bool CPelmoranView::EnterPointsMode() {
  CWaveData* wave = FindRecord();
  if (!wave) return false;
  if (g_nSplinePointCount < 1) {  // the dialog takes any number; none cannot be drawn
    MessageById(kMsgNoDrawingPoints);
    return false;
  }
  LeaveTrace(*wave);
  ClearDrawModes(*wave);
  g_bPointsMode = true;
  HideSelection(*wave);
  SendStatus(0);
  return true;
}

LRESULT CPelmoranView::OnDrawPoints(WPARAM wParam, LPARAM) {
  if (!EnterPointsMode()) return 1;
  if (wParam == 0) {
    SetInteractionMode(view::kDrawingMode);
    m_pSplinePoints.assign(static_cast<size_t>(g_nSplinePointCount) + 1, SplinePoint());
    m_nPointIndex = 0;
    g_bPointsByMouse = true;
    g_bPointsByTable = false;
    m_nSplinePoints = g_nSplinePointCount;
    RemoveSplineCursors();
  } else if (wParam == 1) {
    ApplyTablePoints();
  }
  return 1;
}

void CPelmoranView::PointPress(double x, double y, int p) {
  const int index = FindWaveIndex();
  // Every point of the list placed: further presses write nothing.
  if (index < 0 || m_nPointIndex >= m_nSplinePoints ||
      static_cast<size_t>(m_nPointIndex) + 1 >= m_pSplinePoints.size())
    return;
  const CWaveData& wave = g_WaveArray[index];
  const int n = ++m_nPointIndex;
  SG::CSgCursor cursor = m_Graph.GetCursors().Add();
  CString name;
  name.Format("%s%d", view::kSplineCursor, n);
  cursor.SetName(name);
  cursor.SetStyle(kPointCursorStyle);
  cursor.SetPointStyle(kPointCursorMarker);
  cursor.SetColor(kPointCursorColor);
  cursor.SetXPosition(std::clamp(x, 0.0, std::max(0.0, wave.displaylen - 1.0)));
  cursor.SetYPosition(y);
  SplinePoint& point = m_pSplinePoints[static_cast<size_t>(n)];
  point.index = p * std::max(1, wave.dispstep);
  point.value = y;
  point.name = name;
  point.wave = index;
  if (n == g_nSplinePointCount) {
    m_nLinearFill = g_bLinearFill;
    m_nSplineFill = g_bSplineFill;
    m_nSplinePoints = g_nSplinePointCount;
    SaveDrawSnapshot();
    g_WaveArray[index].shape = -1;
    FillFromPoints(1);
    SetInteractionMode(view::kCursorMode);  // now the points can be dragged
  }
}

void CPelmoranView::SortSplinePoints(std::vector<SplinePoint>& points) {
  drawing::SortSplinePoints(points);
}

void CPelmoranView::FillLinear(SG::CSgScalarVector<double>& result,
                               const std::vector<SplinePoint>& points) {
  drawing::FillLinear(result, points);
}

int CPelmoranView::FillSpline(SG::CSgScalarVector<double>& result,
                              const std::vector<SplinePoint>& points) {
  try {
    drawing::FillSpline(result, points);
    return 1;
  } catch (SG::CSgMathException* e) {
    char text[512] = {};
    e->GetErrorMessage(text, sizeof text);
    e->Delete();
    services::ShowMessageBox(nullptr, text, "Math Error", MB_OK);
    return 0;
  }
}

void CPelmoranView::FillFromPoints(int flag) {
  const int index = FindWaveIndex();
  if (index < 0) return;
  CWaveData& wave = g_WaveArray[index];
  m_Graph.ClearData();
  const double half = wave.span / 2.0;
  SortSplinePoints(m_pSplinePoints);
  if (m_nLinearFill) {
    FillLinear(m_PointResult, m_pSplinePoints);
  } else if (m_nSplineFill) {
    if (!FillSpline(m_PointResult, m_pSplinePoints)) {
      // The waveform stays as it was, and is shown again.
      PlotSamples(view::kWavePlot, wave.showdata);
      if (flag == 1) {
        RemoveSplineCursors();
        SetYRange(wave.offset, wave.span);
        g_bPointsByMouse = true;
        m_nPointIndex = 0;
        m_nMouseDown = 0;
        g_bPointsMode = false;
      }
      return;
    }
  } else {
    m_PointResult = SG::CSgScalarVector<double>(drawing::FilledLength(m_pSplinePoints), 0.0);
  }
  // The new waveform keeps the waveform's own length.
  m_WorkData = drawing::PointWave(m_PointResult, wave.thedata.GetSize(), half);
  float peak = 0.0f;
  for (unsigned int i = 0; i < m_WorkData.GetSize(); ++i)
    peak = std::max(peak, std::fabs(m_WorkData.GetData()[i]));
  wave.vpp = 2.0 * peak;
  wave.offset = 0.0;
  SetYRange(0.0, wave.span);
  // A refill after a point was dragged continues the drawing's step.
  CommitWorkData(flag == 0 ? m_nPointStep : ~std::uint64_t{0});
  m_nPointStep = g_WaveStore.GetEntry(index).history.Serial();
  PlotSamples(view::kWavePlot, wave.showdata);
  GraphPlot(view::kPointsPlot).ClearData();
  g_bPointsByMouse = true;
  m_nPointIndex = 0;
  m_nMouseDown = 0;
  g_bPointsMode = false;
}

void CPelmoranView::ApplyTablePoints() {
  const int index = FindWaveIndex();
  if (index < 0) return;
  m_nPointIndex = 0;
  g_bPointsByMouse = false;
  g_bPointsByTable = true;
  m_nSplinePoints = g_nSplinePointCount;
  // The table's list holds its count + 1 points; the fills take the list as
  // it is, so a list shorter than the count is drawn as far as it goes.
  if (g_pTablePoints.empty()) return;
  SaveDrawSnapshot();
  SortSplinePoints(g_pTablePoints);
  if (g_bLinearFill) {
    FillLinear(m_PointResult, g_pTablePoints);
  } else if (g_bSplineFill) {
    if (!FillSpline(m_PointResult, g_pTablePoints)) return;  // unchanged, still in points mode
  } else {
    m_PointResult = SG::CSgScalarVector<double>(drawing::FilledLength(g_pTablePoints), 0.0);
  }
  WaveEntry& entry = g_WaveStore.GetEntry(index);
  CWaveData& wave = entry.record;
  waveform::RecordedEdit edit(entry);
  edit.SetResult(drawing::PointWave(m_PointResult, wave.thedata.GetSize(), wave.span / 2.0));
  RemoveSplineCursors();
  edit.Apply();
  PlotSamples(view::kWavePlot, wave.showdata);
  wave.shape = -1;
  g_bTablePointsDrawn = true;
}
