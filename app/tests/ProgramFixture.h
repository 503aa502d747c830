#pragma once
// The program started in this process offscreen through the application
// object and window classes main() uses, and the steps a user takes with
// it: commands by id, files through the scripted file dialogs, pictures of
// the main window.
#include "app/WaveWindows.h"
#include "platform/afx/tests/TempFolder.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/app/PelmoranApp.h"
#include "shell/frame/MainFrame.h"
#include "shell/tests/ShellTestKit.h"

#include <QPoint>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class CPelmoranView;
namespace hosted {
struct Graph;
}

namespace program_test {

// Where the pictures go: the folder the Xvfb step names, else build/review.
std::string ReviewFile(const std::string& name);

std::vector<float> Samples(const CWaveData& wave);
// A sample as a saved CSV keeps it: five decimals, read back.
float AsWritten(float sample);
// The samples of a CSV the editor wrote, as its text gives them: the last
// field of each line after the header ("xpos,value" or "Amplitude").
std::vector<float> FileSamples(const std::string& path);

class Journey : public testing::Test {
 protected:
  static void SetUpTestSuite() { shell_test::LoadShippedResources(); }
  void SetUp() override;
  void TearDown() override;

  // Writes a file of the given bytes into the test's folder; its path.
  std::string Write(const std::string& name, const std::string& text);
  CMainFrame& Frame() { return *app.MainFrame(); }
  // A menu or toolbar command, as the user picks it; the queue is pumped.
  void Command(UINT id);
  // File > Open with the scripted file dialog answering the path.
  void OpenFromMenu(const std::string& path);
  int WaveWindows();
  CString ActiveCaption();
  // The record of the active waveform window.
  CWaveData& ActiveWave();
  // The close box of the active waveform window.
  void CloseActiveWindow();
  CString MenuCaption(int position);
  // The main window at a desktop's size, pictured into the review folder.
  void Picture(const std::string& name);

  // The active waveform window's view, and its graph under the mouse: the
  // pixel of a point in the graph's own units, a click, and a drag from the
  // first point through the others to the last.
  CPelmoranView* ActiveView();
  hosted::Graph& GraphModel();
  QPoint GraphPoint(double x, double y);
  void GraphClick(QPoint at);
  void GraphStroke(const std::vector<QPoint>& points);

  shell_test::ShippedProgramFolder folder{"English"};
  TempFolder files;
  CPelmoranApp app{WaveDocumentClass(), WaveViewClass()};
  ScriptedBoxes boxes;
  ScriptedDialogs dialogs;
  ScriptedCommonDialogs commonDialogs;
};

}  // namespace program_test
