#include "waveform/files/CsvWaveReader.h"

#include "waveform/files/TextLayouts.h"

bool read_csv_wave_data_main_t::find_data_start(std::string_view firstChunk, bool whole,
                                                DataLayout& layout) {
  layout = FindCsvLayout(firstChunk, whole);
  return true;
}
