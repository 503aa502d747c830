// How the view shows its record: the refresh after a tool changed it, the
// view options (cursor line, grid, point view, cursor trace), the cursors
// placed from typed times or dragged on the graph, and the colours.
#include "waveform/view/PelmoranView.h"

#include "waveform/ActiveState.h"
#include "waveform/DisplayMath.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"
#include "waveform/WaveMessages.h"

#include <cmath>

namespace {

// The offset in the amplitude's unit (vppunit), for the Y axis around it.
double OffsetInAmplitudeUnit(const CWaveData& wave) {
  if (wave.vppunit == 0 && wave.offsetunit == 1) return wave.offset / 1000;
  if (wave.vppunit == 1 && wave.offsetunit == 0) return wave.offset * 1000;
  return wave.offset;
}

constexpr int kMessageNoSamples = 302;

}  // namespace

LRESULT CPelmoranView::OnWaveUpdate(WPARAM wParam, LPARAM) {
  const int code = static_cast<int>(wParam);
  if (code == kWaveUpdateReplotOwn) RemoveSplineCursors();
  // Only this view's own record: an update meant for another waveform's
  // window must not show that waveform here, nor mark it changed.
  const int index = FindWaveIndex();
  const bool own = index >= 0 && (code == kWaveUpdateReplotOwn || code == kWaveUpdateReplotNewest ||
                                  code == index);
  if (own) {
    CWaveData& wave = g_WaveArray[index];
    SG::CSgAxis xAxis = GraphAxis(view::kXAxis);
    if (code == kWaveUpdateReplotOwn) {
      if (wave.tracking) LeaveTrace(wave);
      SetYRange(OffsetInAmplitudeUnit(wave), wave.vpp);
      xAxis.SetMinMax(0.0, wave.displaylen);
      PlotSamples(view::kWavePlot, wave.showdata);
      wave.saved = false;
    } else if (code == kWaveUpdateReplotNewest) {
      xAxis.SetMinMax(0.0, wave.displaylen);
      SetYRange(OffsetInAmplitudeUnit(wave), wave.span);
      if (m_WorkData.GetSize() > 2) {  // a fresh window has no working copy: axes only
        PlotSamples(view::kWavePlot, wave.showdata);
        wave.saved = false;
        SetTimeLabels(wave);
      }
    } else {
      SetUnitLabel(wave);
      xAxis.SetMaximum(wave.displaylen);
      SetYRange(OffsetInAmplitudeUnit(wave), wave.span);
      PlotSamples(view::kWavePlot, wave.showdata);
      SetTimeLabels(wave);
      wave.saved = false;
    }
  }
  UpdateParameterReadouts();
  HidePanBars();
  return 1;
}

void CPelmoranView::ToggleCursorLine(CWaveData& wave) {
  if (wave.tracking) LeaveTrace(wave);
  if (!wave.cursorson) {
    ShowCursorsAt(wave, wave.displaylen * 0.2, wave.displaylen * 0.8);
    return;
  }
  ClearDrawModes(wave);
  HideSelection(wave);
  SendStatus(0);
}

void CPelmoranView::ToggleTrace(CWaveData& wave) {
  if (wave.tracking) {
    LeaveTrace(wave);
    return;
  }
  wave.tracking = true;
  m_nTrackMode = 0;
  SG::CSgCursor cross = GraphCursor(view::kCursorXY);
  cross.SetMoveMode(view::kMoveFollow);
  cross.SetVisible(true);
}

LRESULT CPelmoranView::OnViewOption(WPARAM wParam, LPARAM) {
  // The selection cursors stay where they are while the view changes.
  GraphCursor(view::kCursor1).SetMoveMode(view::kMovePinned);
  GraphCursor(view::kCursor2).SetMoveMode(view::kMovePinned);
  bool release = true;
  if (CWaveData* wave = FindRecord()) {
    switch (wParam) {
      case 0:
        ToggleCursorLine(*wave);
        // While points are being placed the graph stays as it is.
        if (!wave->cursorson) {
          if (HasSplineCursors())
            release = false;
          else
            SetInteractionMode(view::kDrawingMode);
        }
        break;
      case 1: {
        wave->grid = !wave->grid;
        SG::CSgTicks x = GraphAxis(view::kXAxis).GetTicks(), y = GraphAxis(view::kYAxis).GetTicks();
        x.SetSubGridLines(wave->grid);
        y.SetSubGridLines(wave->grid);
        x.SetGridLines(wave->grid);
        y.SetGridLines(wave->grid);
        GraphAxis(view::kXAxis).GetValuePairs().SetGridLines(wave->grid);
        break;
      }
      case 2:
        if (wave->thedata.GetSize() == 0) {
          MessageById(kMessageNoSamples);
          break;
        }
        wave->pointview = !wave->pointview;
        GraphPlot(view::kWavePlot)
            .SetPlotStyle(wave->pointview ? view::kPointStyle : view::kLineStyle);
        PlotSamples(view::kWavePlot, wave->showdata);
        break;
      case 3:
        if (wave->thedata.GetSize() == 0) {
          MessageById(kMessageNoSamples);
          break;
        }
        ClearDrawModes(*wave);
        HideSelection(*wave);
        SendStatus(0);
        SetInteractionMode(view::kDrawingMode);
        ToggleTrace(*wave);
        break;
      default: break;
    }
  }
  if (release) {
    GraphCursor(view::kCursor1).SetMoveMode(view::kMoveFree);
    GraphCursor(view::kCursor2).SetMoveMode(view::kMoveFree);
  }
  return 1;
}

LRESULT CPelmoranView::OnSetCursorPos(WPARAM wParam, LPARAM lParam) {
  CWaveData* wave = FindRecord();
  if (!wave || !wave->cursorson || !wParam) return 1;
  const double t = *reinterpret_cast<const double*>(wParam);
  const double position = CursorFromTime(t, wave->period, wave->displaylen);
  if (lParam == 0 || lParam == 1) {
    GraphCursor(lParam == 0 ? view::kCursor1 : view::kCursor2).SetXPosition(position);
    (lParam == 0 ? wave->cursor1 : wave->cursor2) = position;
    // The read-out follows, or the value beside the typed time would still
    // be the one where the cursor was before.
    SendCursorReadout(static_cast<int>(lParam), position, *wave);
  }
  return 1;
}

void CPelmoranView::OnCursorChange(LONG* cursor, VARIANT* x, VARIANT*, LONG*) {
  const LONG index = cursor ? *cursor : 0;
  if (CWaveData* wave = FindRecord(); wave && x && (index == 1 || index == 3)) {
    // To the nearest whole position, and onto the waveform's display.
    const double moved =
        ClampCursor(std::floor(SG::CSgVariant(*x).operator double() + 0.5), wave->displaylen);
    // Cursor1 never passes Cursor2, nor Cursor2 Cursor1.
    const bool first = index == 1;
    const double other =
        std::trunc(GraphCursor(first ? view::kCursor2 : view::kCursor1).GetXPosition());
    const double placed = first ? std::min(moved, other) : std::max(moved, other);
    GraphCursor(first ? view::kCursor1 : view::kCursor2).SetXPosition(placed);
    (first ? wave->cursor1 : wave->cursor2) = placed;
    SendCursorReadout(first ? 0 : 1, placed, *wave);
  }
  if (index < 1 || index > m_Graph.GetCursors().GetCount()) return;
  SG::CSgCursor dragged = m_Graph.GetCursors().Item(static_cast<int>(index));
  const CString name = dragged.GetName();
  if (name.Find(view::kSplineCursor) < 0) return;
  // A point of the point drawing moved: refill the waveform through it. A
  // point never sits on the first or the last sample, nor beyond them.
  const CWaveData* wave = FindRecord();
  const int last = wave ? std::max(1, static_cast<int>(wave->thedata.GetSize()) - 2) : 1;
  const double px = dragged.GetXPosition(), py = dragged.GetYPosition();
  const int k = wave && wave->dispstep > 0 ? wave->dispstep : 1;
  for (size_t i = 1; i < m_pSplinePoints.size(); ++i) {
    if (m_pSplinePoints[i].name != name) continue;
    const double sample = std::trunc(px) * k;
    m_pSplinePoints[i].index = static_cast<int>(std::clamp(sample, 1.0, double(last)));
    m_pSplinePoints[i].value = py;
  }
  FillFromPoints(0);
}

void CPelmoranView::ApplyColor(int role, const SG::CSgColor& color) const {
  switch (role) {
    case 0:
      GraphPlot(view::kWavePlot).SetLineColor(color);
      GraphPlot(view::kPreviewPlot).SetLineColor(color);
      GraphPlot(view::kPointsPlot).SetPointColor(color);
      break;
    case 1: m_Graph.SetBackgroundColor(color); break;
    case 2:
      GraphAxis(view::kXAxis).GetTicks().SetGridColor(color);
      GraphAxis(view::kYAxis).GetTicks().SetGridColor(color);
      break;
    case 3: GraphCursor(view::kCursor1).SetColor(color); break;
    case 4: GraphCursor(view::kCursor2).SetColor(color); break;
    default: break;
  }
}

LRESULT CPelmoranView::OnSetColors(WPARAM wParam, LPARAM) {
  if (wParam == 0 || wParam == 6) {
    const SG::CSgColorVector& table = wParam == 0 ? g_ColorsA : g_ColorsB;
    for (int role = 0; role < 5; ++role) ApplyColor(role, table[role]);
  } else if (wParam >= 1 && wParam <= 5) {
    const int role = static_cast<int>(wParam) - 1;
    ApplyColor(role, g_ColorsB[role]);
  }
  return 1;
}

LRESULT CPelmoranView::OnShowCursors(WPARAM, LPARAM) {
  if (const CWaveData* wave = FindRecord(); wave && wave->cursorson) {
    ShowSelectionCursors(true);
    SetInteractionMode(view::kCursorMode);
  }
  return 1;
}
