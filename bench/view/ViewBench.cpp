// The editor view on 20,971,520 samples, in a real window offscreen. One
// free-hand mouse move (the graph's plot-area event as the graph delivers
// it: the stroke drawn and the waveform's display handed to the graph)
// against the anchor, one replot of the waveform as the view makes it (its
// display handed to plot 1). Moves and replots alternate in one process;
// the minimum of the runs counts. Then the bytes per sample a waveform of
// that length and its window hold once open, and at the peak of opening
// (the record, its display and the graph's copy of the display), from the
// process's resident size.
#include "waveform/view/tests/ViewFrames.h"

#include "containers/CSgVariant.h"
#include "controls/HostedControl.h"
#include "platform/window/Resources.h"
#include "platform/window/WinApp.h"
#include "waveform/WaveCollections.h"
#include "waveform/view/PelmoranView.h"
#include "bench/BenchCommon.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned int kSamples = 20971520;
constexpr int kRuns = 15;

double Ms(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

CWaveData LongWave() {
  CWaveData wave;
  wave.wavename = "long";
  wave.thedata.SetSize(kSamples, TRUE);
  float* data = wave.thedata.GetData();
  for (unsigned int i = 0; i < kSamples; ++i)
    data[i] = static_cast<float>(std::sin(i * 0.001) + ((i * 2654435761u) >> 28) * 0.01);
  wave.samplecount = wave.pointcount = static_cast<int>(kSamples);
  wave.span = 4.0;
  wave.period = 1.0;
  wave.periodunit = 2;
  DisplayDecimation(wave);
  return wave;
}

// The graph's plot-area event with its by-reference arguments.
void MouseEvent(CPelmoranView* view, int which, double x, double y) {
  short button = 1, shift = 0;
  SG::CSgVariant vx(x), vy(y);
  if (which == 0) view->OnPlotAreaMouseDown(&button, &shift, &vx, &vy);
  if (which == 1) view->OnPlotAreaMouseMove(&button, &shift, &vx, &vy);
  if (which == 2) view->OnPlotAreaMouseUp(&button, &shift, &vx, &vy);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  std::string error;
  if (!resources::Load(PELMORAN_RESOURCES, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  hosted::RegisterHostedControls();
  CWinApp app("Pelmoran");
  app.AddDocTemplate(NewWaveTemplate());
  auto* main = new CTestMainFrame;
  if (!main->LoadFrame(129)) return 1;
  app.m_pMainWnd = main;
  main->MoveWindow(0, 0, 1920, 1080);
  main->ShowWindow(SW_SHOW);

  // Opening: what a just-read waveform and its window hold per sample, and
  // the window's own share (the graph's copy of the display).
  bench::ResetResidentPeak();
  const bench::Resident before = bench::ResidentBytes();
  g_WaveArray.Add(LongWave());
  const bench::Resident recorded = bench::ResidentBytes();
  main->SendMessage(WM_WAVE_UPDATE, kWaveUpdateOpenWindow);
  CPelmoranView* view = main->ActiveView();
  if (!view) return 1;
  const bench::Resident after = bench::ResidentBytes();
  const double held = (after.now - before.now) / kSamples;
  const double peak = (after.peak - before.now) / kSamples;
  const double share = (after.now - recorded.now) / kSamples;

  main->SendMessage(WM_DRAW_FREEHAND);
  const CWaveData& wave = g_WaveArray[0];
  MouseEvent(view, 0, 1000.0, 0.5);  // the press copies the waveform once
  double move = 1e300, replot = 1e300;
  for (int run = 0; run < kRuns; ++run) {
    auto start = Clock::now();
    MouseEvent(view, 1, 1001.0 + (run % 2), 0.25 * (run % 3));
    move = std::min(move, Ms(start));
    start = Clock::now();
    view->Graph().GetPlots().Item(1).PlotSamples(wave.showdata, 0.0, 1.0);
    replot = std::min(replot, Ms(start));
  }
  MouseEvent(view, 2, 1002.0, 0.0);

  std::printf("%u samples: one free-hand move %.2f ms, one replot %.2f ms\n", kSamples, move,
              replot);
  std::printf(
      "open window: %.2f bytes per sample held (%.2f of them the window's), %.2f at the peak\n",
      held, share, peak);
  std::printf("freehand-move/replot %.2f 1.5\n", move / replot);
  std::printf("window-held-bytes-per-sample %.2f report\n", held);
  std::printf("window-peak-bytes-per-sample %.2f report\n", peak);
  std::printf("window-own-bytes-per-sample %.2f report\n", share);
  app.m_pMainWnd = nullptr;
  main->DestroyWindow();
  return 0;
}
