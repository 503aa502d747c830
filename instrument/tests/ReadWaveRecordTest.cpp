#include "instrument/ReadWaveRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadWaveRecord, TheReadBackBecomesARecord) {
  LastReadWave read;
  read.name = "ramp";
  read.frequency = 500;
  read.frequencyUnit = 2;
  read.period = 2;
  read.periodUnit = 2;
  read.amplitude = 4;
  read.amplitudeUnit = 1;
  read.offset = 0.5;
  read.offsetUnit = 1;
  read.phase = 90;
  read.samples.SetSize(3, FALSE);
  read.samples[2] = 1.5f;

  const CWaveData w = RecordFromLastRead(read);
  EXPECT_EQ(w.wavename, "ramp");
  EXPECT_EQ(w.pointcount, 3);
  EXPECT_EQ(w.samplecount, 3);
  EXPECT_EQ(w.thedata[2], 1.5f);
  EXPECT_EQ(w.displaylen, 3);
  EXPECT_EQ(w.showdata[2], 1.5f);
  EXPECT_EQ(w.span, 4);
  EXPECT_EQ(w.spanunit, 1);
  EXPECT_EQ(w.freq, 500);
  EXPECT_EQ(w.frequnit, 2);
  EXPECT_EQ(w.period, 2);
  EXPECT_EQ(w.periodunit, 2);
  EXPECT_EQ(w.offset, 0.5);
  EXPECT_EQ(w.offsetunit, 1);
  EXPECT_EQ(w.timemode, 0);
  EXPECT_EQ(w.phase, 0);  // not carried over
  EXPECT_EQ(w.vpp, 0);
  EXPECT_FALSE(w.saved);  // a read-back asks before it is closed
  EXPECT_FALSE(w.cursorson);
}

}  // namespace
