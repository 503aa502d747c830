#include "waveform/files/BinWaveReader.h"

#include "waveform/files/FileErrorText.h"
#include "waveform/files/ReadRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Samples converted per read: the 16-bit block stays in the cache.
constexpr std::size_t kBlockSamples = 1 << 18;

// s x 3.0 / 32768.0 is exact in single precision (s x 3 needs 17 bits and
// the division is by a power of two), so float arithmetic gives the same.
constexpr float kScale = 3.0f / 32768.0f;

void ConvertBlock(const std::uint8_t* bytes, std::size_t count, float* out, int& low, int& high) {
  int blockLow = low, blockHigh = high;
  for (std::size_t i = 0; i < count; ++i) {
    const auto s = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    blockLow = std::min<int>(blockLow, s);
    blockHigh = std::max<int>(blockHigh, s);
    out[i] = static_cast<float>(s) * kScale;
  }
  low = blockLow;
  high = blockHigh;
}

WaveFileStatus Failed(CWaveData& wave, WaveFileStatus status) {
  wave = CWaveData();
  return status;
}

WaveFileStatus ReadSamples(CFile& file, const CString& path, const CString& title,
                           CWaveData& wave) {
  const unsigned long long count = file.GetLength() / 2;
  if (count < kBinMinSamples || count > kBinMaxSamples)
    return Failed(wave, WaveFileStatus::Failure(WaveFileMessage::kBinReadFailed));
  const auto n = static_cast<unsigned int>(count);
  wave.thedata.SetSize(n, TRUE);
  float* samples = wave.thedata.GetData();
  std::vector<std::uint8_t> block(2 * std::min<std::size_t>(n, kBlockSamples));
  int low = 32767, high = -32768;
  for (std::size_t done = 0; done < n;) {
    const std::size_t take = std::min<std::size_t>(n - done, kBlockSamples);
    if (file.Read(block.data(), static_cast<UINT>(2 * take)) != 2 * take)
      return Failed(wave, WaveFileStatus::Failure(WaveFileMessage::kCannotReadFile, 0,
                                                  "the file became shorter while it was read"));
    ConvertBlock(block.data(), take, samples + done, low, high);
    done += take;
  }
  CompleteReadRecord(wave, path, title, samples, n, static_cast<float>(high) * kScale,
                     static_cast<float>(low) * kScale);
  return WaveFileStatus();
}

}  // namespace

WaveFileStatus ReadBinWaveFile(CFile& file, const CString& path, const CString& title,
                               CWaveData& wave) {
  try {
    return ReadSamples(file, path, title, wave);
  } catch (CException* e) {
    return Failed(
        wave, WaveFileStatus::Failure(WaveFileMessage::kCannotReadFile, 0, TakeExceptionText(e)));
  } catch (const std::bad_alloc&) {
    return Failed(wave, WaveFileStatus::Failure(WaveFileMessage::kBinReadFailed));
  }
}

WaveFileStatus ReadBinWaveFile(const CString& path, const CString& title, CWaveData& wave) {
  CFile file;
  WaveFileStatus status;
  if (!OpenForReading(file, path, status)) return Failed(wave, status);
  return ReadBinWaveFile(file, path, title, wave);
}
