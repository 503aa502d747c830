#include "waveform/files/WaveFileOpen.h"

#include "waveform/files/BinWaveReader.h"
#include "waveform/files/CsvWaveReader.h"
#include "waveform/files/DatWaveReader.h"

WaveFileKind WaveFileKindOf(const CString& extension) {
  if (extension == "csv" || extension == "CSV") return WaveFileKind::Csv;
  if (extension == "bin" || extension == "BIN") return WaveFileKind::Bin;
  if (extension == "dat" || extension == "DAT") return WaveFileKind::Dat;
  return WaveFileKind::Unknown;
}

int CheckOpenTitle(const CString& title, bool nameInUse) {
  if (title.Find(' ') >= 0) return WaveFileMessage::kTitleHasBlank;
  if (nameInUse) return WaveFileMessage::kNameInUse;
  return 0;
}

int ReadFailureMessage(WaveFileKind kind) {
  switch (kind) {
    case WaveFileKind::Csv: return WaveFileMessage::kCsvReadFailed;
    case WaveFileKind::Bin: return WaveFileMessage::kBinReadFailed;
    case WaveFileKind::Dat: return WaveFileMessage::kDatReadFailed;
    case WaveFileKind::Unknown: break;
  }
  return WaveFileMessage::kUnknownFileType;
}

WaveFileStatus ReadWaveFile(WaveFileKind kind, const CString& path, const CString& title,
                            CWaveData& wave) {
  switch (kind) {
    case WaveFileKind::Csv: {
      read_csv_wave_data_main_t reader(wave);
      reader.read_file(path, title);
      return reader.status();
    }
    case WaveFileKind::Dat: {
      read_dat_wave_data_main_t reader(wave);
      reader.read_file(path, title);
      return reader.status();
    }
    case WaveFileKind::Bin: return ReadBinWaveFile(path, title, wave);
    case WaveFileKind::Unknown: break;
  }
  return WaveFileStatus::Failure(WaveFileMessage::kUnknownFileType);
}
