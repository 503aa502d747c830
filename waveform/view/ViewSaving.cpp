// Save and Save As (WM_FILE_SAVE, WM_FILE_SAVEAS) over the file library:
// the save dialog, the two CSV writers, and the record's path, format and
// name afterwards. A refused or failed save is reported, writes nothing
// over an earlier file, changes nothing in the record and counts as
// cancelled (g_nSaveAnswer 2), so the close prompt keeps the window.
#include "waveform/view/PelmoranView.h"

#include "platform/services/Services.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Frame.h"
#include "waveform/WaveCollections.h"
#include "waveform/files/SavePlan.h"

namespace {

constexpr char kSaveFilter[] =
    "Comma Separated Values files (*.csv)|*.csv|Brantlow CSV files (*.csv)|*.csv||";
constexpr char kSaveTitle[] = "Save File";

// The layout of the dialog's filter: the first the header CSV, the second
// the amplitude CSV.
CsvLayout LayoutOfFilter(DWORD index) {
  return index == 1 ? CsvLayout::Header : CsvLayout::Amplitude;
}

// Whether a waveform other than the one at index is named name.
bool NameUsedByOther(const CString& name, int index) {
  for (int i = 0; i < g_WaveArray.GetSize(); ++i)
    if (i != index && g_WaveArray.GetAt(i).wavename == name) return true;
  return false;
}

void ShowFileMessage(const WaveFileStatus& status, const CString& name = CString()) {
  const CString text(services::Current().Text(status.messageId).c_str());
  AfxMessageBox(FillWaveFileMessage(text, status, name), MB_OK);
}

}  // namespace

bool CPelmoranView::WriteHeaderCsv(CWaveData& wave, const CString& path) {
  return WriteCsv(wave, path, CsvLayout::Header);
}

bool CPelmoranView::WriteAmplitudeCsv(CWaveData& wave, const CString& path) {
  return WriteCsv(wave, path, CsvLayout::Amplitude);
}

bool CPelmoranView::WriteCsv(CWaveData& wave, const CString& path, CsvLayout layout) {
  const WaveFileStatus status = WriteWaveCsvFile(wave, path, layout);
  if (status.ok()) return true;
  ShowFileMessage(status);
  return false;
}

// The waveform takes the file's title as its name; its window's caption
// follows, so the view still finds it. The name list is the records'
// names, so it follows too.
void CPelmoranView::RenameWave(CWaveData& wave, const CString& title) {
  wave.wavename = title;
  if (CFrameWnd* frame = GetParentFrame()) frame->SetWindowText(title);
}

bool CPelmoranView::ChooseFileAndSave(CWaveData& wave, bool plainSave) {
  CFileDialog dialog(FALSE, "csv", SaveDialogInitialName(wave),
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter, this);
  dialog.m_ofn.lpstrTitle = kSaveTitle;
  if (dialog.DoModal() != IDOK || dialog.GetFileTitle().IsEmpty()) {
    g_nSaveAnswer = 2;
    return false;
  }
  const CString title = dialog.GetFileTitle(), path = dialog.GetPathName();
  const int index = FindWaveIndex();
  if (const int refusal = CheckChosenSaveFile(title, path, NameUsedByOther(title, index))) {
    ShowFileMessage(WaveFileStatus::Failure(refusal), title);
    g_nSaveAnswer = 2;
    return false;
  }
  const CsvLayout layout = LayoutOfFilter(dialog.m_ofn.nFilterIndex);
  if (!WriteCsv(wave, path, layout)) {
    g_nSaveAnswer = 2;
    return false;
  }
  g_nSaveAnswer = 1;
  MarkWaveSaved(wave, path, layout, plainSave);
  RenameWave(wave, title);
  return true;
}

LRESULT CPelmoranView::OnFileSave(WPARAM, LPARAM) {
  CWaveData* wave = FindRecord();
  if (!wave) return 1;
  const SavePlan plan = PlanPlainSave(*wave);
  if (plan.askForFile) return ChooseFileAndSave(*wave, true) ? 1 : 0;
  if (!WriteCsv(*wave, plan.path, plan.layout)) {
    g_nSaveAnswer = 2;
    return 0;
  }
  g_nSaveAnswer = 1;
  MarkWaveSaved(*wave, plan.path, plan.layout, true);
  return 1;
}

LRESULT CPelmoranView::OnFileSaveAs(WPARAM, LPARAM) {
  CWaveData* wave = FindRecord();
  if (!wave) return 1;
  return ChooseFileAndSave(*wave, false) ? 1 : 0;
}
