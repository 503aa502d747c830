// The program opening a BIN file of 20,971,520 samples to the first paint
// of its window: File > Open (the file dialog answered with the path), the
// reader, the record, the waveform window and its graph, and the main
// window painted once. The anchor reads the same file with numpy.fromfile,
// scales it and takes its minimum and maximum. Ours and the anchor
// alternate, the best of several runs counts, the file stays in the page
// cache. Prints one line: path ratio goal.
#include "app/WaveWindows.h"
#include "bench/BenchCommon.h"
#include "platform/window/WindowApi.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/app/PelmoranApp.h"
#include "shell/frame/MainFrame.h"
#include "shell/tests/ShellTestKit.h"
#include "waveform/WaveCollections.h"

#include <QApplication>
#include <QWidget>

#include <cmath>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t kSamples = 20971520;
constexpr int kRounds = 5;

void WriteBin(const std::string& path) {
  std::string bytes(2 * kSamples, '\0');
  for (std::size_t i = 0; i < kSamples; ++i) {
    const auto code = static_cast<std::uint16_t>(std::lround(12000 * std::sin(i * 0.001)) +
                                                 static_cast<long>(i * 2654435761u >> 28));
    bytes[2 * i] = static_cast<char>(code & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(code >> 8);
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

// File > Open to the first paint of the main window; the window is closed
// again afterwards (outside the time).
double OpenToFirstPaint(CMainFrame& frame, const std::string& path) {
  ScriptedCommonDialogs dialogs;
  dialogs.ExpectPath(CommonDialogRequest::Kind::OpenFile, path);
  const double seconds = bench::Seconds([&] {
    frame.SendMessage(WM_COMMAND, 32899, 0);
    QApplication::processEvents();
    WidgetOf(frame.m_hWnd)->grab();
  });
  for (int i = 0; i < g_WaveArray.GetSize(); ++i) g_WaveArray[i].saved = true;
  if (CMDIChildWnd* child = frame.MDIGetActive()) child->SendMessage(WM_CLOSE);
  QApplication::processEvents();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  services::FakeServices fake;
  shell_test::LoadShippedResources();
  shell_test::ShippedProgramFolder folder("English");
  const std::string path = (folder.Path() / "long.bin").string();
  WriteBin(path);

  CPelmoranApp app{WaveDocumentClass(), WaveViewClass()};
  if (!app.InitInstance()) return 1;
  CMainFrame& frame = *app.MainFrame();
  frame.MoveWindow(0, 0, 1920, 1080);

  bench::PythonAnchor numpy(PELMORAN_BENCH_DIR "/app_anchor.py");
  double ours = 1e300, anchor = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    ours = std::min(ours, OpenToFirstPaint(frame, path));
    anchor = std::min(anchor, numpy.Run(path));
  }
  bench::Detail("open-to-first-paint ours %.3f s, anchor %.3f s", ours, anchor);
  bench::Report("open-to-first-paint", ours / anchor, 2);
  app.m_pMainWnd->SendMessage(WM_CLOSE);
  QApplication::processEvents();
  return 0;
}
