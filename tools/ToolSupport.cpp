#include "tools/ToolSupport.h"

#include "platform/services/Services.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Frame.h"
#include "platform/window/WinApp.h"
#include "tools/ToolMessages.h"
#include "waveform/PrivateMessages.h"
#include "waveform/RecordedEdit.h"
#include "waveform/WaveCollections.h"

#include <cmath>

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

template <class T>
void Plot(const SG::CSgGraph& graph, const SG::CSgVectorT<T>& samples) {
  const unsigned int n = samples.GetSize();
  const unsigned int k = DisplayStepFor(n);
  SG::CSgPlot plot = graph.GetPlots().Item(1);
  if (k == 1) {
    plot.PlotSamples(samples, 0.0, 1.0);
    return;
  }
  SG::CSgScalarVector<T> shown(n / k);
  const T* s = samples.GetData();
  T* d = shown.GetData();
  for (unsigned int j = 0; j < shown.GetSize(); ++j) d[j] = s[static_cast<size_t>(j) * k];
  plot.PlotSamples(shown, 0.0, static_cast<double>(k));
}

template <class T>
bool Finite(const SG::CSgVectorT<T>& samples) {
  const T* d = samples.GetData();
  for (unsigned int i = 0; i < samples.GetSize(); ++i)
    if (!std::isfinite(d[i])) return false;
  return true;
}

}  // namespace

void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<float>& samples) {
  Plot(graph, samples);
}
void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples) {
  Plot(graph, samples);
}

bool AllFinite(const SG::CSgVectorT<float>& samples) { return Finite(samples); }
bool AllFinite(const SG::CSgVectorT<double>& samples) { return Finite(samples); }

bool RefuseNonFinite(const SG::CSgVectorT<float>& samples) {
  if (Finite(samples)) return false;
  ShowText(kMsgNotFinite);
  return true;
}
bool RefuseNonFinite(const SG::CSgVectorT<double>& samples) {
  if (Finite(samples)) return false;
  ShowText(kMsgNotFinite);
  return true;
}

template <class T>
bool CommitSamples(WaveEntry& entry, const SG::CSgVectorT<T>& result) {
  waveform::RecordedEdit edit(entry);
  edit.Result().Assign(result.GetData(), result.GetSize());
  if (RefuseNonFinite(edit.Result())) return false;
  if (edit.Changes()) edit.Apply();  // a result equal to the samples is no step
  return true;
}
template bool CommitSamples(WaveEntry&, const SG::CSgVectorT<float>&);
template bool CommitSamples(WaveEntry&, const SG::CSgVectorT<double>&);

}  // namespace tools
