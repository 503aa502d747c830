#pragma once
// The save commands' decisions, so that the view's Save and Save As
// (CPelmoranView::OnFileSave, OnFileSaveAs) only run the dialog and call:
//
//   Save:    SavePlan plan = PlanPlainSave(wave);
//            if (!plan.askForFile) { status = WriteWaveCsvFile(wave, plan.path, plan.layout);
//                                    on success MarkWaveSaved(wave, plan.path, plan.layout, true) }
//            else run the dialog as Save As does, then mark saved on success.
//   Save As: dialog (initial name SaveDialogInitialName(wave)); cancel: g_nSaveAnswer = 2;
//            if (int id = CheckChosenSaveFile(title, path, nameUsedByOtherWave)) { show id; refused
//            } status = WriteWaveCsvFile(wave, path, layout of the chosen filter); failure: show
//            status.messageId (FillWaveFileMessage); refused success: MarkWaveSaved(wave, path,
//            layout, plainSave); the waveform
//                     takes the title as its name: replace its old name in
//                     g_WaveNameList by title, set wave.wavename and the caption.
// nameUsedByOtherWave is true when a waveform other than this one has the
// title as its name (re-saving under its own name is no conflict).
//
// A refused or failed save writes nothing over an earlier file, changes
// nothing in the record and counts as cancelled (g_nSaveAnswer 2), so the
// close prompt keeps the window and its waveform.

#include "waveform/WaveData.h"
#include "waveform/files/CsvWriters.h"

struct SavePlan {
  // True when the Save must ask for a file; otherwise it writes path.
  bool askForFile = true;
  CString path;
  CsvLayout layout = CsvLayout::Amplitude;
};

// A plain Save writes the record's stored path in its last save's layout,
// and asks for a file when there is no path or the path names a .dat or
// .bin file (the waveform was read from one; CSV text must not replace it).
SavePlan PlanPlainSave(const CWaveData& wave);

// The file name the save dialog offers: the waveform's name and ".csv".
CString SaveDialogInitialName(const CWaveData& wave);

// Whether a file chosen in the save dialog may be written: 0 when it may;
// 339 when its title holds a blank; 635 when its name ends in .dat or .bin;
// 341 ("##" = title) when the title names another open waveform
// (nameUsedByOther), since the waveform takes the file's title as its name.
int CheckChosenSaveFile(const CString& title, const CString& path, bool nameUsedByOther);

// The record after a successful write: path and savetype, and saved when
// the save was a plain Save (Save As leaves it, as a waveform saved only
// with Save As still asks when its window closes).
void MarkWaveSaved(CWaveData& wave, const CString& path, CsvLayout layout, bool plainSave);
