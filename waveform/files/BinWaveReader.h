#pragma once
// The BIN reader: a file of little-endian signed 16-bit samples and nothing
// else; sample = s x 3.0 / 32768.0 (-32768 gives -3.0). A trailing odd byte
// is ignored. The file's length is checked before anything is read: 2 to
// 20,971,520 samples (4 to 41,943,041 bytes), else message 355.

#include "platform/afx/File.h"
#include "waveform/WaveData.h"
#include "waveform/files/WaveFileStatus.h"

inline constexpr long long kBinMinSamples = 2;
inline constexpr long long kBinMaxSamples = 20971520;

// Reads the file at path into wave, titled title, as TextWaveReader.h says
// of the text readers: on success the finished record for the caller to
// append (frequency 1000 Hz, period 1 ms); on failure wave is a fresh record
// again and the status says why (355, or 632 when the file cannot be read).
WaveFileStatus ReadBinWaveFile(const CString& path, const CString& title, CWaveData& wave);
// The same from an open file; path is only stored in the record.
WaveFileStatus ReadBinWaveFile(CFile& file, const CString& path, const CString& title,
                               CWaveData& wave);
