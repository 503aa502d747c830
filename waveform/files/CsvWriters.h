#pragma once
// The two CSV layouts the editor writes, every line ending in CR LF:
//
// Header CSV                           Amplitude CSV
//   data length,<rows>                   Amplitude
//   frequency,<Hz, %0.9f>                <sample, %0.5f>   one line a sample
//   amp,<span in V, %0.9f>
//   offset,<offset in V, %0.9f>
//   phase,<degrees, %0.9f>
//   seven empty lines
//   xpos,value
//   <x, %e>,<sample, %0.5f>              one row a sample
//
// x of row i is i / (n x f): the time of sample i when the n samples span
// one period of the frequency f written above (f read back from that text
// in single precision; the quotient taken in extended precision and
// rounded to single precision). A frequency of 0 gives the runtime's text
// of an infinity or NaN there.
//
// A written file holds exactly its text. It is written under a temporary
// name and moved over the target only when complete, so a failed save
// reports message 634 and leaves any earlier file unchanged. A path whose
// file name ends in .dat or .bin (any case) is refused with 635 before
// anything is written: those names belong to the binary and column files a
// waveform may have been read from.

#include "waveform/WaveData.h"
#include "waveform/files/WaveFileStatus.h"

#include <string>

// The layouts by the record's savetype values.
enum class CsvLayout { Amplitude = 0, Header = 1 };

// The layout a plain Save writes for a record's savetype: 1 header, any
// other value amplitude.
CsvLayout CsvLayoutOfSaveType(int savetype);

// True when path's file name ends in .dat or .bin, in any case.
bool IsBinaryWaveName(const CString& path);

// Writes wave's samples (thedata) to path; the status of the save.
WaveFileStatus WriteHeaderCsvFile(const CWaveData& wave, const CString& path);
WaveFileStatus WriteAmplitudeCsvFile(const CWaveData& wave, const CString& path);
WaveFileStatus WriteWaveCsvFile(const CWaveData& wave, const CString& path, CsvLayout layout);

// The header CSV's first 13 lines (through "xpos,value" CR LF).
std::string HeaderCsvHead(const CWaveData& wave);

// The byte length of wave's amplitude CSV.
unsigned long long AmplitudeCsvSize(const CWaveData& wave);
