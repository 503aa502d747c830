// Every tool that writes a waveform's samples makes one step of its
// history: the four math dialogs, the standard waveform committed into an
// open window and the property dialog. Undo brings back exactly the
// samples from before, Redo exactly the tool's result.
#include "ToolTestSupport.h"

#include "tools/Change_properity.h"
#include "tools/Math_lvbo.h"
#include "tools/Math_valuedlg.h"
#include "tools/Math_wavedlg.h"
#include "tools/Math_windowdlg.h"
#include "tools/STD_WAVE_DLG.h"
#include "waveform/EditOps.h"

#include <cmath>
#include <functional>
#include <ostream>

namespace {

class ToolHistoryTest : public ToolTest {
 public:
  // The user's steps, for the rows below.
  using ToolTest::Choose;
  using ToolTest::Click;
  using ToolTest::SetText;
  template <class Dialog>
  void Run(std::function<void(HWND)> script) {
    Dialog dlg;
    dialogs.Expect(std::move(script));
    dlg.DoModal();
  }

 protected:
  void SetUp() override {
    ToolTest::SetUp();
    AddWave(*frame, SineRecord("first", 1000));
    AddWave(*frame, SineRecord("second", 1000));  // the active one
    g_nPointCount = 1000;
  }
  std::vector<float> Now(int index) { return Samples(g_WaveArray[index].thedata); }
};

struct ToolRow {
  const char* name;
  int target;  // the waveform the tool writes
  std::function<void(ToolHistoryTest&)> run;
};
void PrintTo(const ToolRow& row, std::ostream* os) { *os << row.name; }

const ToolRow kTools[] = {
    {"with a constant", 0,
     [](ToolHistoryTest& t) {
       t.Run<CMath_valuedlg>([&t](HWND d) {
         t.SetText(d, 1053, "0.5");
         t.Click(d, 1222);
       });
     }},
    {"two waveforms", 0,
     [](ToolHistoryTest& t) {
       g_WaveArray[1].freq = 1000.0;
       g_WaveArray[1].frequnit = 2;  // 1000 Hz is the first's 1 kHz
       t.Run<CMath_wavedlg>([&t](HWND d) {
         t.Choose(d, 1110, 1);
         t.Choose(d, 1111, 1);
         t.Click(d, 1030);
       });
     }},
    {"window", 0,
     [](ToolHistoryTest& t) {
       t.Run<CMath_windowdlg>([&t](HWND d) {
         t.Choose(d, 1118, 3);  // Hamming
         t.Click(d, 1226);
       });
     }},
    {"filter", 0,
     [](ToolHistoryTest& t) { t.Run<CMath_lvbo>([&t](HWND d) { t.Click(d, 1215); }); }},
    {"standard waveform", 1,
     [](ToolHistoryTest& t) { t.Run<CSTD_WAVE_DLG>([&t](HWND d) { t.Click(d, 1242); }); }},
    {"property dialog", 1,
     [](ToolHistoryTest& t) {
       g_WaveArray[1].vppunit = 1;  // millivolts: the samples are brought to volts
       t.Run<CChange_properity>([&t](HWND d) { t.Click(d, 1176); });
     }},
};

class EveryTool : public ToolHistoryTest, public testing::WithParamInterface<ToolRow> {};

TEST_P(EveryTool, ResultIsOneStepUndoneAndRedoneExactly) {
  {
    const ToolRow& row = GetParam();
    SCOPED_TRACE(row.name);
    const std::vector<float> before = Now(row.target);
    row.run(*this);
    const std::vector<float> after = Now(row.target);
    ASSERT_NE(after, before);
    WaveEntry& entry = g_WaveStore.GetEntry(row.target);
    EXPECT_EQ(entry.history.GetStateCount(), 2);

    EXPECT_EQ(waveform::Undo(entry).status, waveform::EditStatus::Done);
    EXPECT_EQ(Now(row.target), before);
    EXPECT_EQ(Samples(g_WaveArray[row.target].showdata), before);
    EXPECT_EQ(waveform::Undo(entry).status, waveform::EditStatus::Unchanged);
    EXPECT_EQ(waveform::Redo(entry).status, waveform::EditStatus::Done);
    EXPECT_EQ(Now(row.target), after);
    EXPECT_EQ(Samples(g_WaveArray[row.target].showdata), after);
    // The other waveform has no history.
    EXPECT_TRUE(g_WaveStore.GetEntry(1 - row.target).history.pending());
  }
}

INSTANTIATE_TEST_SUITE_P(Tools, EveryTool, testing::ValuesIn(kTools));

// A result equal to the samples (nothing to add) is no step.
TEST_F(ToolHistoryTest, AResultThatChangesNothingIsNoStep) {
  Run<CMath_valuedlg>([&](HWND d) {
    SetText(d, 1053, "0");
    Click(d, 1222);
  });
  EXPECT_TRUE(g_WaveStore.GetEntry(0).history.pending());
}

}  // namespace
