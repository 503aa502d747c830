#include "tools/ToolSupport.h"

#include "platform/services/Services.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Frame.h"
#include "platform/window/WinApp.h"
#include "tools/PreviewSamples.h"
#include "tools/ToolMessages.h"
#include "waveform/PrivateMessages.h"
#include "waveform/RecordedEdit.h"
#include "waveform/WaveCollections.h"

namespace tools {

CString Text(int id) { return CString(services::Current().Text(id).c_str()); }

int ShowText(int id, UINT type) { return AfxMessageBox(Text(id), type); }

LRESULT NotifyFrame(UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* frame = AfxGetMainWnd();
  return frame && frame->m_hWnd ? frame->SendMessage(message, wParam, lParam) : 0;
}

void LeaveDrawingModes() {
  g_bDrawFreehand = g_bPointsMode = g_bDrawVLine = g_bDrawTwoPoint = g_bDrawHLine = false;
  for (LPARAM mode = 0; mode < 4; ++mode) NotifyFrame(WM_DRAWMODE_STATE, 0, mode);
}

CString ActiveWaveTitle() {
  auto* frame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
  CMDIChildWnd* child = frame && frame->m_hWnd ? frame->MDIGetActive() : nullptr;
  if (!child) return CString();
  CString title = child->GetWindowTextString();
  title.Trim(' ');
  return title;
}

void SetActiveWaveTitle(const CString& title) {
  auto* frame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
  if (CMDIChildWnd* child = frame && frame->m_hWnd ? frame->MDIGetActive() : nullptr)
    child->SetWindowText(title);
}

int FindActiveRecord() {
  const CString title = ActiveWaveTitle();
  int found = -1;
  for (int i = 0; i < g_WaveArray.GetSize(); ++i)
    if (g_WaveArray[i].wavename == title) found = i;
  return found;
}

int ActivateAndGetIndex() {
  NotifyFrame(WM_WAVE_ACTIVATE, 0, 0);
  return g_nActiveWave == -1 ? 0 : g_nActiveWave;
}

void SetAxisRange(const SG::CSgGraph& graph, const char* axis, double minimum, double maximum) {
  SG::CSgAxis a = graph.GetAxes().Item(CString(axis));
  a.SetMaximum(maximum);
  a.SetMinimum(minimum);
}

void SetAxisMaximum(const SG::CSgGraph& graph, const char* axis, double maximum) {
  graph.GetAxes().Item(CString(axis)).SetMaximum(maximum);
}

namespace {

// Plot 1 of graph: the samples, or every k-th of a long record gathered
// into shown; false, and nothing plotted, when checkFinite finds a sample
// that is not a finite number.
template <class T>
bool Plot(const SG::CSgGraph& graph, const SG::CSgVectorT<T>& samples,
          SG::CSgScalarVector<T>& shown, bool checkFinite) {
  const unsigned int n = samples.GetSize();
  const unsigned int k = DisplayStepFor(n);
  SG::CSgPlot plot = graph.GetPlots().Item(1);
  if (k == 1) {
    if (checkFinite && !AllFiniteSamples(samples.GetData(), n)) return false;
    plot.PlotSamples(samples, 0.0, 1.0);
    return true;
  }
  shown.SetSize(n / k, TRUE);  // every element is written below
  if (checkFinite) {
    if (!GatherEveryIfFinite(samples.GetData(), n, k, shown.GetData())) return false;
  } else {
    GatherEvery(samples.GetData(), k, shown.GetData(), shown.GetSize());
  }
  plot.PlotSamples(shown, 0.0, static_cast<double>(k));
  return true;
}

}  // namespace

void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<float>& samples) {
  SG::CSgScalarVector<float> shown;
  Plot(graph, samples, shown, false);
}
void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples) {
  SG::CSgScalarVector<double> shown;
  Plot(graph, samples, shown, false);
}
void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples,
                 SG::CSgScalarVector<double>& shown) {
  Plot(graph, samples, shown, false);
}
bool PlotFinitePreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples,
                       SG::CSgScalarVector<double>& shown) {
  return Plot(graph, samples, shown, true);
}

bool AllFinite(const SG::CSgVectorT<float>& samples) {
  return AllFiniteSamples(samples.GetData(), samples.GetSize());
}
bool AllFinite(const SG::CSgVectorT<double>& samples) {
  return AllFiniteSamples(samples.GetData(), samples.GetSize());
}

bool RefuseNonFinite(const SG::CSgVectorT<float>& samples) {
  if (AllFinite(samples)) return false;
  ShowText(kMsgNotFinite);
  return true;
}
bool RefuseNonFinite(const SG::CSgVectorT<double>& samples) {
  if (AllFinite(samples)) return false;
  ShowText(kMsgNotFinite);
  return true;
}

template <class T>
bool CommitSamples(WaveEntry& entry, const SG::CSgVectorT<T>& result) {
  waveform::RecordedEdit edit(entry);
  edit.Result().Assign(result.GetData(), result.GetSize());
  if (RefuseNonFinite(edit.Result())) return false;
  edit.ApplyIfChanged();
  return true;
}
template bool CommitSamples(WaveEntry&, const SG::CSgVectorT<float>&);
template bool CommitSamples(WaveEntry&, const SG::CSgVectorT<double>&);

}  // namespace tools
