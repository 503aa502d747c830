#include "tools/Math_wavedlg.h"

#include "tools/ToolSupport.h"
#include "tools/UnitLists.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <cmath>

namespace {
const char* const kOperators[] = {
#define PELMORAN_OPERATOR_TEXT(index, text) text,
    PELMORAN_WAVE_OPERATORS(PELMORAN_OPERATOR_TEXT)
#undef PELMORAN_OPERATOR_TEXT
};
}  // namespace

BEGIN_MESSAGE_MAP(CMath_wavedlg, CMathDialog)
ON_CBN_SELCHANGE(1109, OnSelchangeSource)
ON_CBN_SELCHANGE(1110, OnSelchangeOperand)
ON_CBN_SELCHANGE(1111, OnSelchangeOperator)
END_MESSAGE_MAP()

CMath_wavedlg::CMath_wavedlg() : CMathDialog(IDD, 1030, 1027) {}

void CMath_wavedlg::DoDataExchange(CDataExchange* dx) {
  CMathDialog::DoDataExchange(dx);
  DDX_Control(dx, 1112, m_upper);
  DDX_Control(dx, 1113, m_lower);
}

BOOL CMath_wavedlg::OnInitDialog() {
  CMathDialog::OnInitDialog();
  FillList(1111, kOperators, 4);
  SelectIndex(1111, m_nOperator);
  Enable(1030, false);
  FillWaveNames(1109);
  FillWaveNames(1110);
  if (g_WaveArray.GetSize() > 0) {
    SelectIndex(1109, m_nSource);
    SelectIndex(1110, m_nOperand);
    PreviewWave(m_upper, m_nSource);
    PreviewWave(m_lower, m_nSource);
  }
  UpdateData(FALSE);
  return TRUE;
}

void CMath_wavedlg::ReadIndices() {
  m_nSource = CurSel(1109);
  m_nOperand = CurSel(1110);
  m_nOperator = CurSel(1111);
}

void CMath_wavedlg::OnSelchangeSource() {
  UpdateData(TRUE);
  m_nSource = CurSel(1109);
  PreviewWave(m_upper, m_nSource);
  ReadIndices();
  ComputeResult(m_nSource, m_nOperand, m_nOperator);
}

void CMath_wavedlg::OnSelchangeOperand() {
  UpdateData(TRUE);
  ReadIndices();
  Enable(1030, m_nOperator != 0);
  UpdateData(FALSE);
  PreviewWave(m_lower, m_nOperand);
  ComputeResult(m_nSource, m_nOperand, m_nOperator);
}

void CMath_wavedlg::OnSelchangeOperator() {
  UpdateData(TRUE);
  ReadIndices();
  Enable(1030, m_nOperator != 0);
  UpdateData(FALSE);
  ComputeResult(m_nSource, m_nOperand, m_nOperator);
}

void CMath_wavedlg::ComputeResult(int s, int p, int o) {
  if (s < 0 || p < 0 || s >= g_WaveArray.GetSize() || p >= g_WaveArray.GetSize()) return;
  const CWaveData& A = g_WaveArray[s];
  const CWaveData& B = g_WaveArray[p];
  const double h = A.span * 0.5;
  const unsigned int nA = A.thedata.GetSize();
  const unsigned int n = std::min(nA, B.thedata.GetSize());
  SG::CSgScalarVector<float> r(nA);
  double v = m_result.offset;
  if (o >= 1 && o <= 3) {
    if (FrequencyInHertz(A.freq, A.frequnit) != FrequencyInHertz(B.freq, B.frequnit) ||
        A.samplecount != B.samplecount) {
      tools::ShowText(328);
      SelectIndex(1111, 0);
      tools::SetAxisRange(m_upper, "YAxis", A.offset - h, A.offset + h);
      tools::PlotPreview(m_upper, A.thedata);
      Enable(1030, false);
      return;
    }
    v = o == 1 ? A.offset + B.offset : o == 2 ? A.offset - B.offset : A.offset * B.offset;
    const float* a = A.thedata.GetData();
    const float* b = B.thedata.GetData();
    float* out = r.GetData();
    double u = 0.0;
    for (unsigned int k = 0; k < n; ++k) {
      double x = o == 1   ? a[k] + static_cast<double>(b[k])
                 : o == 2 ? a[k] - static_cast<double>(b[k])
                          : a[k] * static_cast<double>(b[k]);
      if (o == 3)
        x = x >= h ? h : (x <= -h ? -h : x);
      else
        x = x > v + h ? v + h : (x < v - h ? v - h : x);
      out[k] = static_cast<float>(x);
      u = std::max(u, std::fabs(static_cast<double>(out[k])));
    }
    m_result.vpp = 2 * u;
    m_result.offset = v;
  }
  m_result.thedata = std::move(r);
  tools::SetAxisRange(m_upper, "YAxis", m_result.offset - h, h + m_result.offset);
  tools::PlotPreview(m_upper, m_result.thedata);
}

void CMath_wavedlg::OnCommit() {
  UpdateData(TRUE);
  m_nSource = CurSel(1109);
  if (m_nSource < 0 || !StoreResult(m_nSource, m_result.thedata)) return;
  CWaveData& record = g_WaveArray[m_nSource];
  record.vpp = m_result.vpp;
  record.offset = m_result.offset;
  FinishCommit(m_nSource);
}
