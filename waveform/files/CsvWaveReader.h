#pragma once
// The CSV reader: the header CSV and amplitude CSV this program writes and
// the column, numeric-line and single-column layouts of other tools
// (TextLayouts.h). Use as TextWaveReader.h shows; a failed read reports 354,
// or 631 with the line that holds no value.

#include "waveform/files/TextWaveReader.h"

class read_csv_wave_data_main_t final : public read_outfile_wave_data_main_t {
 public:
  // More samples than this refuse the file, whatever its layout.
  static constexpr std::size_t kValueLimit = 41943040;

  using read_outfile_wave_data_main_t::read_outfile_wave_data_main_t;

 protected:
  bool find_data_start(std::string_view firstChunk, bool whole, DataLayout& layout) override;
  int failure_message() const override { return WaveFileMessage::kCsvReadFailed; }
  std::size_t value_limit() const override { return kValueLimit; }
};
