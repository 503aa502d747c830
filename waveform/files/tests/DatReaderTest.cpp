#include "ReadText.h"

#include "waveform/files/TextLayouts.h"

#include <gtest/gtest.h>

namespace {

using Samples = std::vector<float>;

TEST(DatReader, Separators) {
  struct Row {
    const char* name;
    std::string text;
    Samples samples;
  };
  const Row rows[] = {
      {"comma: the second field of every line, the first included",
       "0.000,1.5\n0.001,2.5\n0.002,-3\n",
       {1.5f, 2.5f, -3}},
      {"tab", "0\t1.5\r\n1\t2.5\r\n", {1.5f, 2.5f}},
      {"tab with a blank inside the second field", "0\t1 000.5\n1\t- 2.5\n", {1000.5f, -2.5f}},
      {"comma with a blank inside the second field", "0,1 000\n1,2\n", {1000, 2}},
      {"blanks: a blank parts the fields", "0 1 000\n1 2 3\n", {1, 2}},
      {"an empty first field", ",1\n,2\n", {1, 2}},
      {"an empty first field in the first line only", ",1\n0,2\n", {1, 2}},
      {"an empty first field before a tab", "\t1\n\t2\n", {1, 2}},
      {"blank: the second field, not the fields run together", "1.5 9\n2.5 8\n", {9, 8}},
      {"runs of blanks and leading blanks", "  0.0    1.25\n  1.0    -2\n", {1.25f, -2}},
      {"none: the whole line, the first included", "-0.5\n0.5\n", {-0.5f, 0.5f}},
      {"comma before a later tab", "0,1\t\n1,2\t\n", {1, 2}},
      {"blank and mixed line ends", "0,1\r\n\n1,2\n\r\n2,3", {1, 2, 3}},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "0,1\n1,2\n",
       {1, 2}},
  };
  for (const Row& row : rows) {
    const TextRead read = ReadDat(row.text);
    ASSERT_GE(read.result, 0) << row.name << ": message " << read.status.messageId;
    EXPECT_EQ(read.samples, row.samples) << row.name;
    EXPECT_EQ(read.wave.freq, 1000.0) << row.name;
    EXPECT_EQ(read.wave.period, 1.0) << row.name;
  }
}

TEST(DatReader, Refusals) {
  struct Row {
    const char* name;
    std::string text;
    int message;
    long long line;
  };
  const Row rows[] = {
      {"a header line", "Time,Value\n0,1\n1,2\n", 356, 1},
      {"an upper-case E in the first field", "1E-3,1\n2E-3,2\n", 356, 1},
      {"a single data line", "0,1\n", 356, 0},
      {"an empty file", "", 356, 0},
      {"a line without the separator", "0,1\n5\n1,2\n", 631, 2},
      {"an empty second field", "0,1\n1,\n2,3\n", 631, 2},
      {"a line with one blank-separated field", "0 1\n7\n1 2\n", 631, 2},
      {"two tabs: an empty second field", "0\t1\n1\t\t5\n", 631, 2},
      {"a value beyond the float range", "0,1\n1,-1e39\n", 356, 2},
      {"a word after a blank in a tab-separated field", "0\t1.5 x\n1\t2\n", 631, 1},
      {"a unit after the value", "0,1\n1,2V\n", 631, 2},
      {"a tab inside a comma-separated value", "0,1\t9\n1,2\n", 631, 1},
  };
  for (const Row& row : rows) {
    const TextRead read = ReadDat(row.text);
    EXPECT_LT(read.result, 0) << row.name;
    EXPECT_EQ(read.status.messageId, row.message) << row.name;
    EXPECT_EQ(read.status.line, row.line) << row.name;
  }
  EXPECT_GE(ReadDat("0,1\n1,2\n").result, 0) << "two lines are enough";
}

// A first line that is not data is reported on standard output as well:
// the code of its first character that is not a number character (a signed
// byte) and that character's place in the line.
TEST(DatReader, TheRefusedFirstLineIsNamedOnStandardOutput) {
  const std::pair<std::string, std::string> rows[] = {
      {"Time,Value\n0,1\n1,2\n", "check_format_vaild fail:c_num=84,ypos=0\n"},
      {"1E-3,1\n2E-3,2\n", "check_format_vaild fail:c_num=69,ypos=1\n"},
      {"\xC3\xA9\t1\n0\t2\n", "check_format_vaild fail:c_num=-61,ypos=0\n"},
      {"0,1\n1,2\n", ""},
      {",1\n,2\n", ""},
  };
  for (const auto& [text, printed] : rows) {
    testing::internal::CaptureStdout();
    ReadDat(text);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), printed) << text;
  }
}

// The extremes are the samples' own: all-positive values no longer report
// a smallest value of 0.0.
TEST(DatReader, ExtremesFromTheSamples) {
  const TextRead read = ReadDat("0,2\n1,3\n2,2.5\n");
  ASSERT_GE(read.result, 0);
  EXPECT_EQ(read.wave.vpp, 1.0);
  EXPECT_EQ(read.wave.offset, 2.5);
  EXPECT_EQ(read.wave.span, 8.0);
}

// A reader with a small limit shows the limit rule every text reader
// shares: the limit itself is read, one value more refuses the file.
class LimitedReader final : public read_outfile_wave_data_main_t {
 public:
  LimitedReader(CWaveData& wave, std::size_t limit)
      : read_outfile_wave_data_main_t(wave), m_limit(limit) {}

 protected:
  bool find_data_start(std::string_view text, bool whole, DataLayout& layout) override {
    layout = FindCsvLayout(text, whole);
    return true;
  }
  int failure_message() const override { return 354; }
  std::size_t value_limit() const override { return m_limit; }

 private:
  std::size_t m_limit;
};

TEST(TextReaders, ValueLimitHoldsForEveryLayout) {
  const std::string layouts[] = {"xpos,value\n0,1\n0,2\n0,3\n", "Amplitude\n1\n2\n3\n",
                                 "1\n2\n3\n"};
  for (const std::string& text : layouts) {
    for (std::size_t limit : {3u, 2u}) {
      CWaveData wave;
      LimitedReader reader(wave, limit);
      CMemFile file = MemoryFile(text);
      const int result = reader.read_file(file, "p", "t");
      EXPECT_EQ(result >= 0, limit == 3) << text << " limit " << limit;
      if (limit == 2) {
        EXPECT_EQ(reader.status().messageId, 354);
      }
    }
  }
  EXPECT_EQ(read_csv_wave_data_main_t::kValueLimit, 41943040u);
  EXPECT_EQ(read_dat_wave_data_main_t::kValueLimit, 16777216u);
}

}  // namespace
