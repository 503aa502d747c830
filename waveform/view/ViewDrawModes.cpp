// The drawing modes and the graph's plot-area mouse events: a press starts
// a stroke (free-hand or a line) or places a point, moves draw and show the
// tracking read-out, the release stores the stroke into the record.
#include "waveform/view/PelmoranView.h"

#include "containers/CSgVariant.h"
#include "waveform/ActiveState.h"
#include "waveform/DisplayMath.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <cmath>

namespace {

double ValueOf(const VARIANT* v) { return v ? static_cast<double>(SG::CSgVariant(*v)) : 0.0; }

bool StrokeMode() { return g_bDrawFreehand || g_bDrawHLine || g_bDrawVLine || g_bDrawTwoPoint; }

// The display position under the mouse: X to the nearest whole position,
// halves upward.
int DisplayPosition(double x) {
  const double p = std::trunc(x + 0.5);
  return p == p ? static_cast<int>(std::clamp(p, -2147483648.0, 2147483647.0)) : 0;
}

// Whether the mouse is over the waveform's own display.
bool InRange(const CWaveData& wave, double x) { return x + 0.5 > 0 && x + 0.5 < wave.displaylen; }

}  // namespace

LRESULT CPelmoranView::OnDrawFreehand(WPARAM, LPARAM) {
  if (!FindRecord()) return 1;
  EnterDrawMode(0);
  RemoveSplineCursors();
  return 1;
}

LRESULT CPelmoranView::OnDrawLine(WPARAM wParam, LPARAM) {
  if (!FindRecord()) return 1;
  RemoveSplineCursors();
  if (wParam >= 1 && wParam <= 3) EnterDrawMode(static_cast<int>(wParam));
  return 1;
}

LRESULT CPelmoranView::OnSetDrawMode(WPARAM wParam, LPARAM lParam) {
  CWaveData* wave = FindRecord();
  if (!wave) return 1;
  const bool on = wParam != 0;
  switch (lParam) {
    case 0: wave->freehand = g_bDrawFreehand = on; break;
    case 1: wave->hline = g_bDrawHLine = on; break;
    case 2: wave->vline = g_bDrawVLine = on; break;
    case 3: wave->twopoint = g_bDrawTwoPoint = on; break;
    default: break;
  }
  return 1;
}

void CPelmoranView::OnPlotAreaMouseDown(short* button, short*, VARIANT* x, VARIANT* y) {
  const double mx = ValueOf(x), my = ValueOf(y);
  CWaveData* wave = FindRecord();
  if (!wave || !button || *button != 1) return;
  m_nMouseDown = 1;
  m_bStroke = false;
  // Positions off the waveform draw at its nearest end.
  const int p = std::clamp(DisplayPosition(mx), 0, std::max(0, wave->displaylen - 1));
  const bool samples = wave->thedata.GetSize() > 0;
  auto started = [&](bool begun) {
    if (!begun) return;
    m_bStroke = true;
    wave->shape = -1;
    wave->saved = false;
  };
  if (g_bDrawFreehand && InRange(*wave, mx)) {
    SaveDrawSnapshot();
    started(BeginFreehand(p, my));
  } else if (g_bPointsMode && g_bPointsByMouse) {
    PointPress(mx, my, p);
  }
  if (g_bDrawHLine && samples) {
    SaveDrawSnapshot();
    started(PressHorizontalLine(p, my));
  }
  if (g_bDrawVLine && samples) {
    SaveDrawSnapshot();
    started(PressVerticalLine(p));
  }
  if (g_bDrawTwoPoint && samples) {
    SaveDrawSnapshot();
    started(BeginTwoPointLine(p));
  }
}

void CPelmoranView::OnPlotAreaMouseMove(short*, short*, VARIANT* x, VARIANT* y) {
  const double mx = ValueOf(x), my = ValueOf(y);
  CWaveData* wave = FindRecord();
  if (!wave) return;
  const bool inRange = InRange(*wave, mx);
  const int p = DisplayPosition(mx);
  if (m_nMouseDown && m_bStroke) {
    if (g_bDrawFreehand) ContinueFreehand(p, my);
    if (g_bDrawHLine)
      DragHorizontalLine(p, my);
    else if (g_bDrawVLine)
      DragVerticalLine(p, my);
    else if (g_bDrawTwoPoint)
      DragTwoPointLine(p, my);
    wave->saved = false;
  }
  if (!inRange) return;
  TrackReadout readout{static_cast<double>(p), my, wave->periodunit, wave->period};
  if (m_nTrackMode == 0) {
    const long long sample = SampleIndexAt(*wave, p);
    if (sample >= 0 && sample < wave->thedata.GetSize())
      readout.value = wave->thedata.GetData()[sample];
    SG::CSgCursor cross = GraphCursor(view::kCursorXY);
    cross.SetVisible(true);
    cross.SetPosition(readout.position, readout.value);
  }
  Tell(WM_TRACK_READOUT, 0, reinterpret_cast<LPARAM>(&readout));
}

void CPelmoranView::OnPlotAreaMouseUp(short*, short*, VARIANT*, VARIANT*) {
  m_nMouseDown = 0;
  // Only a stroke this press started is stored: a release after a right
  // press, or after a press that drew nothing, leaves the record alone.
  if (!std::exchange(m_bStroke, false) || !StrokeMode()) return;
  CommitWorkData();
  if (g_bDrawTwoPoint) ReleaseTwoPointLine();
}

void CPelmoranView::OnPlotMouseDown(short*, short*, VARIANT*, VARIANT*, short*, LONG*) {
  SetInteractionMode(view::kPlotPressMode);
}
