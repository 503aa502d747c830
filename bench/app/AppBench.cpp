// The program opening a BIN file to the first paint of its waveform: File >
// Open (the file dialog answered with the path), the reader, the record, the
// waveform window and its graph, until the window's graph has painted (the
// events run as the program's loop runs them; on a real X display the paint
// reaches the server). Files of 1,048,576, 5,242,880 and 20,971,520 samples,
// offscreen and on an X display (Xvfb), each in a process of its own. The
// anchor reads the same file with numpy.fromfile, scales it and takes its
// minimum and maximum. Ours and the anchor alternate, the best of several
// runs counts, the files stay in the page cache. Prints per size and
// platform "path ratio goal", and how the cost per sample of the longest
// file compares with that of the 5,242,880-sample one (1 when linear).
#include "app/WaveWindows.h"
#include "bench/BenchCommon.h"
#include "platform/window/WindowApi.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/app/PelmoranApp.h"
#include "shell/frame/MainFrame.h"
#include "shell/tests/ShellTestKit.h"
#include "waveform/WaveCollections.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSizes[] = {1048576, 5242880, 20971520};
constexpr int kRounds = 9;
constexpr double kGoal = 1.5;

void WriteBin(const std::string& path, std::size_t samples) {
  std::string bytes(2 * samples, '\0');
  for (std::size_t i = 0; i < samples; ++i) {
    const auto code = static_cast<std::uint16_t>(std::lround(12000 * std::sin(i * 0.001)) +
                                                 static_cast<long>(i * 2654435761u >> 28));
    bytes[2 * i] = static_cast<char>(code & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(code >> 8);
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

// Notes the widgets painted since it was made.
class PaintWatch : public QObject {
 public:
  PaintWatch() { qApp->installEventFilter(this); }
  ~PaintWatch() override { qApp->removeEventFilter(this); }
  // Whether a widget inside `window` has painted.
  bool PaintedInside(QWidget* window) const {
    for (const QPointer<QWidget>& w : painted_)
      if (w && w != window && window->isAncestorOf(w)) return true;
    return false;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      if (auto* widget = qobject_cast<QWidget*>(watched)) painted_.emplace_back(widget);
    return false;
  }

 private:
  std::vector<QPointer<QWidget>> painted_;
};

// File > Open to the first paint inside the new waveform window, the events
// run as the program's loop runs them; the window is closed again afterwards
// (outside the time). NaN when nothing was painted.
double OpenToFirstPaint(CMainFrame& frame, const std::string& path) {
  ScriptedCommonDialogs dialogs;
  dialogs.ExpectPath(CommonDialogRequest::Kind::OpenFile, path);
  bool painted = false;
  const double seconds = bench::Seconds([&] {
    PaintWatch watch;
    frame.SendMessage(WM_COMMAND, 32899, 0);
    CMDIChildWnd* child = frame.MDIGetActive();
    if (!child) return;
    QWidget* window = WidgetOf(child->m_hWnd);
    QElapsedTimer limit;
    limit.start();
    while (!(painted = watch.PaintedInside(window)) && limit.elapsed() < 60000)
      QApplication::processEvents(QEventLoop::AllEvents, 50);
  });
  for (int i = 0; i < g_WaveArray.GetSize(); ++i) g_WaveArray[i].saved = true;
  if (CMDIChildWnd* child = frame.MDIGetActive()) child->SendMessage(WM_CLOSE);
  QApplication::processEvents();
  // The closed window's widgets go when the program's loop next runs; without
  // it every round would leave a hidden window and its samples behind.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return painted ? seconds : std::nan("");
}

// One platform, in this process: prints "samples ours anchor" per size.
int Measure(int argc, char** argv) {
  QApplication qt(argc, argv);
  services::FakeServices fake;
  shell_test::LoadShippedResources();
  shell_test::ShippedProgramFolder folder("English");

  CPelmoranApp app{WaveDocumentClass(), WaveViewClass()};
  if (!app.InitInstance()) return 1;
  CMainFrame& frame = *app.MainFrame();
  frame.MoveWindow(0, 0, 1920, 1080);
  QApplication::processEvents();

  bench::PythonAnchor numpy(PELMORAN_BENCH_DIR "/app_anchor.py");
  for (const std::size_t samples : kSizes) {
    const std::string path = (folder.Path() / ("long" + std::to_string(samples) + ".bin")).string();
    WriteBin(path, samples);
    double ours = 1e300, anchor = 1e300;
    for (int round = 0; round < kRounds; ++round) {
      ours = std::min(ours, OpenToFirstPaint(frame, path));
      anchor = std::min(anchor, numpy.Run(path));
    }
    std::printf("%zu %.6f %.6f\n", samples, ours, anchor);
    std::fflush(stdout);
  }
  app.m_pMainWnd->SendMessage(WM_CLOSE);
  QApplication::processEvents();
  return 0;
}

// Runs this program with `--measure` on a platform; false when it failed.
bool MeasureOn(const std::string& platform, const std::string& command) {
  std::fflush(nullptr);
  FILE* child = popen(command.c_str(), "r");
  if (!child) return false;
  std::map<std::size_t, std::pair<double, double>> times;
  std::size_t samples = 0;
  double ours = 0, anchor = 0;
  while (std::fscanf(child, "%zu %lf %lf", &samples, &ours, &anchor) == 3)
    times[samples] = {ours, anchor};
  if (pclose(child) != 0 || times.size() != std::size(kSizes)) return false;
  for (const auto& [n, t] : times) {
    bench::Detail("open-to-first-paint %s %zu samples: ours %.1f ms, anchor %.1f ms",
                  platform.c_str(), n, t.first * 1e3, t.second * 1e3);
    bench::Report("open-to-first-paint/" + platform + "/" + std::to_string(n), t.first / t.second,
                  kGoal);
  }
  const auto& mid = times[kSizes[1]];
  const auto& longest = times[kSizes[2]];
  const double growth = (longest.first / mid.first) / (double(kSizes[2]) / double(kSizes[1]));
  bench::ReportInformation("open-to-first-paint/" + platform + "/cost-per-sample-20M-over-5M",
                           growth);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--measure") == 0) return Measure(argc, argv);
  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  const std::string me = std::string("'") + self + "' --measure";
  if (!MeasureOn("offscreen", "QT_QPA_PLATFORM=offscreen " + me)) return 1;
  if (std::system("command -v xvfb-run > /dev/null") != 0) {
    bench::Detail("open-to-first-paint: xvfb-run not found, the X display is skipped");
    return 0;
  }
  if (!MeasureOn("xvfb", "QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1920x1080x24' " + me))
    return 1;
  return 0;
}
