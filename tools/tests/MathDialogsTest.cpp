// The four math dialogs driven by control id: arithmetic with a constant and
// with a second waveform, windows and filters, each checked against samples
// computed here or by the analysis call alone, and the commit into the
// waveform chosen in the dialog's own list.
#include "ToolTestSupport.h"

#include "analysis/facade/SgAnalysis.h"
#include "tools/Math_lvbo.h"
#include "tools/Math_valuedlg.h"
#include "tools/Math_wavedlg.h"
#include "tools/Math_windowdlg.h"
#include "waveform/PrivateMessages.h"

#include <cmath>

namespace {

class MathDialogsTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    AddWave(*frame, SineRecord("first", 1000));
    AddWave(*frame, SineRecord("second", 1000));  // active, but the lists start at the first
  }
  template <class Dialog>
  INT_PTR Run(Dialog& dlg, std::function<void(HWND)> script) {
    dialogs.Expect(std::move(script));
    return dlg.DoModal();
  }
  std::vector<float> Before(int index) { return Samples(g_WaveArray[index].thedata); }
};

TEST(ConstantArithmetic, OperatorsAndTheirClamp) {
  struct Row {
    int op;
    double s, c, expected;
  };
  const Row rows[] = {
      {0, 1.0, 1.0, 2.0},  {0, 1.5, 1.0, 2.0},  {0, -1.0, -1.5, -2.0}, {1, 1.0, 0.5, 0.5},
      {2, 1.5, 2.0, 2.0},  {3, 1.5, 0.0, 1.5},  {3, 9.0, 5e-9, 9.0},   {3, 1.0, 1e-8, 2.0},
      {3, 1.0, 4.0, 0.25}, {4, -3.0, 0.0, 3.0}, {0, 2.5, 0.0, 2.0},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ApplyConstant(row.op, row.s, row.c, 2.0), row.expected)
        << row.op << " " << row.s << " " << row.c;
}

TEST_F(MathDialogsTest, ConstantOverTheWholeWaveformOrBetweenTheCursors) {
  const std::vector<float> first = Before(0);
  CMath_valuedlg dlg;
  EXPECT_EQ(Run(dlg,
                [&](HWND d) {
                  EXPECT_EQ(Selection(d, 1103), 0);  // the first waveform, not the active one
                  EXPECT_EQ(TextOf(d, 1053), "0.0");
                  Choose(d, 1088, 2);  // "*"
                  EXPECT_EQ(TextOf(d, 1053), "1.0");
                  SetText(d, 1053, "0.5");
                  EXPECT_EQ(dlg.m_result.GetSize(), 1000u);
                  Choose(d, 1088, 4);
                  EXPECT_FALSE(IsWindowVisible(Item(d, 1053)));
                  Choose(d, 1088, 0);
                  EXPECT_EQ(TextOf(d, 1053), "0.0");
                  SetText(d, 1053, "1");
                  boxes.Expect(IDOK, "T306");
                  Click(d, 1106);  // no cursors shown
                  EXPECT_FALSE(IsWindowEnabled(Item(d, 1222)));
                  ui_test::PressKey(Item(d, 1053), Qt::Key_Return);  // OK is off: nothing
                  EXPECT_FALSE(DialogHasEnded(d));
                  g_WaveArray[0].cursorson = true;
                  g_WaveArray[0].cursor1 = 120.5;
                  g_WaveArray[0].cursor2 = 80.5;
                  Click(d, 1105);
                  Click(d, 1106);
                  Review(d, "constant-arithmetic");
                  Click(d, 1222);
                }),
            IDOK);
  const std::vector<float> after = Before(0);
  for (int k = 0; k < 1000; ++k) {
    const float expected =
        k >= 80 && k <= 120 ? static_cast<float>(ApplyConstant(0, first[k], 1.0, 2.0)) : first[k];
    ASSERT_EQ(after[k], expected) << k;
  }
  EXPECT_EQ(Samples(g_WaveArray[0].showdata), after);
  EXPECT_EQ(frame->received, (std::vector<FrameMessage>{{WM_WAVE_UPDATE, 0, 0}}));
}

TEST_F(MathDialogsTest, CursorsInEitherOrderAndOkRightAwayLeaveTheRest) {
  const std::vector<float> first = Before(0);
  g_WaveArray[0].cursorson = true;
  for (auto [c1, c2, from, to] : {std::tuple{80.0, 120.0, 80, 119},
                                  std::tuple{120.0, 80.0, 80, 119}, std::tuple{50.0, 50.0, 1, 0}}) {
    g_WaveArray[0].cursor1 = c1;
    g_WaveArray[0].cursor2 = c2;
    CMath_valuedlg dlg;
    Run(dlg, [&, from = from, to = to](HWND d) {
      Choose(d, 1088, 4);  // abs()
      Click(d, 1106);
      ASSERT_EQ(dlg.m_result.GetSize(), 1000u);
      for (int k = 0; k < 1000; ++k)
        ASSERT_EQ(dlg.m_result[k], k >= from && k <= to ? std::fabs(first[k]) : first[k]) << k;
      Click(d, 1221);
    });
    EXPECT_EQ(dlg.m_result.GetSize(), 0u);  // released with the run
  }
  CMath_valuedlg right;
  EXPECT_EQ(Run(right, [&](HWND d) { Click(d, 1222); }), IDOK);
  EXPECT_EQ(Before(0), first);
  EXPECT_EQ(frame->Count(WM_WAVE_UPDATE), 1);
}

// The active window (the second waveform) shows its cursors at 60 and 90;
// the first waveform, chosen in the dialog, has its own at 10 and 20.
TEST_F(MathDialogsTest, BetweenTheCursorsIsBetweenTheChosenWaveformsOwnCursors) {
  const std::vector<float> first = Before(0), second = Before(1);
  for (int i : {0, 1}) g_WaveArray[i].cursorson = true;
  g_WaveArray[0].cursor1 = 20;
  g_WaveArray[0].cursor2 = 10;
  g_WaveArray[1].cursor1 = 60;
  g_WaveArray[1].cursor2 = 90;
  g_dCursor1X = 60;
  g_dCursor2X = 90;
  CMath_valuedlg dlg;
  EXPECT_EQ(Run(dlg,
                [&](HWND d) {
                  SetText(d, 1053, "1");
                  Click(d, 1106);
                  Click(d, 1222);
                }),
            IDOK);
  const std::vector<float> after = Before(0);
  for (int k = 0; k < 1000; ++k) {
    const float expected =
        k >= 10 && k < 20 ? static_cast<float>(ApplyConstant(0, first[k], 1.0, 2.0)) : first[k];
    ASSERT_EQ(after[k], expected) << k;
  }
  EXPECT_EQ(Before(1), second);

  // The chosen waveform shows no cursors, though the active window does.
  g_WaveArray[0].cursorson = false;
  CMath_valuedlg none;
  Run(none, [&](HWND d) {
    SetText(d, 1053, "1");
    boxes.Expect(IDOK, "T306");
    Click(d, 1106);
    EXPECT_FALSE(IsWindowEnabled(Item(d, 1222)));
    Click(d, 1221);
  });
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"T306"}));
  EXPECT_EQ(Before(0), after);
}

// On a waveform of 5,000,001 samples (display step 2) the cursors stand at
// display positions: 50.25 and 100.5 select samples 100 to 200.
TEST_F(MathDialogsTest, CursorsOfALongWaveformCountInSamples) {
  g_WaveArray.RemoveAll();
  CWaveData wave = MakeRecord("long", 5000001, 0.5f);
  ASSERT_EQ(wave.dispstep, 2);
  wave.cursorson = true;
  wave.cursor1 = 100.5;
  wave.cursor2 = 50.25;
  AddWave(*frame, std::move(wave));
  CMath_valuedlg dlg;
  Run(dlg, [&](HWND d) {
    SetText(d, 1053, "1");
    Click(d, 1106);
    Click(d, 1222);
  });
  const CWaveData& r = g_WaveArray[0];
  EXPECT_EQ(r.thedata[99], 0.5f);
  EXPECT_EQ(r.thedata[100], 1.5f);
  EXPECT_EQ(r.thedata[200], 1.5f);
  EXPECT_EQ(r.thedata[201], 0.5f);
  EXPECT_EQ(r.showdata[50], 1.5f);   // sample 100
  EXPECT_EQ(r.showdata[100], 1.5f);  // sample 200
  EXPECT_EQ(r.showdata[101], 0.5f);  // sample 202
}

// A computation that fails part way (a cursor beyond the waveform's end)
// leaves nothing for OK: not the result of the computation before it.
TEST_F(MathDialogsTest, OkAfterAFailedComputationChangesNothing) {
  const std::vector<float> first = Before(0);
  g_WaveArray[0].cursorson = true;
  g_WaveArray[0].cursor1 = g_dCursor1X = 900;  // the frame heard them last too
  g_WaveArray[0].cursor2 = g_dCursor2X = 1500;
  CMath_valuedlg dlg;
  Run(dlg, [&](HWND d) {
    SetText(d, 1053, "1");  // the whole waveform + 1
    ASSERT_EQ(dlg.m_result.GetSize(), 1000u);
    boxes.Expect(IDOK, "Invalid vector access");
    Click(d, 1106);
    Click(d, 1222);
    ui_test::PressKey(Item(d, 1053), Qt::Key_Return);
    EXPECT_EQ(Before(0), first);
    if (!DialogHasEnded(d)) Click(d, 1221);
  });
  EXPECT_EQ(Before(0), first);
  EXPECT_EQ(frame->Count(WM_WAVE_UPDATE), 0);
}

// The window and filter dialogs recompute from the source every time, so a
// refused window or design leaves the plain copy: OK keeps the samples. The
// two-waveform dialog disables OK when it refuses.
TEST_F(MathDialogsTest, TheOtherMathDialogsCommitNothingAfterAFailure) {
  g_WaveArray.RemoveAll();
  AddWave(*frame, MakeRecord("one", 1, 0.75f));
  CMath_windowdlg window;
  Run(window, [&](HWND d) {
    Choose(d, 1118, 2);  // Hanning of one sample
    ASSERT_NE(window.m_work[0], 0.75);
    boxes.Expect(IDOK, "Math Exception");
    Choose(d, 1118, 8);  // Fall Exp needs two samples
    Click(d, 1226);
  });
  EXPECT_EQ(Before(0), std::vector<float>{0.75f});

  g_WaveArray.RemoveAll();
  AddWave(*frame, SineRecord("sine", 1000));
  const std::vector<float> first = Before(0);
  CMath_lvbo filter;
  Run(filter, [&](HWND d) {
    SetText(d, 1058, "6");  // above fs / 2
    boxes.Expect(IDOK, "Math Exception");
    Click(d, 1213);
    Click(d, 1215);
  });
  EXPECT_EQ(Before(0), first);

  AddWave(*frame, SineRecord("slower", 1000));
  g_WaveArray[1].freq = 2.0;
  CMath_wavedlg two;
  Run(two, [&](HWND d) {
    Choose(d, 1111, 1);  // "+" with itself
    ASSERT_TRUE(IsWindowEnabled(Item(d, 1030)));
    boxes.Expect(IDOK, "T328");
    Choose(d, 1110, 1);  // another frequency
    ui_test::PressKey(Item(d, 1110), Qt::Key_Return);
    Click(d, 1030);
    EXPECT_FALSE(DialogHasEnded(d));
    Click(d, 1027);
  });
  EXPECT_EQ(Before(0), first);
}

TEST_F(MathDialogsTest, TwoWaveformsCombineOnlyWhenFrequencyAndCountAgree) {
  g_WaveArray[0].offset = 1.0;
  g_WaveArray[1].offset = 2.0;
  g_WaveArray[1].freq = 1000.0;
  g_WaveArray[1].frequnit = 2;  // 1000 Hz is 1 kHz
  const std::vector<float> a = Before(0), b = Before(1);
  CMath_wavedlg dlg;
  EXPECT_EQ(Run(dlg,
                [&](HWND d) {
                  EXPECT_FALSE(IsWindowEnabled(Item(d, 1030)));
                  Choose(d, 1110, 1);
                  EXPECT_FALSE(IsWindowEnabled(Item(d, 1030)));  // still "NO"
                  Choose(d, 1111, 1);
                  EXPECT_TRUE(IsWindowEnabled(Item(d, 1030)));
                  Review(d, "two-waveforms");
                  Click(d, 1030);
                }),
            IDOK);
  const CWaveData& r = g_WaveArray[0];
  double peak = 0;
  for (int k = 0; k < 1000; ++k) {
    const double sum = a[k] + static_cast<double>(b[k]);
    const float expected = static_cast<float>(sum > 5.0 ? 5.0 : (sum < 1.0 ? 1.0 : sum));
    ASSERT_EQ(r.thedata[k], expected) << k;
    peak = std::max(peak, std::fabs(static_cast<double>(expected)));
  }
  EXPECT_EQ(r.offset, 3.0);
  EXPECT_EQ(r.vpp, 2 * peak);
  EXPECT_EQ(Before(1), b);
  EXPECT_EQ(frame->received, (std::vector<FrameMessage>{{WM_WAVE_UPDATE, 0, 0}}));

  g_WaveArray[1].freq = 1.001;
  g_WaveArray[1].frequnit = 3;
  CMath_wavedlg refused;
  Run(refused, [&](HWND d) {
    Choose(d, 1110, 1);
    boxes.Expect(IDOK, "T328");
    Choose(d, 1111, 3);
    EXPECT_EQ(Selection(d, 1111), 0);
    EXPECT_FALSE(IsWindowEnabled(Item(d, 1030)));
    Click(d, 1027);
  });
}

TEST_F(MathDialogsTest, WindowsStartFromTheSourceEveryTime) {
  const std::vector<float> first = Before(0);
  CMath_windowdlg dlg;
  Run(dlg, [&](HWND d) {
    EXPECT_EQ(dlg.m_work.GetSize(), 1000u);  // the plain copy at once
    Choose(d, 1118, 2);
    Choose(d, 1118, 3);  // Hamming of the source, not of the Hanning result
    SG::CSgScalarVector<double> expected(SG::CSgScalarVector<float>(g_WaveArray[0].thedata));
    SG::HammingWindow(expected);
    for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(dlg.m_work[i], expected[i]) << i;
    Choose(d, 1118, 10);  // Force keeps the first half
    for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(dlg.m_work[i], i < 500 ? first[i] : 0.0) << i;
    Review(d, "window");
    Click(d, 1226);
  });
  const std::vector<float> after = Before(0);
  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(after[i], i < 500 ? first[i] : 0.0f);

  CMath_windowdlg unchanged;
  Run(unchanged, [&](HWND d) { ui_test::PressKey(Item(d, 1118), Qt::Key_Return); });
  EXPECT_EQ(Before(0), after);
}

TEST_F(MathDialogsTest, AnEmptyWaveformShowsItsMessageAndWindowsRefuseIt) {
  g_WaveArray.RemoveAll();
  AddWave(*frame, MakeRecord("empty", 0));
  CMath_windowdlg dlg;
  boxes.Expect(IDOK, "T302");
  Run(dlg, [&](HWND d) {
    boxes.Expect(IDOK, "Math Exception");
    Choose(d, 1118, 2);
    Click(d, 1072);
  });
}

// A step at the top of the float range overshoots it when filtered: the
// doubles are finite, their float samples would not be, so OK refuses.
TEST_F(MathDialogsTest, ResultsBeyondTheFloatRangeAreNotCommitted) {
  g_WaveArray[0].thedata.Fill(3.4e38f);
  CMath_lvbo dlg;
  Run(dlg, [&](HWND d) {
    boxes.Expect(IDOK, "T680");
    Click(d, 1215);
    EXPECT_FALSE(DialogHasEnded(d));
    Click(d, 1214);
  });
  EXPECT_EQ(g_WaveArray[0].thedata[500], 3.4e38f);
  EXPECT_EQ(frame->Count(WM_WAVE_UPDATE), 0);
}

TEST(FilterUnits, FieldValuesInHertz) {
  EXPECT_EQ(ToHertz(10, 3), 10000.0);
  EXPECT_EQ(ToHertz(100, 2), 100.0);
  EXPECT_EQ(ToHertz(5, 0), 5e-6);
  EXPECT_EQ(ToHertz(5, 1), 5e-3);
  EXPECT_EQ(ToHertz(5, 4), 5e6);
  EXPECT_EQ(ToHertz(5, 5), 0.0);
}

TEST_F(MathDialogsTest, FiltersRunWithTheirFieldsAndRefusedDesignsKeepTheCopy) {
  const std::vector<float> first = Before(0);
  auto expected = [&](auto call) {
    SG::CSgScalarVector<double> w(SG::CSgScalarVector<float>(g_WaveArray[0].thedata));
    call(w);
    return w;
  };
  CMath_lvbo dlg;
  EXPECT_EQ(Run(dlg,
                [&](HWND d) {
                  const auto low = expected([](auto& w) { SG::ButterworthLowPass(w, 10, 0.1, 5); });
                  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(dlg.m_work[i], low[i]);
                  EXPECT_FALSE(IsWindowEnabled(Item(d, 1062)));
                  Choose(d, 1123, 1);  // a high-pass takes the high cut-off
                  EXPECT_FALSE(IsWindowEnabled(Item(d, 1058)));
                  EXPECT_FALSE(IsWindowEnabled(Item(d, 1066)));
                  EXPECT_TRUE(IsWindowEnabled(Item(d, 1062)));
                  EXPECT_TRUE(IsWindowEnabled(Item(d, 1052)));
                  Choose(d, 1123, 6);  // a band takes both
                  EXPECT_TRUE(IsWindowEnabled(Item(d, 1058)));
                  EXPECT_TRUE(IsWindowEnabled(Item(d, 1062)));
                  SetText(d, 1058, "2");
                  boxes.Expect(IDOK, "Math Exception");  // fl 2 above fh 1
                  Click(d, 1213);
                  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(dlg.m_work[i], first[i]);
                  Choose(d, 1123, 0);
                  SetText(d, 1058, "6");  // above fs / 2
                  boxes.Expect(IDOK, "Math Exception");
                  Click(d, 1213);
                  SetText(d, 1054, "10");
                  Choose(d, 1064, 3);  // 10 kHz
                  SetText(d, 1058, "100");
                  Click(d, 1213);
                  const auto hz = expected([](auto& w) { SG::ButterworthLowPass(w, 1e4, 100, 5); });
                  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(dlg.m_work[i], hz[i]);
                  SetText(d, 1053, "2");  // no filtering without the button
                  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(dlg.m_work[i], hz[i]);
                  Review(d, "filter");
                  Click(d, 1215);
                }),
            IDOK);
  const auto hz = [&] {
    SG::CSgScalarVector<double> w(SG::CSgScalarVector<float>(SineRecord("x", 1000).thedata));
    SG::ButterworthLowPass(w, 1e4, 100, 5);
    return w;
  }();
  for (unsigned i = 0; i < 1000; ++i)
    ASSERT_EQ(g_WaveArray[0].thedata[i], static_cast<float>(hz[i]));
}

}  // namespace
