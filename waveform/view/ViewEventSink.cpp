// The view's sink of the graph's events: one table from each event's DISPID
// to the handler it calls, with the arguments in the order the event
// declares them. The sink is advised when the view binds to its graph and
// withdrawn when the view's window goes.
#include "waveform/view/PelmoranView.h"

#include "controls/HostedControl.h"

namespace {

using hosted::EventArgument;

struct SinkEntry {
  DISPID event;
  void (*call)(CPelmoranView& view, DISPPARAMS& p);
};

// The mouse events' arguments: button, shift, X, Y (and for the plot
// events the plot and the point index).
#define PELMORAN_MOUSE_ARGS                                                          \
  EventArgument(p, 0).piVal, EventArgument(p, 1).piVal, EventArgument(p, 2).pvarVal, \
      EventArgument(p, 3).pvarVal
#define PELMORAN_PLOT_ARGS PELMORAN_MOUSE_ARGS, EventArgument(p, 4).piVal, EventArgument(p, 5).plVal

// clang-format off
const SinkEntry kGraphEvents[] = {
  {hosted::kCursorChange, [](CPelmoranView& v, DISPPARAMS& p) {
     v.OnCursorChange(EventArgument(p, 0).plVal, EventArgument(p, 1).pvarVal,
                      EventArgument(p, 2).pvarVal, EventArgument(p, 3).plVal); }},
  {hosted::kPlotMouseDown, [](CPelmoranView& v, DISPPARAMS& p) { v.OnPlotMouseDown(PELMORAN_PLOT_ARGS); }},
  {hosted::kPlotMouseMove, [](CPelmoranView& v, DISPPARAMS& p) { v.OnPlotMouseMove(PELMORAN_PLOT_ARGS); }},
  {hosted::kPlotMouseUp, [](CPelmoranView& v, DISPPARAMS& p) { v.OnPlotMouseUp(PELMORAN_PLOT_ARGS); }},
  {hosted::kPlotAreaMouseDown, [](CPelmoranView& v, DISPPARAMS& p) { v.OnPlotAreaMouseDown(PELMORAN_MOUSE_ARGS); }},
  {hosted::kPlotAreaMouseMove, [](CPelmoranView& v, DISPPARAMS& p) { v.OnPlotAreaMouseMove(PELMORAN_MOUSE_ARGS); }},
  {hosted::kPlotAreaMouseUp, [](CPelmoranView& v, DISPPARAMS& p) { v.OnPlotAreaMouseUp(PELMORAN_MOUSE_ARGS); }},
  {hosted::kAxisChange, [](CPelmoranView& v, DISPPARAMS&) { v.OnAxisChange(); }},
  {hosted::kStockMouseDown, [](CPelmoranView& v, DISPPARAMS& p) {
     v.OnGraphMouseDown(EventArgument(p, 0).iVal, EventArgument(p, 1).iVal,
                        EventArgument(p, 2).lVal, EventArgument(p, 3).lVal); }},
};
// clang-format on

#undef PELMORAN_PLOT_ARGS
#undef PELMORAN_MOUSE_ARGS

// The number of arguments each event brings.
UINT ArgumentCount(DISPID event) {
  switch (event) {
    case hosted::kAxisChange: return 0;
    case hosted::kPlotMouseDown:
    case hosted::kPlotMouseMove:
    case hosted::kPlotMouseUp: return 6;
    default: return 4;
  }
}

}  // namespace

void CPelmoranView::ConnectGraphEvents() {
  if (m_dwEventCookie || !m_Graph.m_hWnd) return;
  IDispatch* sink = hosted::NewEventSink([this](DISPID event, DISPPARAMS& params) {
    if (params.cArgs < ArgumentCount(event)) return;
    for (const SinkEntry& entry : kGraphEvents)
      if (entry.event == event) entry.call(*this, params);
  });
  m_dwEventCookie = hosted::AdviseControlEvents(m_Graph.m_hWnd, sink);
  sink->Release();
}

void CPelmoranView::DisconnectGraphEvents() {
  if (!m_dwEventCookie) return;
  if (m_Graph.m_hWnd) hosted::UnadviseControlEvents(m_Graph.m_hWnd, m_dwEventCookie);
  m_dwEventCookie = 0;
}
