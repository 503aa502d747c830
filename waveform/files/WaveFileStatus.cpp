#include "waveform/files/WaveFileStatus.h"

WaveFileStatus WaveFileStatus::Failure(int id, long long line, CString detail) {
  WaveFileStatus status;
  status.messageId = id;
  status.line = line;
  status.detail = std::move(detail);
  return status;
}

CString FillWaveFileMessage(const CString& text, const WaveFileStatus& status,
                            const CString& name) {
  CString filled = text;
  filled.Replace("##", status.line > 0 ? CString(std::to_string(status.line)) : name);
  filled.Replace("@@", status.detail);
  return filled;
}
