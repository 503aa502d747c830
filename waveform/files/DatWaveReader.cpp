#include "waveform/files/DatWaveReader.h"

#include "waveform/files/TextLayouts.h"

bool read_dat_wave_data_main_t::find_data_start(std::string_view firstChunk, bool whole,
                                                DataLayout& layout) {
  return FindDatLayout(firstChunk, whole, layout);
}
