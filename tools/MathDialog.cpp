#include "tools/MathDialog.h"

#include "tools/ToolSupport.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

void CMathDialog::FillWaveNames(int listId) {
  SendDlgItemMessage(listId, CB_RESETCONTENT);
  for (int i = 0; i < g_WaveArray.GetSize(); ++i)
    SendDlgItemMessage(listId, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(g_WaveArray[i].wavename.GetString()));
}

void CMathDialog::PreviewWave(const SG::CSgGraph& graph, int index, bool displaySamples,
                              const SG::CSgGraph* second) {
  const CWaveData& record = g_WaveArray[index];
  const double top = record.offset + record.span / 2.0;
  const double bottom = record.offset - record.span / 2.0;
  tools::SetAxisMaximum(graph, "XAxis",
                        (displaySamples ? record.displaylen : record.pointcount) - 1);
  tools::SetAxisRange(graph, "YAxis", bottom, top);
  if (second) {
    tools::SetAxisMaximum(*second, "XAxis", record.pointcount - 1);
    tools::SetAxisRange(*second, "YAxis", bottom, top);
  }
  if (record.thedata.GetSize() == 0) {
    tools::ShowText(302);
    return;
  }
  tools::PlotPreview(graph, displaySamples ? record.showdata : record.thedata);
}

template <class T>
bool CMathDialog::StoreResult(int index, const SG::CSgVectorT<T>& result) {
  return tools::CommitSamples(g_WaveStore.GetEntry(index), result);
}
template bool CMathDialog::StoreResult(int, const SG::CSgVectorT<float>&);
template bool CMathDialog::StoreResult(int, const SG::CSgVectorT<double>&);

void CMathDialog::FinishCommit(int index) {
  tools::NotifyFrame(WM_WAVE_UPDATE, static_cast<WPARAM>(index), 0);
  EndDialog(IDOK);
}

void CMathWorkDialog::InitSource() {
  FillWaveNames(m_sourceList);
  if (g_WaveArray.GetSize() == 0) return;
  SelectIndex(m_sourceList, 0);
  PreviewWave(m_upper, m_nSource, m_displaySamples, &m_lower);
}

void CMathWorkDialog::OnSelchangeSource() {
  UpdateData(TRUE);
  m_nSource = CurSel(m_sourceList);
  PreviewWave(m_upper, m_nSource, m_displaySamples, &m_lower);
  Process();
}

const SG::CSgScalarVector<float>& CMathWorkDialog::CopySource(int index) {
  const SG::CSgScalarVector<float>& samples = g_WaveArray[index].thedata;
  m_work.Assign(samples.GetData(), samples.GetSize());
  return samples;
}

void CMathWorkDialog::PlotWork() { tools::PlotPreview(m_lower, m_work, m_shown); }

bool CMathWorkDialog::PlotFiniteWork() {
  return tools::PlotFinitePreview(m_lower, m_work, m_shown);
}

void CMathWorkDialog::OnCommit() {
  UpdateData(TRUE);
  const int target = CurSel(m_sourceList);
  if (target >= 0) CommitResult(target, m_work);
}
