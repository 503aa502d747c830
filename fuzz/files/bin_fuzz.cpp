// libFuzzer entry: the BIN reader over arbitrary files; every word must
// become s x 3 / 32768.
#include "fuzz/files/ReaderFuzz.h"
#include "waveform/files/BinWaveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CMemFile file = filesfuzz::Input(data, size);
  CWaveData wave;
  const WaveFileStatus status = ReadBinWaveFile(file, "fuzz", "fuzz", wave);
  filesfuzz::CheckOutcome(status, wave, kBinMaxSamples, {WaveFileMessage::kBinReadFailed});
  filesfuzz::Require(status.ok() == (size >= 4));
  for (unsigned i = 0; i < wave.thedata.GetSize(); ++i) {
    const auto s = static_cast<std::int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    filesfuzz::Require(wave.thedata.GetData()[i] == static_cast<float>(s * 3.0 / 32768.0));
  }
  return 0;
}
