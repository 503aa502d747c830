// Replot cost of the hosted graph against the cheapest thing that could
// show a long record: one vectorised pass finding its minimum and maximum,
// the two run in turn.
#include "bench/BenchCommon.h"
#include "containers/CSgScalarVector.h"
#include "controls/CSgGraph.h"
#include "controls/GraphControl.h"
#include "controls/GraphRenderer.h"
#include "controls/HostedControl.h"
#include "platform/window/StandardControls.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr unsigned kSamples = 5'000'000;
constexpr int kWidth = 1800, kHeight = 600, kRuns = 100;
constexpr double kGoal = 3.0;

// The anchor: one vectorised pass finding the minimum and maximum, as a
// plotting library would write it: four lanes of two vectors each, built
// for AVX2 (VEX code, so no penalty from upper vector state that earlier
// library calls left) where the processor has it, for SSE2 otherwise.
template <int kLanes>
struct Lanes;
template <>
struct Lanes<4> {
  typedef float V __attribute__((vector_size(16)));
};
template <>
struct Lanes<8> {
  typedef float V __attribute__((vector_size(32)));
};

template <int kLanes>
__attribute__((always_inline)) inline void MinMaxPass(const float* p, size_t n, float& lo,
                                                      float& hi) {
  using V = typename Lanes<kLanes>::V;
  V mn[2], mx[2];
  for (V* v : {mn, mx}) v[0] = v[1] = V{} + p[0];
  size_t i = 0;
  for (; i + 2 * kLanes <= n; i += 2 * kLanes)
    for (int k = 0; k < 2; ++k) {
      V a;
      std::memcpy(&a, p + i + k * kLanes, sizeof a);
      mn[k] = a < mn[k] ? a : mn[k];
      mx[k] = a > mx[k] ? a : mx[k];
    }
  lo = hi = p[0];
  for (int k = 0; k < 2; ++k)
    for (int l = 0; l < kLanes; ++l) lo = std::min(lo, mn[k][l]), hi = std::max(hi, mx[k][l]);
  for (; i < n; ++i) lo = std::min(lo, p[i]), hi = std::max(hi, p[i]);
}

__attribute__((target("avx2"))) void MinMaxAvx2(const float* p, size_t n, float& lo, float& hi) {
  MinMaxPass<8>(p, n, lo, hi);
}
void MinMaxSse2(const float* p, size_t n, float& lo, float& hi) { MinMaxPass<4>(p, n, lo, hi); }

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  RegisterStandardControls();
  hosted::RegisterHostedControls();
  HWND host = CreateWindowEx(0, "#32770", "bench", WS_POPUP, 0, 0, kWidth + 20, kHeight + 20,
                             nullptr, nullptr, nullptr, nullptr);
  HWND control =
      CreateWindowEx(0, "{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7}",
                     "plots=3;cursors=Cursor1,CursorXY,Cursor2;xpairs=11", WS_CHILD | WS_VISIBLE, 0,
                     0, kWidth, kHeight, host, reinterpret_cast<HMENU>(1023), nullptr, nullptr);
  SG::CSgGraph graph(2);
  graph.SubclassWindow(control);

  SG::CSgScalarVector<float> samples(kSamples);
  for (unsigned i = 0; i < kSamples; ++i)
    samples[i] = static_cast<float>(std::sin(i * 0.001) + ((i * 2654435761u) >> 28) * 0.01);
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, kSamples - 1.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-1.5, 1.5);

  auto* widget = static_cast<hosted::GraphWidget*>(WidgetOf(control));
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  // What a mouse move while drawing costs: hand the samples to plot 1, then
  // draw the graph as the repaint does.
  auto replotOnce = [&] {
    graph.GetPlots().Item(1).PlotSamples(samples, 0.0, 1.0);
    QPainter painter(&image);
    hosted::RenderGraph(widget->Model(), painter, QRectF(image.rect()), 1.0);
  };
  volatile float sink = 0;
  const bool avx2 = __builtin_cpu_supports("avx2");
  auto passOnce = [&] {
    float lo, hi;
    (avx2 ? MinMaxAvx2 : MinMaxSse2)(samples.GetData(), kSamples, lo, hi);
    sink = lo + hi;
  };
  const auto t = bench::BestInTurn(
      kRuns, bench::NoSetup, replotOnce, passOnce,
      [&] { graph.GetPlots().Item(1).PlotSamples(samples, 0.0, 1.0); },
      [&] {
        QPainter painter(&image);
        hosted::RenderGraph(widget->Model(), painter, QRectF(image.rect()), 1.0);
      });
  bench::Detail(
      "replot of %u float samples into a %d-pixel-wide graph: %.3f ms; one min/max pass "
      "%.3f ms; of the replot: hand-over to the plot %.3f ms, draw alone %.3f ms",
      kSamples, kWidth, t[0] * 1e3, t[1] * 1e3, t[2] * 1e3, t[3] * 1e3);
  bench::Report("replot/" + std::to_string(kSamples), t[0] / t[1], kGoal);
  DestroyWindow(host);
  return 0;
}
