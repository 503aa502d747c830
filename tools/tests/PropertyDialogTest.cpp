// The waveform property dialog: paired units, renaming with the name checks,
// the amplitude brought to volts, and the waveform's own quantisation kept.
#include "ToolTestSupport.h"

#include "tools/Change_properity.h"
#include "waveform/PrivateMessages.h"

#include <cmath>

namespace {

class PropertyDialogTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    AddWave(*frame, MakeRecord("other", 64, 0.5f));
    CWaveData wave = MakeRecord("mine", 64, 1.0f);
    wave.freq = 1.0;
    wave.frequnit = 2;  // Hz
    wave.period = 1000.0;
    wave.periodunit = 2;  // mS
    wave.span = 4.0;
    for (unsigned i = 0; i < 64; ++i) wave.thedata[i] = static_cast<float>(1.5 * std::sin(i * 0.2));
    DisplayDecimation(wave);
    index = AddWave(*frame, std::move(wave));
  }
  INT_PTR Run(std::function<void(HWND)> script) {
    CChange_properity dlg;
    dialogs.Expect(std::move(script));
    return dlg.DoModal();
  }
  int index = 0;
};

TEST_F(PropertyDialogTest, PairedUnitsAndARenameWithItsChecks) {
  EXPECT_EQ(Run([&](HWND d) {
              EXPECT_EQ(TextOf(d, 1280), "mine");
              EXPECT_EQ(TextOf(d, 1045), "16");
              EXPECT_EQ(TextOf(d, 1031), "64");
              SetText(d, 1002, "2");
              EXPECT_EQ(TextOf(d, 1009), "500");
              Choose(d, 1088, 3);
              EXPECT_EQ(Selection(d, 1090), 3);
              SetText(d, 1280, "other");
              boxes.Expect(IDOK, "T308");
              Click(d, 1176);
              SetText(d, 1280, std::string(33, 'n').c_str());
              boxes.Expect(IDOK, "T310");
              Click(d, 1176);
              SetText(d, 1280, std::string(32, 'n').c_str());
              Review(d, "property");
              Click(d, 1176);
            }),
            IDOK);
  const CWaveData& r = g_WaveArray[index];
  EXPECT_EQ(r.wavename, CString(std::string(32, 'n').c_str()));
  EXPECT_EQ(ActiveTitle(), std::string(32, 'n'));
  EXPECT_EQ(g_WaveNameList.Find(r.wavename), index);
  EXPECT_EQ(r.bits, 16);  // its own quantisation, not 14
  EXPECT_EQ(r.freq, 2.0);
  EXPECT_EQ(r.frequnit, 3);
  EXPECT_EQ(r.period, 500.0);
  EXPECT_EQ(r.periodunit, 3);
  EXPECT_EQ(frame->received.back(), (FrameMessage{WM_WAVE_UPDATE, static_cast<WPARAM>(index), 0}));
}

TEST_F(PropertyDialogTest, TheOwnNameStaysAndMillivoltsBecomeVolts) {
  EXPECT_EQ(Run([&](HWND d) {
              Choose(d, 1052, 1);
              SetText(d, 1032, "5000");
              Click(d, 1174);
              EXPECT_EQ(TextOf(d, 1032), "5.000000");
              EXPECT_EQ(Selection(d, 1052), 0);
              SetText(d, 1032, "2");  // below the span of 4: asked
              boxes.Expect(IDYES, "T315");
              Click(d, 1176);
            }),
            IDOK);
  EXPECT_EQ(g_WaveArray[index].wavename, CString("mine"));
  EXPECT_EQ(g_WaveArray[index].span, 2.0);
  EXPECT_EQ(g_WaveArray[index].spanunit, 0);
}

TEST_F(PropertyDialogTest, CancelLeavesTheNamesAndTheRecord) {
  EXPECT_EQ(Run([&](HWND d) {
              SetText(d, 1280, "renamed");
              boxes.Expect(IDOK, "T316");
              SetText(d, 1032, "25");
              EXPECT_EQ(TextOf(d, 1032), "20");
              SetText(d, 1032, "0.001");
              boxes.Expect(IDOK, "T329");
              ui_test::MoveFocus(Item(d, 1032));
              ui_test::MoveFocus(Item(d, 1280));
              EXPECT_EQ(TextOf(d, 1032), "0.002");
              SendMessage(d, WM_CLOSE, 0, 0);
            }),
            IDCANCEL);
  EXPECT_EQ(g_WaveNameList.Find("mine"), index);
  EXPECT_EQ(g_WaveNameList.Find("renamed"), -1);
  EXPECT_EQ(g_WaveArray[index].span, 4.0);
}

// A waveform kept in mV (samples of up to 1500 mV, 4000 mVpp): the first
// apply brings its samples to volts, a second one with nothing changed
// leaves them as they are.
TEST_F(PropertyDialogTest, ApplyingTwiceKeepsTheSamplesOfAMillivoltWaveform) {
  CWaveData& wave = g_WaveArray[index];
  wave.vppunit = wave.spanunit = 1;
  wave.vpp = wave.span = 4000.0;
  for (unsigned i = 0; i < 64; ++i) wave.thedata[i] *= 1000.0f;
  DisplayDecimation(wave);
  const std::vector<float> millivolts = Samples(wave.thedata);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass);
    EXPECT_EQ(Run([&](HWND d) { Click(d, 1176); }), IDOK);
    const std::vector<float> now = Samples(g_WaveArray[index].thedata);
    for (unsigned i = 0; i < 64; ++i) ASSERT_EQ(now[i], millivolts[i] / 1000) << i;
    EXPECT_EQ(Samples(g_WaveArray[index].showdata), now);
    EXPECT_EQ(g_WaveArray[index].span, 4.0);
    EXPECT_EQ(g_WaveArray[index].vpp, 4.0);  // the amplitude read-out says volts too
    EXPECT_EQ(g_WaveArray[index].vppunit, 0);
  }
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
