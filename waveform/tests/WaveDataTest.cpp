#include "WaveTestSupport.h"

namespace {

TEST(WaveData, ConstructorDefaults) {
  const CWaveData w;
  EXPECT_EQ(w.wavename, "");
  EXPECT_EQ(w.filepath, "");
  for (int v : {w.pointcount, w.spanunit, w.bits, w.periodunit, w.frequnit, w.timemode, w.shape,
                w.samplecount, w.displaylen, w.vppunit, w.offsetunit, w.cycles, w.duty, w.symmetry,
                w.sincparam, w.savetype})
    EXPECT_EQ(v, 0);
  for (double v :
       {w.span, w.period, w.freq, w.vpp, w.offset, w.phase, w.width, w.edge, w.expfactor})
    EXPECT_EQ(v, 0.0);
  for (bool v :
       {w.saved, w.cursorson, w.pointview, w.tracking, w.freehand, w.hline, w.vline, w.twopoint})
    EXPECT_FALSE(v);
  EXPECT_TRUE(w.grid);
  EXPECT_EQ(w.dispstep, 1);
  EXPECT_EQ(w.thedata.GetSize() + w.showdata.GetSize() + w.copydata.GetSize(), 0u);
}

TEST(WaveData, CopiesOwnTheirSamplesAndMovesHandThemOver) {
  CWaveData a = Record({1, 2, 3});
  a.wavename = "a";
  CWaveData b(a);
  b.thedata[0] = 9;
  b.showdata[1] = 9;
  EXPECT_EQ(Items(a.thedata), (Floats{1, 2, 3}));
  EXPECT_EQ(Items(a.showdata), (Floats{1, 2, 3}));
  EXPECT_EQ(b.wavename, "a");

  const float* samples = a.thedata.GetData();
  CWaveData c(std::move(a));
  EXPECT_EQ(c.thedata.GetData(), samples);
  EXPECT_EQ(a.thedata.GetSize(), 0u);
}

// n samples: display step, display length.
struct DecimationRow {
  unsigned int n, step, length;
};

TEST(WaveData, DisplayStepAndLength) {
  const DecimationRow rows[] = {
      {0, 1, 0},
      {1, 1, 1},
      {5000000, 1, 5000000},
      {5000001, 2, 2500000},
      {10000000, 2, 5000000},
      {10000001, 3, 3333333},
      {20971520, 5, 4194304},
  };
  for (const DecimationRow& r : rows) {
    SCOPED_TRACE(r.n);
    EXPECT_EQ(DisplayStepFor(r.n), r.step);
    EXPECT_EQ(r.n / DisplayStepFor(r.n), r.length);
  }
}

// The display holds every k-th sample; with k = 1 it is a copy.
TEST(WaveData, DisplayDecimationPicksEveryKthSample) {
  for (unsigned int n : {5000001u, 10000001u}) {
    CWaveData w;
    w.thedata = Vec(Ramp(n));
    DisplayDecimation(w);
    const int k = static_cast<int>(DisplayStepFor(n));
    ASSERT_EQ(w.dispstep, k);
    ASSERT_EQ(w.displaylen, static_cast<int>(n / k));
    ASSERT_EQ(w.showdata.GetSize(), n / k);
    EXPECT_EQ(w.showdata[0], 0.0f);
    EXPECT_EQ(w.showdata[1], static_cast<float>(k));
    EXPECT_EQ(w.showdata[w.displaylen - 1], static_cast<float>((n / k - 1) * k));
  }
  CWaveData small;
  small.thedata = Vec({4, 5, 6});
  small.dispstep = 7;
  DisplayDecimation(small);
  EXPECT_EQ(small.dispstep, 1);
  EXPECT_EQ(small.displaylen, 3);
  EXPECT_EQ(Items(small.showdata), (Floats{4, 5, 6}));
}

}  // namespace
