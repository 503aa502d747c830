// The table view's arithmetic without its window: pages, cell texts, the
// range check and the record OK leaves behind.
#include "shell/tableview/TableEdits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TableEdits, PagesHold1024RowsAndTheLastOneTheRest) {
  struct Row {
    int samples, pages, lastFirst, lastEnd;
  };
  for (const Row& r : {Row{0, 1, 0, 0}, Row{1, 1, 0, 1}, Row{1024, 1, 0, 1024},
                       Row{1025, 2, 1024, 1025}, Row{3 * 1024 + 7, 4, 3072, 3079}}) {
    EXPECT_EQ(TablePageCount(r.samples), r.pages) << r.samples;
    EXPECT_EQ(TablePageFirst(r.pages), r.lastFirst) << r.samples;
    EXPECT_EQ(TablePageEnd(r.pages, r.samples), r.lastEnd) << r.samples;
  }
}

TEST(TableEdits, ACellIsANumberOnlyWhenItHoldsNothingElse) {
  struct Row {
    const char* text;
    bool number;
    double value;
  };
  for (const Row& r : {Row{"1.5", true, 1.5}, Row{" -0.25 ", true, -0.25}, Row{"2e-3", true, 0.002},
                       Row{"7", true, 7.0}, Row{"", false, 0}, Row{"   ", false, 0},
                       Row{"abc", false, 0}, Row{"1.5V", false, 0}, Row{"1,5", false, 0},
                       Row{"inf", false, 0}, Row{"1e400", false, 0}, Row{"0x10", false, 0}}) {
    const std::optional<double> read = ReadTableNumber(r.text);
    EXPECT_EQ(read.has_value(), r.number) << '"' << r.text << '"';
    if (read && r.number) EXPECT_DOUBLE_EQ(*read, r.value) << r.text;
  }
  EXPECT_EQ(TableSampleText(1.234567f, 0), CString("1.23457"));
  EXPECT_EQ(TableSampleText(-2500.0f, 1), CString("-2.50000"));  // a record kept in mV
}

SG::CSgScalarVector<float> Samples(std::initializer_list<float> values) {
  SG::CSgScalarVector<float> v;
  v.SetSize(static_cast<unsigned>(values.size()), true);
  int i = 0;
  for (float f : values) v[i++] = f;
  return v;
}

TEST(TableEdits, TheRangeCheckNamesTheFirstSampleBeyondTenVolts) {
  TableExtremes e = ScanTableSamples(Samples({0.5f, -2.0f, 10.0f, -10.0f}));
  EXPECT_TRUE(e.InRange());
  EXPECT_EQ(e.largest, 10.0);
  EXPECT_EQ(e.smallest, -10.0);
  EXPECT_EQ(ScanTableSamples(Samples({1.0f, 10.5f, -11.0f})).outOfRange, 1);
  EXPECT_EQ(ScanTableSamples(Samples({1.0f, std::nanf("")})).outOfRange, 1);
}

TEST(TableEdits, AConstantWaveformKeepsAUsableSpan) {
  EXPECT_EQ(TableSpan(1.5, -0.5), 2.0);
  EXPECT_EQ(TableSpan(0.0, 0.0), 2.0);
  EXPECT_EQ(TableSpan(-3.7, -3.7), 8.0);
}

CWaveData SavedRecord() {
  CWaveData wave;
  wave.wavename = "Wave1";
  wave.thedata = Samples({0.5f, -1.0f, 2.0f});
  wave.samplecount = wave.pointcount = 3;
  wave.freq = 1000.0;
  wave.frequnit = 2;
  wave.spanunit = 1;
  wave.vppunit = 1;
  wave.offsetunit = 1;
  wave.saved = true;
  DisplayDecimation(wave);
  return wave;
}

TEST(TableEdits, OkStoresVoltsThePeriodInTheFrequencysUnitAndTheExtremes) {
  WaveEntry entry(SavedRecord());
  CWaveData& wave = entry.record;
  TableEdits edits{"Renamed", 4.0, 3, ScanTableSamples(Samples({0.5f, -1.0f, 3.0f}))};
  ApplyTableEdits(entry, Samples({0.5f, -1.0f, 3.0f}), edits);
  EXPECT_EQ(wave.wavename, CString("Renamed"));
  EXPECT_EQ(wave.freq, 4.0);
  EXPECT_EQ(wave.frequnit, 3);
  EXPECT_EQ(wave.period, 250.0);  // 4 kHz: 250 us
  EXPECT_EQ(wave.periodunit, 3);
  EXPECT_EQ(wave.vpp, 4.0);
  EXPECT_EQ(wave.span, 4.0);
  EXPECT_EQ(wave.offset, 1.0);
  EXPECT_EQ(wave.spanunit + wave.vppunit + wave.offsetunit, 0);
  EXPECT_EQ(wave.bits, 14);
  EXPECT_EQ(wave.showdata[2], 3.0f);
  EXPECT_EQ(wave.displaylen, 3);
  EXPECT_FALSE(wave.saved);
}

TEST(TableEdits, AnUnchangedOkKeepsTheWaveformSavedAndAZeroFrequencyHasNoPeriod) {
  WaveEntry entry(SavedRecord());
  CWaveData& wave = entry.record;
  ApplyTableEdits(entry, Samples({0.5f, -1.0f, 2.0f}),
                  {"Wave1", 1000.0, 2, ScanTableSamples(wave.thedata)});
  EXPECT_TRUE(wave.saved);
  EXPECT_EQ(wave.period, 1.0);
  ApplyTableEdits(entry, Samples({0.5f, -1.0f, 2.0f}),
                  {"Wave1", 0.0, 2, ScanTableSamples(wave.thedata)});
  EXPECT_EQ(wave.period, 0.0);
  EXPECT_FALSE(std::signbit(wave.period));
  EXPECT_FALSE(wave.saved);
}

TEST(TableEdits, NamesAreCountedInCharacters) {
  EXPECT_EQ(TableNameLength("Wave1"), 5);
  EXPECT_EQ(TableNameLength("波形一"), 3);
  EXPECT_EQ(TableNameLength(""), 0);
}

}  // namespace
