#include "waveform/files/FileErrorText.h"

namespace {

CString ErrorText(const CException& error) {
  char text[512] = {};
  if (!error.GetErrorMessage(text, sizeof text)) text[0] = '\0';
  return CString(text);
}

}  // namespace

CString TakeExceptionText(CException* error) {
  CString text = ErrorText(*error);
  error->Delete();
  return text;
}

bool OpenForReading(CFile& file, const CString& path, WaveFileStatus& status) {
  CFileException error;
  if (file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary, &error))
    return true;
  status = WaveFileStatus::Failure(WaveFileMessage::kCannotReadFile, 0, ErrorText(error));
  return false;
}
