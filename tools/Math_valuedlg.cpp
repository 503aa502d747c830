#include "tools/Math_valuedlg.h"

#include "tools/ToolSupport.h"
#include "waveform/NumberHelpers.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <cmath>

namespace {
const char* const kOperators[] = {
#define PELMORAN_OPERATOR_TEXT(index, text) text,
    PELMORAN_CONSTANT_OPERATORS(PELMORAN_OPERATOR_TEXT)
#undef PELMORAN_OPERATOR_TEXT
};
constexpr int kAbs = 4;
}  // namespace

double ApplyConstant(int op, double s, double c, double h) {
  double r = 0.0;
  switch (op) {
    case 0: r = s + c; break;
    case 1: r = s - c; break;
    case 2: r = s * c; break;
    case 3:
      if (c > -1e-8 && c < 1e-8) return s;  // no division by (nearly) zero: a copy
      r = s / c;
      break;
    default: return std::fabs(s);
  }
  if (r >= h) return h;
  if (r <= -h) return -h;
  return r;
}

BEGIN_MESSAGE_MAP(CMath_valuedlg, CMathDialog)
ON_CBN_SELCHANGE(1103, OnSelchangeSource)
ON_BN_CLICKED(1105, OnWhole)
ON_BN_CLICKED(1106, OnBetweenCursors)
ON_EN_CHANGE(1053, OnChangeConstant)
ON_CBN_SELCHANGE(1088, OnSelchangeOperator)
END_MESSAGE_MAP()

CMath_valuedlg::CMath_valuedlg() : CMathDialog(IDD, 1222, 1221) {}

void CMath_valuedlg::DoDataExchange(CDataExchange* dx) {
  CMathDialog::DoDataExchange(dx);
  DDX_Control(dx, 1102, m_graph);
  DDX_Text(dx, 1053, m_strConstant);
  DDX_Radio(dx, 1105, m_nRange);
}

BOOL CMath_valuedlg::OnInitDialog() {
  CMathDialog::OnInitDialog();
  CheckRadioButton(1105, 1106, 1105);
  m_strConstant = "0.0";
  FillList(1088, kOperators, 5);
  SelectIndex(1088, m_nOperator);
  FillWaveNames(1103);
  if (g_WaveArray.GetSize() > 0) {
    SelectIndex(1103, m_nSource);
    PreviewWave(m_graph, m_nSource);
  }
  UpdateData(FALSE);
  return TRUE;
}

void CMath_valuedlg::OnSelchangeSource() {
  m_nSource = CurSel(1103);
  PreviewWave(m_graph, m_nSource);
  UpdateData(TRUE);
  m_nOperator = CurSel(1088);
  if (m_strConstant != "-") Compute();
}

void CMath_valuedlg::OnRange(int range) {
  m_nRange = range;
  UpdateData(TRUE);
  m_nSource = CurSel(1103);
  m_nOperator = CurSel(1088);
  Compute();
}

void CMath_valuedlg::OnChangeConstant() {
  UpdateData(TRUE);
  m_nSource = CurSel(1103);
  m_nOperator = CurSel(1088);
  if (m_strConstant != "-") Compute();
}

void CMath_valuedlg::OnSelchangeOperator() {
  UpdateData(TRUE);
  m_nOperator = CurSel(1088);
  if (m_nOperator == 0 || m_nOperator == 1) m_strConstant = "0.0";
  if (m_nOperator == 2 || m_nOperator == 3) m_strConstant = "1.0";
  m_nSource = CurSel(1103);
  Show(1220, m_nOperator != kAbs);
  Show(1053, m_nOperator != kAbs);
  UpdateData(FALSE);
  Compute();
}

void CMath_valuedlg::ComputeResult(int source, int op, int range, double c) {
  if (source < 0 || source >= g_WaveArray.GetSize()) return;
  // Until this computation has its result, OK has nothing to commit: one
  // that fails part way must not leave the previous result to be committed.
  m_result.SetSize(0, FALSE);
  Enable(1222, false);
  const CWaveData& record = g_WaveArray[source];
  const SG::CSgScalarVector<float>& s = record.thedata;
  const unsigned int n = s.GetSize();
  const double h = record.span / 2.0;
  SG::CSgScalarVector<float> result(n);
  if (range == 0) {
    const float* in = s.GetData();
    float* out = result.GetData();
    for (unsigned int k = 0; k < n; ++k)
      out[k] = static_cast<float>(ApplyConstant(op, in[k], c, h));
  } else {
    if (!record.cursorson) {  // the chosen waveform's, whatever window is active
      tools::ShowText(306);
      return;
    }
    result = s;
    // The chosen waveform's own cursors, display positions turned into
    // sample positions by its display step.
    const double k = record.dispstep > 0 ? record.dispstep : 1;
    const double low = k * std::min(record.cursor1, record.cursor2),
                 high = k * std::max(record.cursor1, record.cursor2);
    // Checked access: a cursor beyond this waveform raises the access error.
    for (int i = static_cast<int>(low); i < high; ++i)
      result[i] = static_cast<float>(ApplyConstant(op, s[i], c, h));
  }
  m_result = std::move(result);
  Enable(1222, true);
  tools::PlotPreview(m_graph, m_result);
}

void CMath_valuedlg::OnCommit() {
  UpdateData(TRUE);
  m_nSource = CurSel(1103);
  if (m_nSource < 0) return;
  if (m_result.GetSize() == 0)  // nothing computed: the samples stay
    FinishCommit(m_nSource);
  else
    CommitResult(m_nSource, m_result);
}
