#include "ReadText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Samples = std::vector<float>;

// Every layout the CSV reader knows, one row each.
TEST(CsvReader, Layouts) {
  struct Row {
    const char* name;
    std::string text;
    Samples samples;
  };
  const Row rows[] = {
      {"header CSV as the editor writes it",
       "data length,3\r\nfrequency,1000.000000000\r\namp,2.000000000\r\noffset,0.000000000\r\n"
       "phase,0.000000000\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nxpos,value\r\n"
       "0.000000e+000,0.25000\r\n3.333333e-004,-0.50000\r\n6.666667e-004,1.00000\r\n",
       {0.25f, -0.5f, 1.0f}},
      {"Second,Volt after a header block",
       "Model,X\nChannel,1\nSecond,Volt\n-1.0e-3,0.5\n0.0,0.75\n1.0e-3,-1\n",
       {0.5f, 0.75f, -1.0f}},
      {"Time,Ampl in the fourth line", "a\nb\nc\nTime,Ampl\n1e-6,0.25\n2e-6,0.5\n", {0.25f, 0.5f}},
      {"column header after a leading field reads the field after it",
       "index,Second,Volt\n0,0.1,7\n1,0.2,8\n",
       {7.0f, 8.0f}},
      {"numeric line after a header block",
       "Scope data\nunits,V\n1e-6,0.25\n2e-6,0.5\n",
       {0.25f, 0.5f}},
      {"the first data line right after a one-letter header line", "a\n1,2\n3,4\n", {2.0f, 4.0f}},
      {"numeric lines from the first line", "0.000,1.5\n0.001,2.5\n", {1.5f, 2.5f}},
      {"Points: the text after the last comma",
       "Points\nP1,0.5\nP2,x,0.25\n3\n",
       {0.5f, 0.25f, 3.0f}},
      {"Amplitude: one value a line",
       "Amplitude\r\n0.00000\r\n1.00000\r\n-0.50000\r\n",
       {0.0f, 1.0f, -0.5f}},
      {"a single column without a title", "-0.5\n0.5\n1.5\n", {-0.5f, 0.5f, 1.5f}},
      {"a first line with a comma is skipped with the next two",
       "Label,Value\nskip\nskip too\n4\n5\n",
       {4.0f, 5.0f}},
      {"upper-case E is no number character: single column", "1E-6\n2E-6\n", {1e-6f, 2e-6f}},
  };
  for (const Row& row : rows) {
    const TextRead read = ReadCsv(row.text);
    ASSERT_GE(read.result, 0) << row.name << ": message " << read.status.messageId;
    EXPECT_EQ(read.samples, row.samples) << row.name;
    EXPECT_EQ(read.wave.samplecount, static_cast<int>(row.samples.size())) << row.name;
    EXPECT_EQ(read.wave.pointcount, static_cast<int>(row.samples.size())) << row.name;
  }
}

// Lines the reader passes over (blank ones), and lines it refuses with their
// number instead of skipping, zeroing or taking the value of the next line.
TEST(CsvReader, LinesKeptSkippedAndRefused) {
  struct Row {
    const char* name;
    std::string text;
    Samples samples;     // when read
    long long line = 0;  // when refused: the line named
    int message = 0;
  };
  const Row rows[] = {
      {"blank lines are no samples", "xpos,value\n0,1\n\n  \n0,2\r\n\r\n0,3\n\n", {1, 2, 3}},
      {"LF and CR LF mixed", "xpos,value\r\n0,1\n0,2\r\n0,3\n0,4\r\n", {1, 2, 3, 4}},
      {"byte-order mark", "\xEF\xBB\xBFxpos,value\n0,1\n0,2\n", {1, 2}},
      {"byte-order mark before a single column",
       "\xEF\xBB\xBF"
       "Amplitude\n1\n2\n",
       {1, 2}},
      {"last line without a line feed", "xpos,value\n0,1\n0,2", {1, 2}},
      {"a line without a comma", "xpos,value\n0,1\n7\n0,3\n", {}, 3, 631},
      {"an empty field", "xpos,value\n0,1\n0,\n0,3\n", {}, 3, 631},
      {"an empty field with a carriage return", "xpos,value\n0,1\n0,\r\n0,3\n", {}, 3, 631},
      {"a field that is not a number", "xpos,value\n0,1\n0,2\n0,n/a\n", {}, 4, 631},
      {"a comma in a single column", "Amplitude\n1\nx,3\n", {}, 3, 631},
      {"Horizontal turns numeric lines into a refused single column",
       "Horizontal,units\nx\ny\n1e-6,0.25\n",
       {},
       4,
       631},
      {"a sample beyond the float range", "xpos,value\n0,1\n0,1e39\n", {}, 3, 354},
      {"a header without data", "xpos,value\r\n", {}, 0, 354},
      {"an empty file", "", {}, 0, 354},
      {"a single sample", "Amplitude\n1\n", {}, 0, 354},
      {"a title line alone", "Points\n", {}, 0, 354},
  };
  for (const Row& row : rows) {
    const TextRead read = ReadCsv(row.text);
    if (row.message == 0) {
      ASSERT_GE(read.result, 0) << row.name << ": message " << read.status.messageId;
      EXPECT_EQ(read.samples, row.samples) << row.name;
    } else {
      EXPECT_LT(read.result, 0) << row.name;
      EXPECT_EQ(read.status.messageId, row.message) << row.name;
      EXPECT_EQ(read.status.line, row.line) << row.name;
      EXPECT_EQ(read.wave.thedata.GetSize(), 0u) << row.name << ": a failed read keeps nothing";
    }
  }
}

// A blank inside a value is removed, as the program's text-to-number
// conversion removes it ("1 000" is 1000); a value is never read from the
// start of its field only: what is left is a number as a whole or the line
// is refused with its number.
TEST(CsvReader, BlanksInsideAValueAndNoValueFromAPrefix) {
  struct Row {
    const char* name;
    std::string text;
    Samples samples;     // when read
    long long line = 0;  // when refused
  };
  const Row rows[] = {
      {"thousands apart", "xpos,value\n0,1 000\n0,2\n", {1000, 2}},
      {"numeric lines", "0,1 000\n0,- 2.5\n", {1000, -2.5f}},
      {"a blank between the digits", "xpos,value\n0,1.5 9\n0,2\n", {1.59f, 2}},
      {"blanks around and in the exponent", "xpos,value\n0, 1 e 3 \n0,2\n", {1000, 2}},
      {"tabs around the value", "xpos,value\n0,\t1.5\t\n0,2\n", {1.5f, 2}},
      {"a single column", "Amplitude\r\n1 000\r\n- 0.5\r\n", {1000, -0.5f}},
      {"Points", "Points\nP1,1 000\nP2,2\n", {1000, 2}},
      {"a unit after the value", "xpos,value\n0,1\n0,3.3V\n", {}, 3},
      {"a word after a blank", "xpos,value\n0,1\n0,1.5 x\n", {}, 3},
      {"a tab inside the value", "xpos,value\n0,1\n0,1\t000\n", {}, 3},
      {"an exponent without digits", "xpos,value\n0,1\n0,1e\n", {}, 3},
      {"hexadecimal", "xpos,value\n0,1\n0,0x10\n", {}, 3},
      {"a single column with a word", "Amplitude\n1\n2 volts\n", {}, 3},
  };
  for (const Row& row : rows) {
    const TextRead read = ReadCsv(row.text);
    if (row.line == 0) {
      ASSERT_GE(read.result, 0) << row.name << ": message " << read.status.messageId;
      EXPECT_EQ(read.samples, row.samples) << row.name;
    } else {
      EXPECT_LT(read.result, 0) << row.name;
      EXPECT_EQ(read.status.messageId, WaveFileMessage::kUnreadableLine) << row.name;
      EXPECT_EQ(read.status.line, row.line) << row.name;
    }
  }
}

// The original program wrote an amplitude CSV through a file mapping of whole
// windows: the text, then NUL bytes up to the window's end. Those NULs are
// padding; a NUL among the lines is damage and refuses its line.
TEST(CsvReader, NulPaddingAfterTheLinesIsNoData) {
  const std::string lines = "Amplitude\r\n0.00000\r\n1.00000\r\n-0.50000\r\n";
  ASSERT_EQ(lines.size(), 39u);
  const std::string padded = lines + std::string(65536 - 39, '\0');
  for (std::size_t chunk : {read_outfile_wave_data_main_t::kChunkSize, std::size_t{4096},
                            std::size_t{40}, std::size_t{16}}) {
    const TextRead read = ReadCsv(padded, chunk);
    ASSERT_GE(read.result, 0) << "chunk " << chunk << ": message " << read.status.messageId
                              << " line " << read.status.line;
    EXPECT_EQ(read.samples, (Samples{0.0f, 1.0f, -0.5f})) << "chunk " << chunk;
  }
  const TextRead noLineEnd = ReadCsv("Amplitude\r\n1\r\n2" + std::string(100, '\0'));
  ASSERT_GE(noLineEnd.result, 0);
  EXPECT_EQ(noLineEnd.samples, (Samples{1, 2}));

  using namespace std::string_literals;
  struct Row {
    const char* name;
    std::string text;
    long long line;
  };
  const Row refused[] = {
      {"a NUL after a value", "Amplitude\r\n0.5\r\n1\0\r\n2\r\n"s, 3},
      {"a line of NULs between lines", "Amplitude\r\n0.5\r\n\0\0\0\r\n2\r\n"s, 3},
      {"NULs and then more data", lines + std::string(5000, '\0') + "7\r\n", 5},
      {"a NUL in a column", "xpos,value\n0,1\n0,\0"s + "2\n0,3\n", 3},
  };
  for (const Row& row : refused) {
    for (std::size_t chunk : {read_outfile_wave_data_main_t::kChunkSize, std::size_t{16}}) {
      const TextRead read = ReadCsv(row.text, chunk);
      EXPECT_LT(read.result, 0) << row.name;
      EXPECT_EQ(read.status.messageId, WaveFileMessage::kUnreadableLine) << row.name;
      EXPECT_EQ(read.status.line, row.line) << row.name << " chunk " << chunk;
    }
  }
}

TEST(CsvReader, Frequency) {
  struct Row {
    const char* header;
    double frequency;
    double period;
    int notice;
  };
  const Row rows[] = {
      {"frequency,2000\n", 2000.0, 0.5, 0},
      {"frequency,1000.000000000\r\n", 1000.0, 1.0, 0},
      {"", 1000.0, 1.0, 0},
      {"frequency,0\n", 1000.0, 1.0, 633},
      {"frequency,-5\n", 1000.0, 1.0, 633},
      {"frequency,abc\n", 1000.0, 1.0, 633},
      {"frequency,1e400\n", 1000.0, 1.0, 633},
  };
  for (const Row& row : rows) {
    const TextRead read = ReadCsv(std::string(row.header) + "xpos,value\n0,1\n0,2\n");
    ASSERT_GE(read.result, 0) << row.header;
    EXPECT_EQ(read.wave.freq, row.frequency) << row.header;
    EXPECT_EQ(read.wave.frequnit, 2) << row.header;
    EXPECT_EQ(read.wave.period, row.period) << row.header;
    EXPECT_EQ(read.wave.periodunit, 2) << row.header;
    EXPECT_EQ(read.status.noticeId, row.notice) << row.header;
  }
}

// What every reader sets in the record, and the extremes taken from the
// samples alone: a single column whose values all lie above 4.0 reports its
// true smallest value.
TEST(CsvReader, CompletesTheRecord) {
  const TextRead read = ReadCsv("Amplitude\n5.5\n4.5\n6.5\n");
  ASSERT_GE(read.result, 0);
  const CWaveData& wave = read.wave;
  EXPECT_EQ(wave.wavename, "wave");
  EXPECT_EQ(wave.filepath, "/data/wave.csv");
  EXPECT_TRUE(wave.saved);
  EXPECT_EQ(wave.savetype, 1);
  EXPECT_EQ(wave.timemode, 0);
  EXPECT_EQ(wave.vpp, 2.0);
  EXPECT_EQ(wave.offset, 5.5);
  EXPECT_EQ(wave.span, 14.0);
  EXPECT_EQ(wave.spanunit, 0);
  EXPECT_EQ(wave.phase, 0.0);
  EXPECT_FALSE(wave.cursorson);
  EXPECT_EQ(wave.dispstep, 1);
  EXPECT_EQ(wave.displaylen, 3);
  EXPECT_EQ(wave.showdata.GetSize(), 3u);
}

// Every chunk size gives the same samples: lines split anywhere between two
// chunks are read whole, once. (The header block, where the layout is found,
// lies in the first chunk.)
TEST(CsvReader, ChunkBoundariesLoseNothing) {
  struct Row {
    std::string text;
    std::size_t header;  // bytes the first chunk must hold
  };
  const Row rows[] = {
      {"\xEF\xBB\xBF"
       "frequency,2000\r\nxpos,value\r\n0,1.25\r\n1,-2.5\n\n2,3.75\r\n3,4\n",
       31},
      {"Amplitude\r\n0.5\r\n\r\n-0.25\r\n0.125", 11},
      {"a\nb\n1e-6,10\n2e-6,20\n3e-6,30\n", 12},
  };
  for (const auto& [text, header] : rows) {
    const TextRead whole = ReadCsv(text);
    ASSERT_GE(whole.result, 0) << text;
    for (std::size_t chunk = header; chunk <= text.size() + 1; ++chunk) {
      const TextRead read = ReadCsv(text, chunk);
      ASSERT_GE(read.result, 0) << "chunk " << chunk;
      EXPECT_EQ(read.samples, whole.samples) << "chunk " << chunk << " of " << text;
      EXPECT_EQ(read.wave.freq, whole.wave.freq) << "chunk " << chunk;
    }
  }
}

// The reader's own chunk size: a line that straddles the first 10 MiB.
TEST(CsvReader, LineAcrossTheTenMebibyteBoundary) {
  std::string text = "xpos,value\n";
  const std::string line = "0.000000e+000,0.12500\n";
  std::size_t count = 0;
  while (text.size() + line.size() <= read_outfile_wave_data_main_t::kChunkSize - 7) {
    text += line;
    ++count;
  }
  text += "9.999999e-001,-0.75000\n";  // crosses the boundary
  text += line;
  count += 2;
  const TextRead read = ReadCsv(text);
  ASSERT_GE(read.result, 0);
  ASSERT_EQ(read.samples.size(), count);
  EXPECT_EQ(read.samples[count - 2], -0.75f);
  EXPECT_EQ(read.samples[count - 1], 0.125f);
  EXPECT_EQ(read.samples[count - 3], 0.125f);
}

}  // namespace
