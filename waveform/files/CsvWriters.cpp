#include "waveform/files/CsvWriters.h"

#include "platform/afx/CrtScan.h"
#include "platform/win/CrtFormat.h"
#include "waveform/files/FileErrorText.h"
#include "waveform/files/ReplacingFile.h"
#include "waveform/files/SampleText.h"

namespace {

constexpr char kEnd[] = "\r\n";
constexpr char kAmplitudeTitle[] = "Amplitude\r\n";

// The record's frequency in hertz by its unit (uHz, mHz, Hz, kHz, MHz).
double FrequencyInHertz(double value, int unit) {
  switch (unit) {
    case 0: return value / 1000000.0;
    case 1: return value / 1000.0;
    case 3: return value * 1000.0;
    case 4: return value * 1000000.0;
    default: return value;
  }
}

// A value in volts by its unit (1 mV, any other V).
double InVolts(double value, int unit) { return unit == 1 ? value / 1000.0 : value; }

std::string FrequencyText(const CWaveData& wave) {
  return CrtFormat("%0.9f", FrequencyInHertz(wave.freq, wave.frequnit));
}

void WriteHeaderRows(const CWaveData& wave, ReplacingFile& file) {
  const unsigned n = wave.thedata.GetSize();
  const float* samples = wave.thedata.GetData();
  const auto f = static_cast<float>(CrtAtof(FrequencyText(wave).c_str()));
  const long double span = static_cast<long double>(n) * f;
  for (unsigned i = 0; i < n; ++i) {
    char* out = file.Room(2 * kMaxSampleText + 3);
    char* end = AppendExponent6(out, static_cast<float>(static_cast<long double>(i) / span));
    *end++ = ',';
    end = AppendFixed5(end, samples[i]);
    *end++ = '\r';
    *end++ = '\n';
    file.Advance(end - out);
  }
}

void WriteAmplitudeRows(const CWaveData& wave, ReplacingFile& file) {
  const unsigned n = wave.thedata.GetSize();
  const float* samples = wave.thedata.GetData();
  file.Append(kAmplitudeTitle, sizeof kAmplitudeTitle - 1);
  for (unsigned i = 0; i < n; ++i) {
    char* out = file.Room(kMaxSampleText + 2);
    char* end = AppendFixed5(out, samples[i]);
    *end++ = '\r';
    *end++ = '\n';
    file.Advance(end - out);
  }
}

template <class Rows>
WaveFileStatus WriteCsv(const CString& path, Rows rows) {
  if (IsBinaryWaveName(path)) return WaveFileStatus::Failure(WaveFileMessage::kSaveNotCsv);
  WaveFileStatus status;
  ReplacingFile file(path);
  if (!file.Open(status)) return status;
  try {
    rows(file);
  } catch (CException* e) {
    return WaveFileStatus::Failure(WaveFileMessage::kCannotWriteFile, 0, TakeExceptionText(e));
  }
  file.Commit(status);
  return status;
}

}  // namespace

CsvLayout CsvLayoutOfSaveType(int savetype) {
  return savetype == 1 ? CsvLayout::Header : CsvLayout::Amplitude;
}

bool IsBinaryWaveName(const CString& path) {
  const CString native = AfxNativePath(path);
  const CString name = native.Mid(native.ReverseFind('/') + 1);
  const int dot = name.ReverseFind('.');
  if (dot < 0) return false;
  CString extension = name.Mid(dot + 1);
  extension.MakeLower();
  return extension == "dat" || extension == "bin";
}

std::string HeaderCsvHead(const CWaveData& wave) {
  std::string head;
  CrtAppendFormat(head, "data length,%u%s", wave.thedata.GetSize(), kEnd);
  head += "frequency," + FrequencyText(wave) + kEnd;
  CrtAppendFormat(head, "amp,%0.9f%s", InVolts(wave.span, wave.spanunit), kEnd);
  CrtAppendFormat(head, "offset,%0.9f%s", InVolts(wave.offset, wave.offsetunit), kEnd);
  CrtAppendFormat(head, "phase,%0.9f%s", wave.phase, kEnd);
  for (int i = 0; i < 7; ++i) head += kEnd;
  head += "xpos,value";
  head += kEnd;
  return head;
}

WaveFileStatus WriteHeaderCsvFile(const CWaveData& wave, const CString& path) {
  return WriteCsv(path, [&](ReplacingFile& file) {
    const std::string head = HeaderCsvHead(wave);
    file.Append(head.data(), head.size());
    WriteHeaderRows(wave, file);
  });
}

WaveFileStatus WriteAmplitudeCsvFile(const CWaveData& wave, const CString& path) {
  return WriteCsv(path, [&](ReplacingFile& file) { WriteAmplitudeRows(wave, file); });
}

WaveFileStatus WriteWaveCsvFile(const CWaveData& wave, const CString& path, CsvLayout layout) {
  return layout == CsvLayout::Header ? WriteHeaderCsvFile(wave, path)
                                     : WriteAmplitudeCsvFile(wave, path);
}

unsigned long long AmplitudeCsvSize(const CWaveData& wave) {
  unsigned long long size = sizeof kAmplitudeTitle - 1;
  const float* samples = wave.thedata.GetData();
  char text[kMaxSampleText];
  for (unsigned i = 0; i < wave.thedata.GetSize(); ++i)
    size += AppendFixed5(text, samples[i]) - text + 2;
  return size;
}
