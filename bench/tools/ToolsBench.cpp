// The tools at the largest waveform (20,971,520 samples), each path beside
// its anchor in the same run, alternating, the best of several runs:
// - the equation dialog's Draw (compile once, a program run per point, into
//   the equation result) against muparser evaluating the same text per
//   point into float samples, both into a fresh array (a first Draw) and
//   into one kept from the last run (a Draw again of the same length), the
//   arrays made alike;
// - one live preview step of the standard dialog (sine), the window dialog
//   (Hann) and the filter dialog (Butterworth low-pass, order 5) against the
//   analysis call each makes, alone, as a caller holding the waveform's
//   float samples makes it: the sine into a vector, the window and the
//   filter on a double copy of the samples (the library's routines work in
//   place on doubles, and the waveform must stay as it is), each into an
//   array kept from the step before, as the dialogs keep theirs.
// Each path prints "path ratio goal" (ratio: ours / anchor).
#include <muParser.h>

#include "analysis/facade/SgAnalysis.h"
#include "controls/HostedControl.h"
#include "platform/window/Resources.h"
#include "platform/window/StandardControls.h"
#include "tools/EquationSampler.h"
#include "tools/Math_lvbo.h"
#include "tools/Math_windowdlg.h"
#include "tools/STD_WAVE_DLG.h"
#include "tools/ToolSupport.h"
#include "tools/VectorState.h"
#include "waveform/WaveCollections.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr unsigned kSamples = 20971520;
constexpr int kRuns = 5;
const char kExpression[] = "sin(2*pi*x/1000)*exp(-x/5000000)+0.1*x^2";
// The same expression in the equation dialog's language, which has no exp:
// e to the power stands for it.
const char16_t kOurExpression[] = u"sin(2*pi*x/1000)*e^(-x/5000000)+0.1*x^2";

// Both sides start from clean vector registers (see tools/VectorState.h):
// the application object leaves them dirty, which would slow the anchor.
double Seconds(const std::function<void()>& body) {
  ClearUpperVectorState();
  const auto start = std::chrono::steady_clock::now();
  body();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* path, const std::function<void()>& ours,
            const std::function<void()>& anchor, double goal) {
  double best = 1e30, bestAnchor = 1e30;
  for (int r = 0; r < kRuns; ++r) {
    best = std::min(best, Seconds(ours));
    bestAnchor = std::min(bestAnchor, Seconds(anchor));
  }
  std::printf("%s %.3f %.1f\n", path, best / bestAnchor, goal);
  std::fprintf(stderr, "  %s: ours %.1f ms, anchor %.1f ms\n", path, best * 1e3, bestAnchor * 1e3);
}

void EquationDraw() {
  ExprParser parser;
  double x = 0;
  parser.bindVariable(u"x", &x);
  parser.addConstant(u"pi", 3.14159265359);
  parser.addConstant(u"e", 2.718281828459045);
  const std::u16string text = kOurExpression;
  mu::Parser muParser;
  double muX = 0;
  muParser.DefineVar("x", &muX);
  muParser.DefineConst("pi", 3.14159265359);
  muParser.SetExpr(kExpression);
  // muparser per point into float samples: `out` is the array ours writes
  // into, made as ours makes it.
  auto reference = [&](SG::CSgScalarVector<float>& out) {
    out.SetSize(kSamples, TRUE);
    float* d = out.GetData();
    for (unsigned i = 0; i < kSamples; ++i) {
      muX = EquationX(i, kSamples);
      d[i] = static_cast<float>(muParser.Eval());
    }
  };
  auto draw = [&] {
    if (!SampleEquation(parser, x, text, kSamples, g_EquationWave))
      std::puts("equation-draw: not finite");
  };
  // The first Draw of a length makes its result array; a Draw again of the
  // same length writes into the one it has. Each side does the same.
  SG::CSgScalarVector<float> kept;
  Report(
      "equation-draw/fresh",
      [&] {
        g_EquationWave = SG::CSgScalarVector<float>();
        draw();
      },
      [&] {
        SG::CSgScalarVector<float> fresh;
        reference(fresh);
      },
      1.0);
  Report(
      "equation-draw/kept", draw, [&] { reference(kept); }, 1.0);
  // Both compute the same values.
  for (unsigned i = 0; i < kSamples; i += 65536)
    if (std::fabs(kept[i] - g_EquationWave[i]) > 1e-5f * std::max(1.0f, std::fabs(kept[i])))
      std::printf("equation-draw: values differ at %u\n", i);
}

// The double copy of the samples, into an array kept from the last run as
// the dialogs keep theirs.
SG::CSgScalarVector<double>& Copy(const SG::CSgScalarVector<float>& samples,
                                  SG::CSgScalarVector<double>& work) {
  work.Assign(samples.GetData(), samples.GetSize());
  return work;
}

void PreviewSteps() {
  CWaveData wave;
  wave.wavename = "bench";
  wave.pointcount = wave.samplecount = kSamples;
  wave.span = 20.0;
  wave.thedata.SetSize(kSamples, TRUE);
  for (unsigned i = 0; i < kSamples; ++i)
    wave.thedata[i] = static_cast<float>(3 * std::sin(i * 0.001) + 0.5 * std::sin(i * 0.37));
  DisplayDecimation(wave);
  g_WaveArray.Add(std::move(wave));
  g_nPointCount = kSamples;
  g_bWaveOpen = true;

  // The dialogs keep their arrays from one preview step to the next; the
  // anchors keep theirs too.
  SG::CSgScalarVector<double> kept;
  CSTD_WAVE_DLG standard;
  standard.Create(CSTD_WAVE_DLG::IDD);
  Report(
      "standard-preview-sine", [&] { standard.GenerateWave(kShapeSine); },
      [&] {
        double phase = 0.0;
        SG::SineWave(kept, static_cast<int>(kSamples), &phase, 3.0, 1.0 / kSamples);
      },
      1.3);
  standard.DestroyWindow();

  CMath_windowdlg window;
  window.Create(CMath_windowdlg::IDD);
  Report(
      "window-preview-hann", [&] { window.ApplyWindow(0, 2); },
      [&] { SG::HanningWindow(Copy(g_WaveArray[0].thedata, kept)); }, 1.3);
  window.DestroyWindow();

  CMath_lvbo filter;
  filter.Create(CMath_lvbo::IDD);
  Report(
      "filter-preview-butterworth5", [&] { filter.ApplyFilter(0, 0, 2, 2, 2); },
      [&] { SG::ButterworthLowPass(Copy(g_WaveArray[0].thedata, kept), 10.0, 0.1, 5); }, 1.3);
  filter.DestroyWindow();
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::string error;
  if (!resources::Load(PELMORAN_RESOURCES, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  RegisterStandardControls();
  hosted::RegisterHostedControls();
  std::puts("path ratio goal");
  EquationDraw();
  PreviewSteps();
  return 0;
}
