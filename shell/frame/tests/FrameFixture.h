#pragma once
// The main frame as start-up builds it (the document template of the
// waveform windows with a stand-in view, the frame loaded from resource 129,
// the shipped language files), and the steps the frame tests share: opening
// a waveform window, sending a command, asking a command's state.

#include "platform/window/WinApp.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/frame/ChildFrame.h"
#include "shell/frame/MainFrame.h"
#include "shell/tests/ShellTestKit.h"
#include "shell/tests/StandInView.h"
#include "waveform/WaveCollections.h"

#include <gtest/gtest.h>

namespace shell_test {

class FrameTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { LoadShippedResources(); }
  void SetUp() override;
  void TearDown() override;

  // A waveform of n samples in a window of its own, which becomes the
  // active one; its cursors shown or not, saved or not.
  int OpenWave(const char* name, int n = 100, bool cursorsOn = false, bool saved = true);
  // The waveform window of a name.
  CChildFrame* WindowOf(const char* name);
  void Command(UINT id);
  // Whether the command is enabled, and checked, as a menu item asks.
  bool Enabled(UINT id);
  bool Checked(UINT id);
  // The private messages the views heard, of one kind.
  std::vector<ViewHeard> Heard(UINT message) const;

  CWinApp app{"Pelmoran"};
  ShippedProgramFolder folder{"English"};
  CMainFrame* frame = nullptr;
  ScriptedBoxes boxes;
  ScriptedDialogs dialogs;
  ScriptedCommonDialogs commonDialogs;
};

}  // namespace shell_test
