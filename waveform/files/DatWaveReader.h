#pragma once
// The DAT reader: separated text columns without a header (TextLayouts.h).
// Use as TextWaveReader.h shows; a failed read reports 356 (with the first
// line's number when that line is not data), or 631 with the line that
// holds no value.

#include "waveform/files/TextWaveReader.h"

class read_dat_wave_data_main_t final : public read_outfile_wave_data_main_t {
 public:
  static constexpr std::size_t kValueLimit = 16777216;

  using read_outfile_wave_data_main_t::read_outfile_wave_data_main_t;

 protected:
  bool find_data_start(std::string_view firstChunk, bool whole, DataLayout& layout) override;
  int failure_message() const override { return WaveFileMessage::kDatReadFailed; }
  std::size_t value_limit() const override { return kValueLimit; }
};
