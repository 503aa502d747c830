// Zoom (WM_ZOOM): three kinds the user drags out on the graph, the whole
// waveform at once, and the way back to the record's own axes.
#include "waveform/view/PelmoranView.h"

#include "waveform/PrivateMessages.h"
#include "waveform/WaveGlobals.h"

#include <algorithm>

namespace {
constexpr int kMessageNoSamples = 302;
constexpr int kStatusZoom = 3;

// The graph's mode for a zoom kind (1 horizontal, 2 vertical, 3 region)
// and the mode that leaves it.
constexpr LONG kZoomModes[4] = {view::kCursorMode, view::kHorizontalZoom, view::kVerticalZoom,
                                view::kRegionZoom};
constexpr LONG kLeaveModes[4] = {view::kCursorMode, view::kLeaveHorizontalZoom,
                                 view::kLeaveVerticalZoom, view::kLeaveRegionZoom};
}  // namespace

LRESULT CPelmoranView::OnZoom(WPARAM wParam, LPARAM) {
  CWaveData* wave = FindRecord();
  if (!wave) return 1;
  if (wave->thedata.GetSize() == 0) {
    MessageById(kMessageNoSamples);
    return 1;
  }
  HideSelection(*wave);
  switch (wParam) {
    case 0:
    case 1:
    case 2: {
      const int kind = static_cast<int>(wParam) + 1;
      g_nZoomKind = m_nZoomKind = kind;
      SetInteractionMode(kZoomModes[kind]);
      SendStatus(kStatusZoom);
      break;
    }
    case 3: {
      m_HScroll.ShowWindow(SW_HIDE);
      m_HScroll.SetPos(0);
      m_VScroll.ShowWindow(SW_HIDE);
      m_VScroll.SetPos(0);
      GraphAxis(view::kXAxis).SetMinMax(0.0, wave->displaylen);
      // Every sample counts, and the zero line is always in view.
      const float* samples = wave->thedata.GetData();
      const auto [low, high] = std::minmax_element(samples, samples + wave->thedata.GetSize());
      GraphAxis(view::kYAxis).SetMinMax(std::min(0.0f, *low), std::max(0.0f, *high));
      SendStatus(kStatusZoom);
      break;
    }
    case 5: {
      SendStatus(0);
      // The frame's undo-zoom command clears g_nZoomKind before it sends
      // this; the view still knows which zoom it left.
      const int kind = g_nZoomKind != 0 ? g_nZoomKind : m_nZoomKind;
      if (kind >= 1 && kind <= 3) SetInteractionMode(kLeaveModes[kind]);
      g_nZoomKind = m_nZoomKind = 0;
      HidePanBars();
      SG::CSgAxis x = GraphAxis(view::kXAxis);
      x.SetMaximum(wave->displaylen - 1);
      x.SetMinimum(0.0);
      SetYRange(wave->offset, wave->span);
      if (wave->displaylen > 0) PlotSamples(view::kWavePlot, wave->showdata);
      SetInteractionMode(view::kCursorMode);
      break;
    }
    default: break;
  }
  return 1;
}
