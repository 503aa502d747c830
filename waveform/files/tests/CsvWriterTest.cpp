#include "waveform/files/CsvWriters.h"
#include "waveform/files/WaveFileOpen.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

CWaveData Wave(const std::vector<float>& samples) {
  CWaveData wave;
  wave.wavename = "w";
  wave.thedata.SetSize(static_cast<unsigned>(samples.size()), TRUE);
  for (std::size_t i = 0; i < samples.size(); ++i)
    wave.thedata[static_cast<unsigned>(i)] = samples[i];
  return wave;
}

TEST(CsvWriters, AmplitudeCsvHoldsExactlyItsText) {
  TestFolder folder;
  const CWaveData wave = Wave({0.0f, 1.0f, -0.5f});
  const std::string path = folder / "a.csv";
  ASSERT_TRUE(WriteAmplitudeCsvFile(wave, path.c_str()).ok());
  EXPECT_EQ(ReadBytes(path), "Amplitude\r\n0.00000\r\n1.00000\r\n-0.50000\r\n");
  EXPECT_EQ(AmplitudeCsvSize(wave), 39u);
}

TEST(CsvWriters, HeaderCsvBytes) {
  TestFolder folder;
  CWaveData wave = Wave({0.0f, 0.5f, -1.0f, 0.015625f});
  wave.pointcount = 16384;  // the rows written count, not the creation length
  wave.freq = 1.0;
  wave.frequnit = 3;  // kHz
  wave.span = 4000.0;
  wave.spanunit = 1;  // mV
  wave.offset = -250.0;
  wave.offsetunit = 1;
  wave.phase = 90.0;
  const std::string path = folder / "h.csv";
  ASSERT_TRUE(WriteHeaderCsvFile(wave, path.c_str()).ok());
  EXPECT_EQ(ReadBytes(path),
            "data length,4\r\n"
            "frequency,1000.000000000\r\n"
            "amp,4.000000000\r\n"
            "offset,-0.250000000\r\n"
            "phase,90.000000000\r\n"
            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
            "xpos,value\r\n"
            "0.000000e+000,0.00000\r\n"
            "2.500000e-004,0.50000\r\n"
            "5.000000e-004,-1.00000\r\n"
            "7.500000e-004,0.01562\r\n");
}

TEST(CsvWriters, FrequencyUnits) {
  struct Row {
    double freq;
    int unit;
    const char* line;
  };
  const Row rows[] = {{5e6, 0, "frequency,5.000000000"},       {2500.0, 1, "frequency,2.500000000"},
                      {50.0, 2, "frequency,50.000000000"},     {1.5, 3, "frequency,1500.000000000"},
                      {2.0, 4, "frequency,2000000.000000000"}, {7.0, 9, "frequency,7.000000000"}};
  for (const Row& row : rows) {
    CWaveData wave = Wave({});
    wave.freq = row.freq;
    wave.frequnit = row.unit;
    const std::string head = HeaderCsvHead(wave);
    EXPECT_NE(head.find(std::string(row.line) + "\r\n"), std::string::npos) << head;
  }
}

// Large enough that the text reaches the file in several blocks.
TEST(CsvWriters, ManyBlocksEveryRowPresent) {
  TestFolder folder;
  std::vector<float> samples(600000);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<float>(std::sin(i * 0.001) * 2.5);
  const CWaveData wave = Wave(samples);
  const std::string path = folder / "big.csv";
  ASSERT_TRUE(WriteAmplitudeCsvFile(wave, path.c_str()).ok());
  std::string expected = "Amplitude\r\n";
  for (float sample : samples) {
    char line[64];
    std::snprintf(line, sizeof line, "%0.5f\r\n", static_cast<double>(sample));
    expected += line;
  }
  const std::string text = ReadBytes(path);
  EXPECT_TRUE(text == expected) << "no padding, no lost or changed row";
  EXPECT_EQ(text.size(), AmplitudeCsvSize(wave));
}

// Refused and failed saves write nothing over an earlier file.
TEST(CsvWriters, FailuresKeepTheEarlierFile) {
  TestFolder folder;
  const CWaveData wave = Wave({1.0f, 2.0f});
  for (const char* name : {"w.dat", "w.bin", "w.DAT", "w.Bin"}) {
    const std::string path = folder / name;
    WriteBytes(path, "binary bytes");
    EXPECT_EQ(WriteHeaderCsvFile(wave, path.c_str()).messageId, 635) << name;
    EXPECT_EQ(WriteAmplitudeCsvFile(wave, path.c_str()).messageId, 635) << name;
    EXPECT_EQ(ReadBytes(path), "binary bytes") << name;
  }
  // A folder named like a binary file does not make a CSV name refused.
  std::filesystem::create_directory(folder / "my.dat");
  EXPECT_TRUE(WriteHeaderCsvFile(wave, (folder / "my.dat/w.csv").c_str()).ok());

  const WaveFileStatus missing = WriteAmplitudeCsvFile(wave, (folder / "none/w.csv").c_str());
  EXPECT_EQ(missing.messageId, 634);
  EXPECT_FALSE(missing.detail.IsEmpty());

  // The move over the target fails at the very end: the target stays and
  // no temporary file is left behind.
  std::filesystem::create_directory(folder / "taken.csv");
  WriteBytes(folder / "taken.csv/inside", "kept");
  EXPECT_EQ(WriteAmplitudeCsvFile(wave, (folder / "taken.csv").c_str()).messageId, 634);
  EXPECT_EQ(ReadBytes(folder / "taken.csv/inside"), "kept");
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left,
            (std::vector<std::string>{"my.dat", "taken.csv", "w.Bin", "w.DAT", "w.bin", "w.dat"}));
}

TEST(CsvWriters, ReplacesAnEarlierFileWhole) {
  TestFolder folder;
  const std::string path = folder / "w.csv";
  WriteBytes(path, std::string(100000, 'x'));
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteAmplitudeCsvFile(Wave({1.0f, 2.0f}), path.c_str()).ok());
  EXPECT_EQ(ReadBytes(path), "Amplitude\r\n1.00000\r\n2.00000\r\n");
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

std::vector<float> ReadBack(const std::string& path) {
  CWaveData wave;
  const WaveFileStatus status = ReadWaveFile(WaveFileKind::Csv, path.c_str(), "w", wave);
  EXPECT_TRUE(status.ok()) << status.messageId << " line " << status.line;
  return std::vector<float>(wave.thedata.GetData(),
                            wave.thedata.GetData() + wave.thedata.GetSize());
}

// Both layouts open back to the same samples: exactly where five decimals
// hold the value, within half of the last decimal otherwise.
TEST(CsvWriters, RoundTripEachLayout) {
  TestFolder folder;
  std::vector<float> exact, rough;
  for (int i = 0; i < 4000; ++i) {
    exact.push_back(static_cast<float>((i % 257) - 128) / 32.0f);
    rough.push_back(static_cast<float>(std::sin(i * 0.01) * 3.0 - 0.123456));
  }
  for (CsvLayout layout : {CsvLayout::Header, CsvLayout::Amplitude}) {
    const std::string path = folder / "r.csv";
    ASSERT_TRUE(WriteWaveCsvFile(Wave(exact), path.c_str(), layout).ok());
    EXPECT_EQ(ReadBack(path), exact);
    ASSERT_TRUE(WriteWaveCsvFile(Wave(rough), path.c_str(), layout).ok());
    const std::vector<float> back = ReadBack(path);
    ASSERT_EQ(back.size(), rough.size());
    for (std::size_t i = 0; i < rough.size(); ++i) ASSERT_NEAR(back[i], rough[i], 5.1e-6) << i;
  }
}

// A header CSV opened and saved again is the same file, byte for byte.
TEST(CsvWriters, HeaderCsvOpenedAndSavedAgainIsTheSameFile) {
  TestFolder folder;
  std::vector<float> samples;
  for (int i = 0; i < 5000; ++i) samples.push_back(static_cast<float>(std::cos(i * 0.003) * 1.7));
  CWaveData first = Wave(samples);
  first.freq = 2.5;
  first.frequnit = 3;
  const std::string a = folder / "a.csv", b = folder / "b.csv", c = folder / "c.csv";
  ASSERT_TRUE(WriteHeaderCsvFile(first, a.c_str()).ok());
  CWaveData opened;
  ASSERT_TRUE(ReadWaveFile(WaveFileKind::Csv, a.c_str(), "a", opened).ok());
  ASSERT_TRUE(WriteHeaderCsvFile(opened, b.c_str()).ok());
  CWaveData again;
  ASSERT_TRUE(ReadWaveFile(WaveFileKind::Csv, b.c_str(), "b", again).ok());
  ASSERT_TRUE(WriteHeaderCsvFile(again, c.c_str()).ok());
  EXPECT_EQ(ReadBytes(b), ReadBytes(c));
  // The rows are the first file's rows; only the header's values are the
  // ones the reader computes from the samples.
  const std::string textA = ReadBytes(a), textB = ReadBytes(b);
  EXPECT_EQ(textA.substr(textA.find("xpos,value")), textB.substr(textB.find("xpos,value")));
  EXPECT_EQ(opened.freq, 2500.0);
}

}  // namespace
