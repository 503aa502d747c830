#include "tools/Change_properity.h"

#include "platform/window/Controls.h"
#include "tools/ToolSupport.h"
#include "tools/UnitLists.h"
#include "waveform/NumberHelpers.h"
#include "waveform/RecordedEdit.h"
#include "waveform/WaveCollections.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CChange_properity, CMathDialog)
ON_CBN_SELCHANGE(1124, OnSelchangeWave)
ON_BN_CLICKED(1040, OnFrequencyMode)
ON_BN_CLICKED(1044, OnPeriodMode)
ON_EN_CHANGE(1002, OnChangeFrequency)
ON_EN_CHANGE(1009, OnChangePeriod)
ON_EN_KILLFOCUS(1002, OnKillfocusFrequency)
ON_EN_KILLFOCUS(1009, OnKillfocusPeriod)
ON_CBN_SELCHANGE(1088, OnSelchangeFrequencyUnit)
ON_CBN_SELCHANGE(1090, OnSelchangePeriodUnit)
ON_EN_CHANGE(1032, OnChangeAmplitude)
ON_CBN_SELCHANGE(1052, OnChangeAmplitude)
ON_EN_KILLFOCUS(1032, OnKillfocusAmplitude)
ON_EN_CHANGE(1280, OnChangeName)
ON_BN_CLICKED(1174, OnPreview)
END_MESSAGE_MAP()

CChange_properity::CChange_properity() : CMathDialog(IDD, 1176, 1175) {}

void CChange_properity::DoDataExchange(CDataExchange* dx) {
  CMathDialog::DoDataExchange(dx);
  DDX_Control(dx, 1125, m_graph);
  DDX_Radio(dx, 1040, m_nMode);
  DDX_Text(dx, 1031, m_nPointCount);
  DDX_Text(dx, 1032, m_dAmplitude);
  DDX_Text(dx, 1045, m_nQuantisation);
  DDX_Text(dx, 1002, m_dFrequency);
  DDX_Text(dx, 1009, m_dPeriod);
  DDX_Text(dx, 1280, m_strName);
}

BOOL CChange_properity::OnInitDialog() {
  CMathDialog::OnInitDialog();
  FillList(1088, kFrequencyUnits, kUnitCount);
  FillList(1090, kPeriodUnits, kUnitCount);
  FillList(1052, kAmplitudeUnits, 2);
  CheckRadioButton(1040, 1044, 1040);
  m_strName = m_strOriginalName = tools::ActiveWaveTitle();
  FillWaveNames(1124);
  m_nIndex = std::max(0, g_WaveNameList.Find(m_strName));
  if (g_WaveArray.GetSize() == 0) return TRUE;
  SelectIndex(1124, m_nIndex);
  LoadWave(m_nIndex);
  UpdateData(FALSE);
  return TRUE;
}

void CChange_properity::WriteFieldsQuietly() {
  CNotifyLockout quiet(this);
  UpdateData(FALSE);
}

void CChange_properity::LoadWave(int index) {
  const CWaveData& record = g_WaveArray[index];
  m_work = record.thedata;
  SelectIndex(1052, record.spanunit);
  m_nPointCount = record.pointcount;
  m_dAmplitude = record.span;
  m_nQuantisation = record.bits;  // the waveform's own, not a fixed 14
  m_dFrequency = record.freq;
  SelectIndex(1088, record.frequnit);
  m_dPeriod = record.period;
  SelectIndex(1090, record.periodunit);
  double offset = record.offset;
  if (record.vppunit != 1 && record.offsetunit == 1) offset /= 1000;
  if (record.vppunit == 1 && record.offsetunit == 0) offset *= 1000;
  tools::SetAxisMaximum(m_graph, "XAxis", record.pointcount - 1);
  tools::SetAxisRange(m_graph, "YAxis", offset - record.span / 2, offset + record.span / 2);
  if (record.thedata.GetSize() == 0)
    tools::ShowText(302);
  else
    tools::PlotPreview(m_graph, record.thedata);
  WriteFieldsQuietly();
}

void CChange_properity::OnSelchangeWave() {
  UpdateData(TRUE);
  LoadWave(m_nIndex);
}

void CChange_properity::OnChangePaired(int id, double& given, double& other) {
  if (ItemText(id).IsEmpty()) return;
  UpdateData(TRUE);
  other = Reciprocal1000(given);
  WriteFieldsQuietly();  // the other field's handler would only compute this back
}

void CChange_properity::ResetIfNotPositive(int id) {
  const CString text = ItemText(id);
  if (text.IsEmpty() || StrToDouble(text) <= 0) SetDlgItemText(id, "1");
}

void CChange_properity::PairUnits(int from, int to) {
  SelectIndex(to, CurSel(from));
  WriteFieldsQuietly();
}

void CChange_properity::OnChangeAmplitude() {
  const CString text = ItemText(1032);
  if (text.IsEmpty() || text == "-") return;
  UpdateData(TRUE);
  LimitAmplitudeAbove(1032, VppSelected(), m_dAmplitude);
}

void CChange_properity::OnKillfocusAmplitude() {
  UpdateData(TRUE);
  LimitAmplitudeBelow(1032, VppSelected(), m_dAmplitude);
}

bool CChange_properity::UpdatePreview() {
  if (StrToDouble(ItemText(1002)) <= 0 || StrToDouble(ItemText(1009)) <= 0) return false;
  UpdateData(TRUE);
  const CWaveData& record = g_WaveArray[m_nIndex];
  m_work = record.thedata;
  if (m_dAmplitude > (VppSelected() ? 20.0 : 20000.0)) {
    tools::ShowText(316);
    return false;
  }
  if (!VppSelected()) {
    SelectIndex(1052, 0);
    m_dAmplitude /= 1000;
    CString text;
    text.Format("%f", m_dAmplitude);
    CNotifyLockout quiet(this);
    SetDlgItemText(1032, text);
  }
  tools::SetAxisMaximum(m_graph, "XAxis", m_nPointCount - 1);
  const double span = record.spanunit == 1 ? record.span / 1000 : record.span;
  if (m_dAmplitude < span && tools::ShowText(315, MB_YESNO | MB_ICONQUESTION) == IDNO) {
    m_dAmplitude = record.span;
    WriteFieldsQuietly();
  }
  tools::SetAxisRange(m_graph, "YAxis", record.offset - m_dAmplitude / 2,
                      record.offset + m_dAmplitude / 2);
  if (record.vppunit == 1) {
    float* d = m_work.GetData();
    for (unsigned int i = 0; i < m_work.GetSize(); ++i) d[i] /= 1000;
  }
  tools::PlotPreview(m_graph, m_work);
  return true;
}

void CChange_properity::ApplyProperties() {
  UpdatePreview();
  UpdateData(TRUE);
  m_strName.Trim(' ');
  const int holder = g_WaveNameList.Find(m_strName);
  if (holder >= 0 && holder != m_nIndex) {  // another waveform's name
    tools::ShowText(308);
    return;
  }
  if (StrToDouble(ItemText(1002)) <= 0 || StrToDouble(ItemText(1009)) <= 0) return;
  const bool vpp = VppSelected();
  if (m_dAmplitude > (vpp ? 20.0 : 20000.0)) {
    tools::ShowText(316);
    return;
  }
  if (m_strName.GetLength() > 32) {
    tools::ShowText(310);
    return;
  }
  if (tools::RefuseNonFinite(m_work)) return;
  g_dAmplitudeSpan = m_dAmplitude;
  const double amplitude = vpp ? m_dAmplitude : m_dAmplitude / 1000;

  CWaveData& record = g_WaveArray[m_nIndex];
  CString name = m_strName;  // everything that can fail first
  waveform::RecordSamples(g_WaveStore.GetEntry(m_nIndex), m_work);
  record.spanunit = 0;
  record.samplecount = record.pointcount = m_nPointCount;
  record.span = amplitude;
  record.bits = m_nQuantisation;
  record.wavename = std::move(name);  // the name list follows the records
  if (record.vppunit == 1) {
    // The preview brought the samples from mV to volts: so is the amplitude
    // now, or the next apply would divide them by 1000 again.
    record.vppunit = 0;
    record.vpp /= 1000;
  }
  if (m_nMode == 0) {
    record.freq = m_dFrequency;
    record.frequnit = CurSel(1088);
    record.period = Reciprocal1000(m_dFrequency);
    record.periodunit = CurSel(1090);
  } else {
    record.period = m_dPeriod;
    record.periodunit = CurSel(1090);
    record.freq = Reciprocal1000(m_dPeriod);
    record.frequnit = CurSel(1088);
  }
  tools::SetActiveWaveTitle(record.wavename);
  FinishCommit(m_nIndex);
}
