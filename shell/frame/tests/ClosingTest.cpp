// Closing: a waveform window's prompt decided by its own waveform, the main
// frame's close walking the windows until one is cancelled, and the raw-USB
// device released only when the program really ends, by Exit or the close
// box alike.
#include "shell/frame/tests/FrameFixture.h"

#include "instrument/LinkState.h"
#include "platform/usb/RawUsbDriver.h"
#include "waveform/PrivateMessages.h"

#include <memory>

namespace shell_test {
namespace {

// A raw-USB driver that counts the releases of the loaded device.
class CountingUsbDriver : public rawusb::IRawUsbDriver {
 public:
  int unloads = 0;
  int Search() override { return 0; }
  int Select(int) override { return 0; }
  int Load(int) override { return 1; }
  int Unload() override { return ++unloads; }
  int UnloadIndex(int) override { return ++unloads; }
  int Write(int, const BYTE*, DWORD) override { return 0; }
  int Read(int, BYTE*, DWORD) override { return 0; }
};

struct CloseRow {
  const char* name;
  bool saved;
  int answer;      // the box's answer; 0: no box
  int saveAnswer;  // how the save after Yes ends
  bool closes;
  int saveAnswerAfter;
};

void PrintTo(const CloseRow& row, std::ostream* os) { *os << row.name; }

class ClosePrompt : public FrameTest, public testing::WithParamInterface<CloseRow> {
 protected:
  int Open(const char* name, float mark, bool saved) {
    const int index = OpenWave(name, 8, false, saved);
    g_WaveArray[index].thedata[0] = mark;
    return index;
  }
};

// The window closed is not the active one: its own waveform decides, and
// the other keeps its record, samples and history.
TEST_P(ClosePrompt, TheWindowsOwnWaveformDecides) {
  const CloseRow& row = GetParam();
  Open("First", 1.0f, row.saved);
  Open("Second", 2.0f, !row.saved);
  ASSERT_EQ(frame->MDIGetActive(), WindowOf("Second"));
  if (row.answer) boxes.Expect(row.answer, "Save the changes to First ?");
  SaveAnswers().push_back(row.saveAnswer);
  ViewLog().clear();
  WindowOf("First")->SendMessage(WM_CLOSE);
  ui_test::Pump();
  EXPECT_EQ(WindowOf("First") == nullptr, row.closes);
  EXPECT_EQ(g_WaveNameList.Find("First") < 0, row.closes);
  EXPECT_EQ(g_nSaveAnswer, row.saveAnswerAfter);
  if (row.answer == IDYES) {
    ASSERT_EQ(Heard(WM_FILE_SAVE).size(), 1u);
    EXPECT_EQ(Heard(WM_FILE_SAVE)[0].view, CString("First"));  // its own view saves
  }
  const int second = g_WaveNameList.Find("Second");
  ASSERT_GE(second, 0);
  EXPECT_EQ(g_WaveArray[second].thedata[0], 2.0f);
  EXPECT_EQ(g_WaveArray.GetSize(), row.closes ? 1 : 2);
  EXPECT_TRUE(g_bWaveOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClosePrompt,
    testing::Values(CloseRow{"Saved", true, 0, 1, true, -1},
                    CloseRow{"AnsweredNo", false, IDNO, 1, true, 7},
                    CloseRow{"AnsweredYesAndSaved", false, IDYES, 1, true, 1},
                    CloseRow{"AnsweredYesAndTheSaveCancelled", false, IDYES, 2, false, 2},
                    CloseRow{"AnsweredCancel", false, IDCANCEL, 1, false, 2}),
    [](const testing::TestParamInfo<CloseRow>& info) { return std::string(info.param.name); });

TEST_F(FrameTest, ClosingTheLastWindowDisablesTheWaveformCommands) {
  OpenWave("Only");
  EXPECT_TRUE(Enabled(32875));
  WindowOf("Only")->SendMessage(WM_CLOSE);
  ui_test::Pump();
  EXPECT_FALSE(g_bWaveOpen);
  EXPECT_FALSE(Enabled(32875));
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
}

class Shutdown : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    rawusb::SetRawUsbDriver(usb);
  }
  void TearDown() override {
    rawusb::SetRawUsbDriver(nullptr);
    FrameTest::TearDown();
  }
  bool FrameAlive() const { return app.m_pMainWnd && IsWindow(frame->m_hWnd); }
  std::shared_ptr<CountingUsbDriver> usb = std::make_shared<CountingUsbDriver>();
};

// Three unsaved waveforms, Cancel at the second prompt: the first is gone,
// two stay, the program runs on and the instrument stays loaded.
TEST_F(Shutdown, ACancelStopsTheCloseAndKeepsTheInstrumentLoaded) {
  for (const char* name : {"W1", "W2", "W3"}) OpenWave(name, 8, false, false);
  g_InstrumentConnected = true;
  boxes.Expect(IDNO, "W3");
  boxes.Expect(IDCANCEL);
  Command(33001);
  EXPECT_TRUE(FrameAlive());
  EXPECT_EQ(g_WaveArray.GetSize(), 2);
  EXPECT_EQ(g_WaveNameList.Find("W3"), -1);
  EXPECT_EQ(usb->unloads, 0);
}

struct ExitRow {
  const char* name;
  bool connected;
  bool byCloseBox;
  int unloads;
};

class ExitWays : public Shutdown, public testing::WithParamInterface<ExitRow> {};

// Exit and the close box end the program alike, releasing the raw-USB
// device only when it is loaded; a save cancelled earlier does not stop them.
TEST_P(ExitWays, TheProgramEndsAndReleasesOnlyALoadedDevice) {
  const ExitRow& row = GetParam();
  OpenWave("Saved");
  g_InstrumentConnected = row.connected;
  g_nSaveAnswer = 2;  // from an earlier Save whose dialog was cancelled
  if (row.byCloseBox)
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
  else
    Command(33001);
  ui_test::Pump();
  EXPECT_FALSE(FrameAlive());
  EXPECT_EQ(usb->unloads, row.unloads);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExitWays,
                         testing::Values(ExitRow{"ExitConnected", true, false, 1},
                                         ExitRow{"ExitNotConnected", false, false, 0},
                                         ExitRow{"CloseBoxConnected", true, true, 1},
                                         ExitRow{"CloseBoxNotConnected", false, true, 0}),
                         [](const testing::TestParamInfo<ExitRow>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace shell_test
