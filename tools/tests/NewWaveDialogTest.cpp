// The new-waveform dialog: the record its defaults give, the length and
// unit tables, and every refusal with its message.
#include "ToolTestSupport.h"

#include "tools/New_WAVE_SETING.h"
#include "waveform/PrivateMessages.h"

namespace {

class NewWaveDialogTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    g_nNewWaveCounter = 1;
  }
  // Runs the dialog with script, then returns its result.
  INT_PTR Run(std::function<void(HWND)> script) {
    CNew_WAVE_SETING dlg;
    dialogs.Expect(std::move(script));
    return dlg.DoModal();
  }
};

TEST_F(NewWaveDialogTest, DefaultsGiveTheRecordAndOpenItsWindow) {
  EXPECT_EQ(Run([&](HWND d) {
              EXPECT_EQ(TextOf(d, 1028), "wave1");
              EXPECT_EQ(TextOf(d, 1148), "(16k)");
              EXPECT_EQ(TextOf(d, 1146), "1");
              EXPECT_EQ(Selection(d, 1145), 3);
              EXPECT_EQ(TextOf(d, 1052), "Vpp");
              Review(d, "new-waveform");
              Click(d, 1235);
            }),
            IDOK);
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  const CWaveData& r = g_WaveArray[0];
  EXPECT_EQ(r.wavename, CString("wave1"));
  EXPECT_EQ(r.shape, 8);
  EXPECT_EQ(r.pointcount, 16384);
  EXPECT_EQ(r.samplecount, 16384);
  EXPECT_EQ(Samples(r.thedata), std::vector<float>(16384, 0.0f));
  EXPECT_EQ(r.dispstep, 1);
  EXPECT_EQ(r.displaylen, 16384);
  EXPECT_EQ(r.span, 20.0);
  EXPECT_EQ(r.spanunit, 0);
  EXPECT_EQ(r.vpp, 0.0);
  EXPECT_EQ(r.bits, 16);
  EXPECT_EQ(r.timemode, 0);
  EXPECT_EQ(r.freq, 1.0);
  EXPECT_EQ(r.frequnit, 3);
  EXPECT_EQ(r.period, 1000.0);
  EXPECT_EQ(r.periodunit, 3);
  EXPECT_EQ(g_nPointCount, 16384);
  EXPECT_TRUE(g_bWaveOpen);
  EXPECT_FALSE(g_bEditEnable);
  EXPECT_EQ(frame->received,
            (std::vector<FrameMessage>{{WM_WAVE_UPDATE, kWaveUpdateOpenWindow, 0}}));
  // The next opening proposes the next number.
  Run([&](HWND d) {
    EXPECT_EQ(TextOf(d, 1028), "wave2");
    Click(d, 1234);
  });
}

TEST_F(NewWaveDialogTest, LengthsOfTheListAndTypedOnes) {
  struct Row {
    int kind;  // 0 fixed, 1 variable
    int entry;
    const char* typed;
    int points, step, shown;  // 0 points: refused with 331
  };
  const Row rows[] = {
      {0, 2, "", 524288, 1, 524288}, {1, 0, "20971520", 20971520, 5, 4194304},
      {1, 0, "2", 2, 1, 2},          {1, 0, "20971521", 0, 0, 0},
      {1, 0, "1", 0, 0, 0},          {1, 0, "", 0, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    g_WaveArray.RemoveAll();
    Run([&](HWND d) {
      Choose(d, 1293, row.kind);
      EXPECT_EQ(IsWindowVisible(Item(d, 1313)), row.kind == 1);
      EXPECT_EQ(IsWindowVisible(Item(d, 1294)), row.kind == 0);
      if (row.kind == 0) {
        Choose(d, 1294, row.entry);
        EXPECT_EQ(TextOf(d, 1148), "512k");
      }
      SetText(d, 1313, row.typed);
      if (!row.points) boxes.Expect(IDOK, "T331");
      Click(d, 1235);
      if (!row.points) Click(d, 1234);
    });
    if (!row.points) {
      EXPECT_EQ(g_WaveArray.GetSize(), 0);
      continue;
    }
    ASSERT_EQ(g_WaveArray.GetSize(), 1);
    EXPECT_EQ(static_cast<int>(g_WaveArray[0].thedata.GetSize()), row.points);
    EXPECT_EQ(g_WaveArray[0].dispstep, row.step);
    EXPECT_EQ(g_WaveArray[0].displaylen, row.shown);
  }
  EXPECT_EQ(g_nNewWaveCounter, 7);  // every OK counts, refused or not
}

TEST(NewWaveUnits, TheValueStepsOneUnitAtATime) {
  struct Row {
    double value;
    int unit;
    bool period;
    bool steps;
    double stepped;
    int newUnit;
  };
  const Row rows[] = {
      {1500, 2, false, true, 1.5, 3}, {0.5, 3, false, true, 500, 2}, {1500, 4, false, false, 0, 0},
      {0.5, 0, false, false, 0, 0},   {1000, 3, true, true, 1, 2},   {0.25, 2, true, true, 250, 3},
      {1000, 0, true, false, 0, 0},   {0.5, 4, true, false, 0, 0},   {999.9, 2, false, false, 0, 0},
      {0, 2, false, false, 0, 0},
  };
  for (const Row& row : rows) {
    const auto step = StepUnit(row.value, row.unit, row.period);
    ASSERT_EQ(step.has_value(), row.steps) << row.value << " " << row.unit;
    if (!step) continue;
    EXPECT_DOUBLE_EQ(step->value, row.stepped);
    EXPECT_EQ(step->unit, row.newUnit);
  }
}

TEST_F(NewWaveDialogTest, TypedValuesStepAndSwitchingToPeriodKeepsTheTime) {
  Run([&](HWND d) {
    Choose(d, 1145, 2);
    SetText(d, 1146, "1500");
    EXPECT_EQ(TextOf(d, 1146), "1.500000");
    EXPECT_EQ(Selection(d, 1145), 3);
    SetText(d, 1146, "1");
    Click(d, 1233);  // 1 kHz is 1000 uS, which steps to 1 mS
    EXPECT_EQ(TextOf(d, 1146), "1.000000");
    EXPECT_EQ(Selection(d, 1145), 2);
    EXPECT_EQ(GetWindowTextString(Item(d, 1145)), "mS");
    Click(d, 1235);
  });
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].timemode, 1);
  EXPECT_EQ(g_WaveArray[0].period, 1.0);
  EXPECT_EQ(g_WaveArray[0].periodunit, 2);
  EXPECT_EQ(g_WaveArray[0].freq, 1000.0);
  EXPECT_EQ(g_WaveArray[0].frequnit, 2);
}

TEST_F(NewWaveDialogTest, RefusalsShowTheirMessagesAndChangeNothing) {
  AddWave(*frame, MakeRecord("taken", 16));
  Run([&](HWND d) {
    SetText(d, 1028, "ta ken");
    EXPECT_EQ(TextOf(d, 1028), "taken");
    boxes.Expect(IDOK, "T308");
    Click(d, 1235);
    SetText(d, 1028, std::string(33, 'n').c_str());
    boxes.Expect(IDOK, "T310");
    Click(d, 1235);
    SetText(d, 1028, std::string(32, 'n').c_str());
    boxes.Expect(IDOK, "T331");
    SetText(d, 1146, "1x");
    EXPECT_EQ(TextOf(d, 1146), "1");
    boxes.Expect(IDOK, "T332");
    SetText(d, 1146, "0");
    ui_test::MoveFocus(Item(d, 1146));
    ui_test::MoveFocus(Item(d, 1028));
    EXPECT_EQ(TextOf(d, 1146), "1");
    Choose(d, 1145, 4);
    SetText(d, 1146, "50");  // 50 MHz
    boxes.Expect(IDOK, "T333");
    ui_test::MoveFocus(Item(d, 1146));
    ui_test::MoveFocus(Item(d, 1028));
    EXPECT_EQ(TextOf(d, 1146), "1");
    Click(d, 1233);
    Choose(d, 1145, 4);
    SetText(d, 1146, "20");
    boxes.Expect(IDOK, "T334");
    ui_test::MoveFocus(Item(d, 1146));
    ui_test::MoveFocus(Item(d, 1028));
    EXPECT_EQ(TextOf(d, 1146), "25");
    boxes.Expect(IDOK, "T331");
    SetText(d, 1032, "2a");
    EXPECT_EQ(TextOf(d, 1032), "6");
    boxes.Expect(IDOK, "T316");
    SetText(d, 1032, "25");
    EXPECT_EQ(TextOf(d, 1032), "20");
    Choose(d, 1052, 1);  // 20 mVpp is within 4 .. 20000
    Click(d, 1235);
  });
  ASSERT_EQ(g_WaveArray.GetSize(), 2);
  EXPECT_EQ(g_WaveArray[1].span, 20.0);
  EXPECT_EQ(g_WaveArray[1].spanunit, 1);
  EXPECT_EQ(g_WaveArray[1].period, 25.0);
  EXPECT_EQ(g_WaveArray[1].periodunit, 4);
}

// Enter while the value field has the focus leaves nothing unchecked: a
// value refused on leaving the field is refused the same way, and no
// waveform is made of it.
TEST_F(NewWaveDialogTest, EnterInTheValueFieldChecksItsRangeAsLeavingItDoes) {
  Run([&](HWND d) {
    struct Row {
      int unit;
      const char* typed;
      const char* message;
    };
    for (const Row& row : {Row{3, "0", "T332"}, Row{4, "5000", "T333"}}) {
      SCOPED_TRACE(row.typed);
      Choose(d, 1145, row.unit);
      ui_test::MoveFocus(Item(d, 1146));
      SetText(d, 1146, row.typed);
      boxes.Expect(IDOK, row.message);
      ui_test::PressKey(Item(d, 1146), Qt::Key_Return);
      EXPECT_FALSE(DialogHasEnded(d));
      EXPECT_EQ(TextOf(d, 1146), "1");
      EXPECT_EQ(g_WaveArray.GetSize(), 0);
    }
    ui_test::PressKey(Item(d, 1146), Qt::Key_Return);  // 1 MHz now
  });
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"T332", "T333"}));
  ASSERT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(g_WaveArray[0].freq, 1.0);
  EXPECT_EQ(g_WaveArray[0].frequnit, 4);
  EXPECT_EQ(g_WaveArray[0].period, 1000.0);
}

}  // namespace
