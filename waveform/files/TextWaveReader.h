#pragma once
// The base of the two text readers (CSV and DAT): the file read in chunks,
// line by line, one sample from each data line. A reader finds in the first
// chunk where the data lines start and which field of a line holds the
// sample; the base reads every data line from there. Blank lines are not
// samples and are passed over; any other line whose field is not a number as
// a whole (blanks inside it removed, SampleScan.h) is refused with its line
// number, so no sample is lost, shifted, cut short or invented.
//
// A reader object reads one file into the record it was given:
//   CWaveData wave;
//   read_csv_wave_data_main_t reader(wave);
//   if (reader.read_file(path, title) < 0) show reader.status() ...
// On success wave is the finished record (samples, display decimation,
// extremes, saved, path, header-CSV format) for the caller to append; on
// failure wave is a fresh record again and status() says why.

#include "platform/afx/File.h"
#include "waveform/WaveData.h"
#include "waveform/files/WaveFileStatus.h"

#include <cstddef>
#include <string_view>

// Which field of a data line holds its sample.
struct FieldRule {
  enum class Split {
    Whole,      // the line is the field
    Separator,  // fields between single separator characters
    Blanks,     // fields between runs of blanks and tabs, leading ones skipped
    LastComma,  // the text after the line's last comma (the whole line without one)
  };
  Split split = Split::Whole;
  char separator = ',';
  int column = 0;       // 0-based field index (Separator and Blanks)
  bool single = false;  // a comma anywhere in the line refuses it
};

// Where a file's samples are, as a reader finds it in the first chunk.
struct DataLayout {
  long long firstLine = 1;  // the number (from 1) of the first data line
  FieldRule rule;
  // The frequency the file's header gives (Hz); 0 when it gives none.
  double frequency = 0.0;
  bool hasFrequency = false;
};

class read_outfile_wave_data_main_t {
 public:
  // Bytes read at a time; the text held stays about one chunk long.
  static constexpr std::size_t kChunkSize = 10485760;

  explicit read_outfile_wave_data_main_t(CWaveData& wave, std::size_t chunkSize = kChunkSize)
      : m_wave(wave), m_chunk(chunkSize) {}
  read_outfile_wave_data_main_t(const read_outfile_wave_data_main_t&) = delete;
  read_outfile_wave_data_main_t& operator=(const read_outfile_wave_data_main_t&) = delete;

  // Reads the file at path into the record, titled title. A value of 0 or
  // more on success, negative on failure (status() tells which).
  int read_file(const CString& path, const CString& title);
  // The same from an open file (a memory file in tests and fuzzing); path
  // is only stored in the record.
  int read_file(CFile& file, const CString& path, const CString& title);

  const WaveFileStatus& status() const { return m_status; }

  // The sample of one data line under rule: false when its field is not a
  // number as a whole (or, for a single-value rule, the line holds a comma).
  static bool read_next_value(std::string_view line, const FieldRule& rule, double& value);

 protected:
  ~read_outfile_wave_data_main_t() = default;

  // Finds the data in the first chunk (whole: the chunk is the whole file).
  // False when the file has no data layout this reader knows; the layout's
  // firstLine then names the line that showed it (0 for none).
  virtual bool find_data_start(std::string_view firstChunk, bool whole, DataLayout& layout) = 0;
  // The message of a failed read (354 CSV, 356 DAT).
  virtual int failure_message() const = 0;
  // The largest number of samples accepted.
  virtual std::size_t value_limit() const = 0;

 private:
  int Fail(WaveFileStatus status);
  int ReadLines(CFile& file, const CString& path, const CString& title);

  CWaveData& m_wave;
  std::size_t m_chunk;
  WaveFileStatus m_status;
};
