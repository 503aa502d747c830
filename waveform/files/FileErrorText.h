#pragma once
// Failures the framework reports by exception or CFileException, turned into
// the text that fills a status's "@@".

#include "platform/afx/File.h"
#include "waveform/files/WaveFileStatus.h"

// The exception's text; the exception is ended here.
CString TakeExceptionText(CException* error);

// Opens path for reading; on failure a status of message 632 with the
// system's reason.
bool OpenForReading(CFile& file, const CString& path, WaveFileStatus& status);
