#include "waveform/files/BinWaveReader.h"
#include "waveform/files/ReadRecord.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

struct BinRead {
  WaveFileStatus status;
  CWaveData wave;
};

BinRead ReadBin(const std::string& bytes) {
  BinRead read;
  CMemFile file = MemoryFile(bytes);
  read.status = ReadBinWaveFile(file, "/data/w.bin", "w", read.wave);
  return read;
}

TEST(ReadRecord, CalcAxisSpan) {
  struct Row {
    float largest, smallest;
    double span;
  };
  const Row rows[] = {{2.9999f, -3.0f, 8.0},
                      {0.5f, -0.5f, 2.0},
                      {1.5f, 0.2f, 4.0},
                      {0.0f, 0.0f, 2.0},
                      {-7.9f, -8.2f, 18.0},
                      {3e9f, -1.0f, 6000000002.0},
                      {1e30f, 0.0f, 2.0 * static_cast<double>(1e30f) + 2.0}};
  for (const Row& row : rows)
    EXPECT_EQ(CalcAxisSpan(row.largest, row.smallest), row.span)
        << row.largest << " " << row.smallest;
}

TEST(BinReader, ExtremeWords) {
  const BinRead read = ReadBin(std::string("\x00\x80\xFF\x7F", 4));
  ASSERT_TRUE(read.status.ok());
  const CWaveData& wave = read.wave;
  ASSERT_EQ(wave.thedata.GetSize(), 2u);
  EXPECT_EQ(wave.thedata[0], -3.0f);
  EXPECT_EQ(wave.thedata[1], 2.999908447265625f);
  EXPECT_EQ(wave.span, 8.0);
  EXPECT_EQ(wave.vpp, 5.999908447265625);
  EXPECT_EQ(wave.offset, -0.0000457763671875);
  EXPECT_EQ(wave.freq, 1000.0);
  EXPECT_EQ(wave.period, 1.0);
  EXPECT_EQ(wave.savetype, 1);
  EXPECT_TRUE(wave.saved);
  EXPECT_EQ(wave.wavename, "w");
}

// Every sample converts exactly as s x 3.0 / 32768.0 in double precision.
TEST(BinReader, EveryWord) {
  std::string bytes;
  for (int s = -32768; s <= 32767; ++s) {
    bytes += static_cast<char>(s & 0xFF);
    bytes += static_cast<char>((s >> 8) & 0xFF);
  }
  const BinRead read = ReadBin(bytes);
  ASSERT_TRUE(read.status.ok());
  for (int s = -32768; s <= 32767; ++s)
    ASSERT_EQ(read.wave.thedata[s + 32768], static_cast<float>(s * 3.0 / 32768.0)) << s;
}

// All-negative words: the largest value is the largest sample, not 0.0.
TEST(BinReader, ExtremesFromTheSamples) {
  const BinRead read = ReadBin(std::string("\x00\xC0\x00\xE0", 4));  // -16384, -8192
  ASSERT_TRUE(read.status.ok());
  EXPECT_EQ(read.wave.vpp, 0.75);
  EXPECT_EQ(read.wave.offset, -1.125);
}

TEST(BinReader, SizesAtTheLimits) {
  TestFolder folder;
  struct Row {
    unsigned long long bytes;
    bool ok;
    unsigned samples;
    unsigned display;
  };
  const Row rows[] = {
      {0, false, 0, 0},
      {3, false, 0, 0},
      {4, true, 2, 2},
      {5, true, 2, 2},  // a trailing odd byte is ignored
      {10000002, true, 5000001, 2500000},
      {41943041, true, 20971520, 4194304},
      {41943042, false, 0, 0},
  };
  for (const Row& row : rows) {
    const std::string path = folder / "w.bin";
    std::filesystem::resize_file((WriteBytes(path, ""), path), row.bytes);
    CWaveData wave;
    const WaveFileStatus status = ReadBinWaveFile(path.c_str(), "w", wave);
    EXPECT_EQ(status.ok(), row.ok) << row.bytes;
    if (!row.ok) {
      EXPECT_EQ(status.messageId, 355) << row.bytes;
    }
    EXPECT_EQ(wave.thedata.GetSize(), row.samples) << row.bytes;
    EXPECT_EQ(wave.displaylen, static_cast<int>(row.display)) << row.bytes;
  }
}

// The display vector holds sample j x k for every j, across the reader's
// blocks: a copy of the samples up to 5,000,000 samples, every second one
// just above. Word i is i x 7919 (mod 2^16), so neighbours differ.
TEST(BinReader, DisplayHoldsEveryKthSample) {
  struct Row {
    unsigned samples, step, display;
  };
  const Row rows[] = {{70001, 1, 70001}, {5000003, 2, 2500001}};
  for (const Row& row : rows) {
    std::string bytes(2 * std::size_t(row.samples), '\0');
    auto word = [](unsigned i) { return static_cast<std::int16_t>(i * 7919u & 0xFFFF); };
    for (unsigned i = 0; i < row.samples; ++i) {
      bytes[2 * i] = static_cast<char>(word(i) & 0xFF);
      bytes[2 * i + 1] = static_cast<char>((word(i) >> 8) & 0xFF);
    }
    const BinRead read = ReadBin(bytes);
    ASSERT_TRUE(read.status.ok()) << row.samples;
    const CWaveData& wave = read.wave;
    EXPECT_EQ(wave.dispstep, static_cast<int>(row.step)) << row.samples;
    EXPECT_EQ(wave.displaylen, static_cast<int>(row.display)) << row.samples;
    ASSERT_EQ(wave.showdata.GetSize(), row.display) << row.samples;
    const float* shown = wave.showdata.GetData();
    for (unsigned j = 0; j < row.display; ++j)
      ASSERT_EQ(shown[j], static_cast<float>(word(j * row.step) * 3.0 / 32768.0))
          << row.samples << " at " << j;
  }
}

// A file of a refused size is not read at all.
class UnreadableFile : public CMemFile {
 public:
  explicit UnreadableFile(ULONGLONG length) : m_length(length) {}
  ULONGLONG GetLength() const override { return m_length; }
  UINT Read(void*, UINT) override {
    ADD_FAILURE() << "read before the size check";
    return 0;
  }

 private:
  ULONGLONG m_length;
};

TEST(BinReader, SizeCheckedBeforeReading) {
  for (ULONGLONG length : {3ull, 41943042ull, 1ull << 33, (1ull << 32) + 8}) {
    UnreadableFile file(length);
    CWaveData wave;
    EXPECT_EQ(ReadBinWaveFile(file, "p", "t", wave).messageId, 355) << length;
  }
}

TEST(BinReader, FileThatCannotBeOpened) {
  TestFolder folder;
  CWaveData wave;
  const WaveFileStatus status = ReadBinWaveFile((folder / "missing.bin").c_str(), "missing", wave);
  EXPECT_EQ(status.messageId, 632);
  EXPECT_FALSE(status.detail.IsEmpty());
}

}  // namespace
