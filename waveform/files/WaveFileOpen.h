#pragma once
// The open command's decisions and its one call into the readers. The
// command (CMainFrame::OnOpenWaveFile) runs the file dialog and then:
//
//   if (int id = CheckOpenTitle(title, nameInUse)) { show id ("##" = title); stop; }
//   WaveFileKind kind = WaveFileKindOf(extension);
//   if (kind == WaveFileKind::Unknown) { show 630 ("@@" = extension); stop; }
//   CWaveData wave;
//   WaveFileStatus status = ReadWaveFile(kind, path, title, wave);
//   if (!status.ok()) { show status.messageId (FillWaveFileMessage); stop; }
//   g_nPointCount = wave.samplecount; g_bEditEnable = false;
//   append wave, its undo history and its name to the collections;
//   open the window; if (status.noticeId) show it.
//
// The name goes into the name list only with the record, so a failed open,
// also one whose file cannot be opened at all, leaves the list as it was.

#include "waveform/WaveData.h"
#include "waveform/files/WaveFileStatus.h"

enum class WaveFileKind { Unknown, Csv, Bin, Dat };

// The reader of an extension (without its dot), compared exactly: "csv" or
// "CSV", "bin" or "BIN", "dat" or "DAT"; any other (Csv, txt, none) is Unknown.
WaveFileKind WaveFileKindOf(const CString& extension);

// Whether a file title may name a new waveform: 0 when it may; 339 when it
// holds a blank; 341 when an open waveform has that name (nameInUse).
int CheckOpenTitle(const CString& title, bool nameInUse);

// The message a reader's failure shows when it has none of its own: 354
// CSV, 355 BIN, 356 DAT (630 for Unknown).
int ReadFailureMessage(WaveFileKind kind);

// Reads the file at path with the reader of kind into wave, titled title
// (see TextWaveReader.h and BinWaveReader.h for what wave holds afterwards).
WaveFileStatus ReadWaveFile(WaveFileKind kind, const CString& path, const CString& title,
                            CWaveData& wave);
