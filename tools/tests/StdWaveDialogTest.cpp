// The standard waveform dialog driven by control id: its opening state,
// field checks and their messages, and the commit into the active record,
// checked against samples computed here.
#include "ToolTestSupport.h"

#include "tools/STD_WAVE_DLG.h"
#include "waveform/PrivateMessages.h"

#include <cmath>
#include <numbers>

namespace {

class StdWaveDialogTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    AddWave(*frame, MakeRecord("other", 100, 1.0f));
    index = AddWave(*frame, MakeRecord("wave1", 16384, 0.5f));
    g_nPointCount = 16384;
  }
  CWaveData& Record() { return g_WaveArray[index]; }
  int index = 0;
  CSTD_WAVE_DLG dlg;
};

TEST_F(StdWaveDialogTest, OpensOnTheActiveWaveAndCommitsASine) {
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(Selection(d, 1080), kShapeSine);
    EXPECT_EQ(TextOf(d, 1081), "16384");
    EXPECT_EQ(TextOf(d, 1029), "6.000");
    EXPECT_EQ(TextOf(d, 1086), "0");
    EXPECT_EQ(TextOf(d, 1082), "1");
    EXPECT_EQ(TextOf(d, 1034), "0");
    EXPECT_EQ(TextOf(d, 1277), "Vpp");
    EXPECT_FALSE(IsWindowVisible(Item(d, 1038)));
    EXPECT_EQ(Record().vpp, 6.0);  // set by the opening, kept even on Cancel
    EXPECT_EQ(dlg.m_display.GetSize(), 16384u);
    Review(d, "standard-sine");
    frame->received.clear();
    Click(d, 1242);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const CWaveData& r = Record();
  ASSERT_EQ(r.thedata.GetSize(), 16384u);
  for (unsigned i : {0u, 1000u, 4096u, 16383u})
    EXPECT_NEAR(r.thedata[i], 3.0 * std::sin(2 * std::numbers::pi * i / 16384.0), 1e-6);
  EXPECT_EQ(Samples(r.showdata), Samples(r.thedata));
  EXPECT_EQ(r.shape, kShapeSine);
  EXPECT_EQ(r.samplecount, 16384);
  EXPECT_EQ(r.vpp, 6.0);
  EXPECT_EQ(r.cycles, 1);
  EXPECT_EQ(g_LastDrawArray[index][7], 0.5f);  // the samples before
  const std::vector<FrameMessage> expected = {
      {WM_DRAWMODE_STATE, 0, 0}, {WM_DRAWMODE_STATE, 0, 1},
      {WM_DRAWMODE_STATE, 0, 2}, {WM_DRAWMODE_STATE, 0, 3},
      {WM_WAVE_ACTIVATE, 0, 0},  {WM_WAVE_UPDATE, kWaveUpdateActiveChanged, 0}};
  EXPECT_EQ(frame->received, expected);
  // The run is over: nothing of 16384 samples is kept.
  EXPECT_EQ(dlg.m_samples.GetSize(), 0u);
  EXPECT_EQ(dlg.m_display.GetSize(), 0u);
}

TEST_F(StdWaveDialogTest, ShapesSetTheirFieldsAndDcCommitsItsLevel) {
  dlg.m_nShape = kShapeSquare;
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(TextOf(d, 1038), "50");
    EXPECT_EQ(TextOf(d, 1063), "%");
    EXPECT_EQ(TextOf(d, 1070), "T188");
    EXPECT_EQ(TextOf(d, 1029), "10.000");  // half the span of 20
    Choose(d, 1080, kShapePulse);
    EXPECT_EQ(TextOf(d, 1069), "T191");
    EXPECT_TRUE(IsWindowVisible(Item(d, 1042)));
    Choose(d, 1080, kShapeDC);
    EXPECT_FALSE(IsWindowEnabled(Item(d, 1029)));
    EXPECT_FALSE(IsWindowEnabled(Item(d, 1034)));
    EXPECT_TRUE(IsWindowEnabled(Item(d, 1086)));
    SetText(d, 1086, "1.5");
    ui_test::PressKey(Item(d, 1086), Qt::Key_Return);  // Enter commits
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(Record().shape, kShapeDC);
  EXPECT_EQ(Record().vpp, 0.004);
  EXPECT_EQ(Record().offset, 1.5);
  EXPECT_EQ(Samples(Record().thedata), std::vector<float>(16384, 1.5f));
}

TEST_F(StdWaveDialogTest, AMillivoltOffsetIsAppliedInVoltsAndStoredAsTyped) {
  dlg.m_nShape = kShapeExpFall;
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(TextOf(d, 1038), "5");
    SetText(d, 1029, "4");
    Choose(d, 1085, 1);  // mV with Vpp
    SetText(d, 1086, "500");
    Click(d, 1242);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const CWaveData& r = Record();
  EXPECT_EQ(r.shape, kShapeExpFall);
  EXPECT_EQ(r.expfactor, 5.0);
  EXPECT_EQ(r.offset, 500.0);
  EXPECT_EQ(r.offsetunit, 1);
  const double A = 2.0;  // half of 4 Vpp
  for (unsigned i : {0u, 100u, 16383u})
    EXPECT_FLOAT_EQ(r.thedata[i], static_cast<float>(A * std::exp(-5.0 * i / 16384) + 0.5));
}

TEST_F(StdWaveDialogTest, FieldChecksShowTheirMessagesOnce) {
  dialogs.Expect([&](HWND d) {
    SetText(d, 1086, "1");
    boxes.Expect(IDOK, "T316");
    SetText(d, 1029, "20");  // 10 + 1 > 10
    EXPECT_EQ(TextOf(d, 1029), "0.002");
    SetText(d, 1029, "18");  // 9 + 1 passes the amplitude check
    boxes.Expect(IDOK, "T317");
    SetText(d, 1086, "1.5");  // 18 + 1.5 > 10 fails the offset check
    EXPECT_EQ(TextOf(d, 1086), "0");
    boxes.Expect(IDOK, "T331");
    SetText(d, 1029, "2a");
    EXPECT_EQ(TextOf(d, 1029), "0.000");
    SetText(d, 1029, "0.0005");
    boxes.Expect(IDOK, "T329");
    ui_test::MoveFocus(Item(d, 1029));
    ui_test::MoveFocus(Item(d, 1086));
    EXPECT_EQ(TextOf(d, 1029), "0.001");
    SetText(d, 1034, "400");
    EXPECT_EQ(TextOf(d, 1034), "360");
    Choose(d, 1080, kShapeRamp);
    SetText(d, 1038, "150");
    EXPECT_EQ(TextOf(d, 1038), "100");
    Click(d, 1079);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(boxes.Pending(), 0u);
  EXPECT_EQ(Record().thedata[0], 0.5f);  // Cancel changes no sample
}

TEST_F(StdWaveDialogTest, ACommitAfterAFailedPreviewIsRefusedWithTheErrorAgain) {
  dialogs.Expect([&](HWND d) {
    Choose(d, 1080, kShapeSinc);
    boxes.Expect(IDOK, "Math Exception");
    SetText(d, 1038, "0");  // dt 0: the analysis library refuses
    boxes.Expect(IDOK, "Math Exception");
    Click(d, 1242);
    EXPECT_FALSE(DialogHasEnded(d));
    ui_test::PressKey(Item(d, 1029), Qt::Key_Escape);  // Esc does nothing
    EXPECT_FALSE(DialogHasEnded(d));
    SendMessage(d, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(Record().thedata[0], 0.5f);
  EXPECT_EQ(Record().shape, 8);
  EXPECT_EQ(frame->Count(WM_WAVE_UPDATE), 0);
}

// The panel runs one dialog object again and again.
TEST_F(StdWaveDialogTest, OneDialogObjectRunsAgain) {
  for (int run = 0; run < 2; ++run) {
    dialogs.Expect([&](HWND d) {
      EXPECT_EQ(dlg.m_display.GetSize(), 16384u);
      Click(d, 1079);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  }
}

TEST_F(StdWaveDialogTest, LongWaveformsPreviewAndCommitThroughTheDisplayStep) {
  g_WaveArray.RemoveAll();
  index = AddWave(*frame, MakeRecord("long", 6000000, 0.0f));
  g_nPointCount = 6000000;
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(dlg.m_display.GetSize(), 3000000u);
    EXPECT_EQ(dlg.m_display[5], static_cast<float>(dlg.m_samples[10]));
    Click(d, 1242);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const CWaveData& r = Record();
  EXPECT_EQ(r.thedata.GetSize(), 6000000u);
  EXPECT_EQ(r.dispstep, 2);
  EXPECT_EQ(r.displaylen, 3000000);
  EXPECT_EQ(r.showdata[1234], r.thedata[2468]);
}

}  // namespace
