#include "waveform/files/SavePlan.h"

#include "waveform/files/WaveFileStatus.h"

SavePlan PlanPlainSave(const CWaveData& wave) {
  SavePlan plan;
  plan.layout = CsvLayoutOfSaveType(wave.savetype);
  if (wave.filepath.IsEmpty() || IsBinaryWaveName(wave.filepath)) return plan;
  plan.askForFile = false;
  plan.path = wave.filepath;
  return plan;
}

CString SaveDialogInitialName(const CWaveData& wave) {
  CString name = wave.wavename;
  name += ".csv";
  return name;
}

int CheckChosenSaveFile(const CString& title, const CString& path, bool nameUsedByOther) {
  if (title.Find(' ') >= 0) return WaveFileMessage::kTitleHasBlank;
  if (IsBinaryWaveName(path)) return WaveFileMessage::kSaveNotCsv;
  if (nameUsedByOther) return WaveFileMessage::kNameInUse;
  return 0;
}

void MarkWaveSaved(CWaveData& wave, const CString& path, CsvLayout layout, bool plainSave) {
  wave.filepath = path;
  wave.savetype = static_cast<int>(layout);
  if (plainSave) wave.saved = true;
}
