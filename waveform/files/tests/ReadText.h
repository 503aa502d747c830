#pragma once
// Runs a text reader over text held in memory and gives what it made.

#include "waveform/files/CsvWaveReader.h"
#include "waveform/files/DatWaveReader.h"

#include "TestFiles.h"

#include <string>
#include <vector>

struct TextRead {
  int result = 0;
  WaveFileStatus status;
  CWaveData wave;
  std::vector<float> samples;
};

template <class Reader>
TextRead ReadText(const std::string& text,
                  std::size_t chunk = read_outfile_wave_data_main_t::kChunkSize) {
  TextRead read;
  CMemFile file = MemoryFile(text);
  Reader reader(read.wave, chunk);
  read.result = reader.read_file(file, "/data/wave.csv", "wave");
  read.status = reader.status();
  const float* data = read.wave.thedata.GetData();
  read.samples.assign(data, data + read.wave.thedata.GetSize());
  return read;
}

inline TextRead ReadCsv(const std::string& text,
                        std::size_t chunk = read_outfile_wave_data_main_t::kChunkSize) {
  return ReadText<read_csv_wave_data_main_t>(text, chunk);
}

inline TextRead ReadDat(const std::string& text,
                        std::size_t chunk = read_outfile_wave_data_main_t::kChunkSize) {
  return ReadText<read_dat_wave_data_main_t>(text, chunk);
}
