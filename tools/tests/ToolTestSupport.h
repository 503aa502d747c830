#pragma once
// The tools' test bench: the program's resources, a main frame that records
// the private messages it is sent and answers them as the frame and the view
// would, one waveform window per record (titled with its name), records made
// from settings, and texts that name their id ("T316").

#include "platform/window/tests/UiTestKit.h"

#include "platform/window/Frame.h"
#include "platform/window/WinApp.h"
#include "waveform/WaveCollections.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

struct FrameMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const FrameMessage&) const = default;
};

// The main frame the tools talk to.
class TestMainFrame : public CMDIFrameWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The private messages received, in order.
  std::vector<FrameMessage> received;
  // Opens a waveform window titled name and makes it the active one.
  void OpenWindow(const CString& name);
  // Count of received messages of one kind.
  int Count(UINT message) const;
};

// A record as the new-waveform dialog makes it, n samples of value v.
CWaveData MakeRecord(const char* name, unsigned int n, float value = 0.0f, double span = 20.0);
// n samples of a slow sine of peak 1.5 about 0.
CWaveData SineRecord(const char* name, unsigned n, double span = 4.0);
// Adds a record to the store and opens its window (which becomes active).
int AddWave(TestMainFrame& frame, CWaveData record);

std::vector<float> Samples(const SG::CSgVectorT<float>& v);

class ToolTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  HWND Item(HWND dialog, int id) const { return GetDlgItem(dialog, id); }
  std::string TextOf(HWND dialog, int id) const;
  void SetText(HWND dialog, int id, const char* text) { SetWindowText(Item(dialog, id), text); }
  // Selects entry index of a combo box as the user does (CBN_SELCHANGE).
  void Choose(HWND dialog, int id, int index);
  int Selection(HWND dialog, int id) const;
  // Clicks a button near its left end, where a radio button's mark is.
  void Click(HWND dialog, int id);
  // The texts of the boxes shown since SetUp ("T<id>" for texts by id).
  std::vector<std::string> Boxes() const;
  // The title of the frame's active waveform window.
  std::string ActiveTitle() const;
  // Writes the window's picture into build/review/tools/<name>.png.
  static void Review(HWND window, const std::string& name);

  CWinApp app{"Pelmoran"};
  TestMainFrame* frame = nullptr;
  ScriptedDialogs dialogs;
  ScriptedBoxes boxes;
};
