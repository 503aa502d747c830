#include "waveform/files/BinWaveReader.h"

#include "waveform/files/FileErrorText.h"
#include "waveform/files/ReadRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace {

// Samples converted per read: the 16-bit block lives on the stack, in the
// cache, and costs no allocation (a fresh heap block of half a megabyte is
// a hundred page faults).
constexpr std::size_t kBlockSamples = 1 << 14;

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
  WaveDisplay display = PlanDisplay(wave, n);
  float* samples = wave.thedata.GetData();
  float* shown = PlannedDisplay(wave, display);
  const auto step = static_cast<std::size_t>(display.dispstep);
  const auto length = static_cast<std::size_t>(display.displaylen);
  std::uint8_t block[2 * kBlockSamples];
  int low = 32767, high = -32768;
  std::size_t j = 0;  // next display element
  for (std::size_t done = 0; done < n;) {
    const std::size_t take = std::min<std::size_t>(n - done, kBlockSamples);
    if (file.Read(block, static_cast<UINT>(2 * take)) != 2 * take)
      return Failed(wave, WaveFileStatus::Failure(WaveFileMessage::kCannotReadFile, 0,
                                                  "the file became shorter while it was read"));
    ConvertBlock(block, take, samples + done, low, high);
    done += take;
    // The display is picked from the samples just converted, still in the
    // cache: the record is complete after one pass over its memory.
    const std::size_t until = std::min(length, (done + step - 1) / step);
    if (step == 1)
      std::memcpy(shown + j, samples + j, sizeof(float) * (until - j));
    else
      for (; j < until; ++j) shown[j] = samples[j * step];
    j = until;
  }
  CompleteReadRecord(wave, path, title, std::move(display), static_cast<float>(high) * kScale,
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
