// libFuzzer entry: the CSV reader over arbitrary files and chunk sizes.
#include "fuzz/files/TextReaderFuzz.h"
#include "waveform/files/CsvWaveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzTextReader<read_csv_wave_data_main_t>(data, size, WaveFileMessage::kCsvReadFailed);
}
