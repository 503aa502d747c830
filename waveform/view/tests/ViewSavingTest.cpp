// Save and Save As through WM_FILE_SAVE and WM_FILE_SAVEAS (straight to the
// view, as the close prompt sends it, where the view's answer is checked), with the save
// dialog and the boxes scripted: what is written, what the record and its
// window take from the file, and the saves that are refused or fail, which
// leave the waveform unsaved so that its window asks before it closes.
#include "ViewTestFixture.h"

#include "platform/afx/tests/TempFolder.h"
#include "platform/window/tests/UiTestKit.h"
#include "waveform/files/WaveFileOpen.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using Kind = CommonDialogRequest::Kind;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SavingTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    view = Open(MakeWave("wave", {0.0f, 1.0f, -0.5f}));
  }
  // The save dialog answered with a path and a filter (1 header, 2 amplitude).
  void ExpectSaveDialog(const std::string& path, int filter) {
    dialogs.Expect(Kind::SaveFile, [path, filter](CommonDialogRequest& r) {
      EXPECT_EQ(r.title, "Save File");
      EXPECT_EQ(r.filter,
                "Comma Separated Values files (*.csv)|*.csv|Brantlow CSV files (*.csv)|*.csv||");
      r.accepted = true;
      r.path = path;
      r.filterIndex = filter;
    });
  }
  CString Caption() { return view->GetParentFrame()->GetWindowTextString(); }

  TempFolder folder;
  ScriptedCommonDialogs dialogs;
  CPelmoranView* view = nullptr;
};

TEST_F(SavingTest, SaveAsWritesTheChosenLayoutAndTheWaveformTakesTheFilesName) {
  dialogs.Expect(Kind::SaveFile, [](CommonDialogRequest& r) {
    EXPECT_EQ(r.path, "wave.csv");  // the waveform's name is offered
    r.accepted = true;
    r.path = "";
  });
  const std::string path = folder / "first.csv";
  ExpectSaveDialog(path, 1);
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVEAS), 0);  // no name at all: as if cancelled
  EXPECT_EQ(g_nSaveAnswer, 2);
  EXPECT_TRUE(Wave().filepath.IsEmpty());
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVEAS), 1);
  EXPECT_EQ(Contents(path).rfind("data length,3\r\nfrequency,1000.000000000\r\n", 0), 0u);
  EXPECT_EQ(Wave().filepath, CString(path.c_str()));
  EXPECT_EQ(Wave().savetype, 1);
  EXPECT_EQ(Wave().wavename, CString("first"));
  EXPECT_EQ(Caption(), CString("first"));
  EXPECT_EQ(g_WaveNameList.Find("first"), 0);
  EXPECT_EQ(g_WaveNameList.Find("wave"), -1);
  EXPECT_EQ(view->FindWaveIndex(), 0);  // the view still finds it
  EXPECT_FALSE(Wave().saved);           // Save As alone leaves it to ask at the close
  EXPECT_EQ(g_nSaveAnswer, 1);

  // A plain Save writes the same file in the same layout, without asking.
  std::filesystem::remove(path);
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVE), 1);
  EXPECT_EQ(Contents(path).rfind("data length,3\r\n", 0), 0u);
  EXPECT_TRUE(Wave().saved);
  EXPECT_EQ(Caption(), CString("first"));
}

TEST_F(SavingTest, TheFirstSaveAsksAndWritesTheAmplitudeLayoutExactly) {
  const std::string path = folder / "amplitudes.csv";
  ExpectSaveDialog(path, 2);
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVE), 1);
  EXPECT_EQ(Contents(path), "Amplitude\r\n0.00000\r\n1.00000\r\n-0.50000\r\n");
  EXPECT_TRUE(Wave().saved);
  EXPECT_EQ(Wave().savetype, 0);
  EXPECT_EQ(Wave().wavename, CString("amplitudes"));
}

struct RefusedRow {
  const char* name;
  std::string file;
  int message;
  const char* text;
};

TEST_F(SavingTest, RefusedNamesAndCancelledDialogsLeaveEverythingAsItWas) {
  Open(MakeWave("taken", {1.0f}));
  static_cast<CMDIChildWnd*>(view->GetParentFrame())->MDIActivate();
  Fake().SetText(339, "no blanks");
  Fake().SetText(635, "not dat or bin");
  Fake().SetText(341, "## is open");
  const RefusedRow rows[] = {{"a blank in the title", "two words.csv", 339, "no blanks"},
                             {"a binary file's name", "wave.dat", 635, "not dat or bin"},
                             {"another one's name", "taken.csv", 341, "taken is open"}};
  for (const RefusedRow& r : rows) {
    SCOPED_TRACE(r.name);
    ScriptedBoxes boxes;
    boxes.Expect(IDOK, r.text);
    ExpectSaveDialog(folder / r.file, 1);
    g_nSaveAnswer = -1;
    EXPECT_EQ(view->SendMessage(WM_FILE_SAVE), 0);
    EXPECT_EQ(g_nSaveAnswer, 2);  // counts as cancelled
    EXPECT_FALSE(std::filesystem::exists(folder / r.file));
    EXPECT_EQ(Wave().wavename, CString("wave"));
    EXPECT_TRUE(Wave().filepath.IsEmpty());
    EXPECT_FALSE(Wave().saved);
  }
  dialogs.ExpectCancel(Kind::SaveFile);
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVEAS), 0);
  EXPECT_EQ(g_nSaveAnswer, 2);
}

TEST_F(SavingTest, AFailedWriteIsReportedAndKeepsTheEarlierFile) {
  const std::string path = folder / "kept.csv";
  std::ofstream(path) << "earlier";
  Wave().filepath = (folder / "missing/kept.csv").c_str();  // a folder that is not there
  Wave().savetype = 1;
  Fake().SetText(634, "not saved: @@");
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "not saved:");
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVE), 0);
  EXPECT_EQ(g_nSaveAnswer, 2);
  EXPECT_FALSE(Wave().saved);
  EXPECT_EQ(Contents(path), "earlier");
}

TEST_F(SavingTest, APlainSaveAfterABinaryFileAsksForACsvName) {
  Wave().filepath = (folder / "read.bin").c_str();
  Wave().savetype = 1;
  const std::string path = folder / "now.csv";
  ExpectSaveDialog(path, 1);
  EXPECT_EQ(view->SendMessage(WM_FILE_SAVE), 1);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_FALSE(std::filesystem::exists(folder / "read.bin"));
  EXPECT_EQ(Wave().filepath, CString(path.c_str()));
}

TEST_F(SavingTest, AHeaderCsvOpenedAndSavedAgainIsTheSameFile) {
  // A file as the header writer makes it, with the parameters the reader
  // derives from its samples (span and offset), so that reading loses nothing.
  CWaveData made = MakeWave("made", {0.5f, -0.25f, 1.0f, 0.0f});
  made.span = 4.0;
  made.offset = 0.375;
  made.freq = 1000.0;
  made.frequnit = 2;
  const std::string path = folder / "opened.csv";
  ASSERT_TRUE(WriteHeaderCsvFile(made, path.c_str()).ok());
  const std::string before = Contents(path);

  CWaveData opened;
  ASSERT_TRUE(ReadWaveFile(WaveFileKind::Csv, path.c_str(), "opened", opened).ok());
  CPelmoranView* window = Open(opened);
  Send(WM_WAVE_REPLOT);
  EXPECT_TRUE(Wave(1).saved);  // opening made it saved, and the window kept it so
  std::filesystem::remove(path);
  EXPECT_EQ(window->SendMessage(WM_FILE_SAVE), 1);
  EXPECT_EQ(Contents(path), before);
}

TEST_F(SavingTest, TheClosePromptKeepsAWaveformWhoseSaveDidNotHappen) {
  Fake().SetText(313, "Save the changes to");
  CMDIChildWnd* frame = static_cast<CMDIChildWnd*>(view->GetParentFrame());
  {
    ScriptedBoxes boxes;
    boxes.Expect(IDYES, "Save the changes to wave ?");
    dialogs.ExpectCancel(Kind::SaveFile);
    frame->SendMessage(WM_CLOSE);
  }
  EXPECT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(main_->ActiveView(), view);
  {
    ScriptedBoxes boxes;  // a refused name keeps it too
    boxes.Expect(IDYES);
    boxes.Expect(IDOK);
    ExpectSaveDialog(folder / "x.bin", 1);
    frame->SendMessage(WM_CLOSE);
  }
  EXPECT_EQ(g_WaveArray.GetSize(), 1);
  {
    ScriptedBoxes boxes;  // a save that happens closes it
    boxes.Expect(IDYES);
    ExpectSaveDialog(folder / "closing.csv", 2);
    frame->SendMessage(WM_CLOSE);
  }
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "closing.csv"));
}

}  // namespace
