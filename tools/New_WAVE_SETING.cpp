#include "tools/New_WAVE_SETING.h"

#include "platform/window/Controls.h"
#include "tools/ToolSupport.h"
#include "tools/UnitLists.h"
#include "waveform/NumberHelpers.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"
#include "waveform/WaveData.h"

#include <cctype>
#include <cstdlib>

int g_nNewWaveCounter = 1;

namespace {

constexpr int kMaxPoints = 20971520;
const char* const kLengthKinds[] = {"Fixed", "Variable"};
const char* const kFixedCounts[] = {"16384", "32768", "524288"};
const char* const kFixedCaptions[] = {"16k", "32k", "512k"};

// Digits and points only, and no point first.
bool PlainNumber(const CString& text) {
  if (text.GetLength() > 0 && text[0] == '.') return false;
  for (int i = 0; i < text.GetLength(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i])) && text[i] != '.') return false;
  return true;
}

}  // namespace

std::optional<UnitStep> StepUnit(double v, int u, bool periodMode) {
  const int up = periodMode ? -1 : 1;  // the unit a large value moves to
  const bool canGrow = periodMode ? u > 0 : u < 4;
  const bool canShrink = periodMode ? u < 4 : u > 0;
  if (v >= 1000 && canGrow) return UnitStep{v / 1000, u + up};
  if (v > 0 && v < 1 && canShrink) return UnitStep{v * 1000, u - up};
  return std::nullopt;
}

BEGIN_MESSAGE_MAP(CNew_WAVE_SETING, CToolDialog)
ON_EN_CHANGE(1032, OnChangeAmplitude)
ON_EN_KILLFOCUS(1032, OnKillfocusAmplitude)
ON_CBN_SELCHANGE(1052, OnSelchangeAmplitudeUnit)
ON_EN_CHANGE(1028, OnChangeName)
ON_EN_CHANGE(1146, OnChangeValue)
ON_EN_KILLFOCUS(1146, OnKillfocusValue)
ON_BN_CLICKED(1143, OnFrequencyMode)
ON_BN_CLICKED(1233, OnPeriodMode)
ON_CBN_SELCHANGE(1293, OnSelchangeLengthKind)
ON_CBN_SELCHANGE(1294, OnSelchangeFixedCount)
ON_BN_CLICKED(1089, OnLengthCheck)
ON_BN_CLICKED(1036, OnChannel1)
ON_BN_CLICKED(1041, OnChannel2)
END_MESSAGE_MAP()

CNew_WAVE_SETING::CNew_WAVE_SETING() : CToolDialog(IDD, 1235, 1234) {}

void CNew_WAVE_SETING::DoDataExchange(CDataExchange* dx) {
  CToolDialog::DoDataExchange(dx);
  DDX_Text(dx, 1028, m_strName);
  DDX_Text(dx, 1031, m_nPointCount);
  DDX_Text(dx, 1032, m_dAmplitude);
  DDX_Text(dx, 1045, m_nQuantisation);
  DDX_Radio(dx, 1143, m_nTimeMode);
  DDX_Text(dx, 1146, m_dValue);
  DDX_Text(dx, 1148, m_strLengthCaption);
}

BOOL CNew_WAVE_SETING::OnInitDialog() {
  CToolDialog::OnInitDialog();
  FillList(1052, kAmplitudeUnits, 2);
  SelectIndex(1052, 0);
  FillList(1145, kFrequencyUnits, kUnitCount);
  SelectIndex(1145, 3);
  FillList(1293, kLengthKinds, 2);
  SelectIndex(1293, 0);
  const char* bits[] = {"16"};
  FillList(1094, bits, 1);
  SelectIndex(1094, 0);
  FillList(1294, kFixedCounts, 3);
  SelectIndex(1294, 0);
  m_strName += IntToStr(g_nNewWaveCounter, 0);
  m_nPointCount = 16384;
  m_strLengthCaption = "(16k)";
  m_dAmplitude = 20.0;
  m_dValue = m_dFrequency = m_dPeriod = 1.0;
  m_nQuantisation = 14;
  UpdateData(FALSE);
  CheckRadioButton(1036, 1041, 1036);
  CheckRadioButton(1143, 1233, 1143);
  return TRUE;
}

void CNew_WAVE_SETING::OnCommit() {
  ++g_nNewWaveCounter;  // the next opening proposes the next name, whatever happens
  if (ItemText(1146).IsEmpty()) {
    tools::ShowText(331);
    return;
  }
  // Enter in the value field leaves it without losing the focus: the range
  // check runs here too, or 0 Hz or 5000 MHz would pass unseen.
  if (!CheckValue()) return;
  UpdateData(TRUE);
  int n = 0;
  if (m_nLengthKind == 1) {
    const CString text = ItemText(1313);
    const long long count = text.IsEmpty() ? 0 : std::atoll(text);
    if (text.IsEmpty() || count < 2 || count > kMaxPoints) {
      tools::ShowText(331);
      return;
    }
    n = static_cast<int>(count);
  } else {
    n = std::atoi(ItemText(1294));
  }
  m_nQuantisation = std::atoi(ItemText(1094));
  m_strName.Trim(' ');
  if (m_strName.GetLength() > 32) {
    tools::ShowText(310);
    return;
  }
  if (m_dAmplitude > (VppSelected() ? 20.0 : 20000.0)) {
    tools::ShowText(316);
    return;
  }
  if (m_nTimeMode == 0) {
    m_dFrequency = m_dValue;
    m_dPeriod = Reciprocal1000(m_dFrequency);
  } else {
    m_dPeriod = m_dValue;
    m_dFrequency = (m_dPeriod > -1e-15 && m_dPeriod < 1e-15) ? 0.0 : (1 / m_dPeriod) * 1000;
  }
  if (IsWaveNameUsed(m_strName)) {
    tools::ShowText(308);
    return;
  }

  CWaveData wave;
  wave.shape = 8;
  wave.wavename = m_strName;
  wave.pointcount = wave.samplecount = n;
  wave.span = m_dAmplitude;
  wave.spanunit = wave.vppunit = CurSel(1052);
  wave.bits = m_nQuantisation;
  wave.timemode = m_nTimeMode;
  const int unit = CurSel(1145);
  wave.freq = m_dFrequency;
  wave.frequnit = unit;
  wave.period = m_dPeriod;
  wave.periodunit = unit;
  wave.cursorson = false;
  wave.thedata.SetSize(static_cast<unsigned int>(n), FALSE);
  DisplayDecimation(wave);
  g_WaveArray.Add(std::move(wave));  // the record, its history and its name as one
  g_nPointCount = n;
  g_dAmplitudeSpan = m_dAmplitude;
  g_bEditEnable = false;
  g_bWaveOpen = true;
  tools::NotifyFrame(WM_WAVE_UPDATE, kWaveUpdateOpenWindow, 0);
  EndDialog(IDOK);
}

void CNew_WAVE_SETING::OnChangeAmplitude() {
  const CString text = ItemText(1032);
  if (!PlainNumber(text)) {
    SetDlgItemText(1032, "6");
    tools::ShowText(331);
    return;
  }
  if (text.IsEmpty() || text == "-") return;
  UpdateData(TRUE);
  LimitAmplitudeAbove(1032, VppSelected(), m_dAmplitude);
}

void CNew_WAVE_SETING::OnKillfocusAmplitude() {
  UpdateData(TRUE);
  LimitAmplitudeBelow(1032, VppSelected(), m_dAmplitude);
}

void CNew_WAVE_SETING::OnSelchangeAmplitudeUnit() {
  const CString text = ItemText(1032);
  if (text.IsEmpty() || text == "-") return;
  UpdateData(TRUE);
  const bool vpp = VppSelected();
  const double low = LowestAmplitudeIn(vpp ? 0 : 1), high = vpp ? 20.0 : 20000.0;
  if (m_dAmplitude < low || m_dAmplitude > high) {
    tools::ShowText(m_dAmplitude < low ? 329 : 316);
    SetDlgItemText(1032, vpp ? "0.004" : "4");
  }
}

void CNew_WAVE_SETING::OnChangeValue() {
  const CString text = ItemText(1146);
  if (!PlainNumber(text)) {
    SetDlgItemText(1146, "1");
    tools::ShowText(331);
    return;
  }
  if (text.IsEmpty()) return;
  const auto step = StepUnit(StrToDouble(text), CurSel(1145), IsDlgButtonChecked(1233) != 0);
  if (!step) return;
  SelectIndex(1145, step->unit);
  CString stepped;
  stepped.Format("%f", step->value);
  SetDlgItemText(1146, stepped);  // runs this handler again on the new text
}

void CNew_WAVE_SETING::OnKillfocusValue() { CheckValue(); }

bool CNew_WAVE_SETING::CheckValue() {
  const CString text = ItemText(1146);
  const double value = StrToDouble(text);
  const int unit = CurSel(1145);
  const bool period = IsDlgButtonChecked(1233) != 0;
  int message = 0;
  if (text.IsEmpty())
    message = 331;
  else if (value <= 0)
    message = 332;
  else if (!period) {
    const double hertz = FrequencyInHertz(value, unit);
    if (hertz > 40e6 || hertz < 1e-6) message = 333;
  } else {
    const double seconds = PeriodInSeconds(value, unit);
    if (seconds > 1e6 || seconds < 2.5e-8) message = 334;
  }
  if (!message) return true;
  tools::ShowText(message);
  SetDlgItemText(1146, message == 334 && unit == 4 ? "25" : "1");
  return false;
}

void CNew_WAVE_SETING::SwitchMode(int mode) {
  m_nTimeMode = mode;
  const int unit = CurSel(1145);
  if (mode == 0)
    FillList(1145, kFrequencyUnits, kUnitCount);
  else
    FillList(1145, kPeriodUnits, kUnitCount);
  SelectIndex(1145, unit);
  UpdateData(TRUE);
  m_nTimeMode = mode;
  m_dValue = Reciprocal1000(m_dValue);
  (mode == 0 ? m_dFrequency : m_dPeriod) = m_dValue;
  UpdateData(FALSE);
}

void CNew_WAVE_SETING::ShowLengthKind(int kind) {
  for (int id : {1230, 1294, 1148}) Show(id, kind == 0);
  for (int id : {1314, 1313, 1149}) Show(id, kind == 1);
  m_nLengthKind = kind;
}

void CNew_WAVE_SETING::OnSelchangeLengthKind() {
  const int kind = CurSel(1293);
  Enable(1235, kind >= 0);
  if (kind >= 0) ShowLengthKind(kind);
}

void CNew_WAVE_SETING::OnSelchangeFixedCount() {
  const int entry = CurSel(1294);
  if (entry >= 0 && entry < 3) SetDlgItemText(1148, kFixedCaptions[entry]);
}

void CNew_WAVE_SETING::OnLengthCheck() { ShowLengthKind(IsDlgButtonChecked(1089) ? 1 : 0); }

void CNew_WAVE_SETING::SetChannel(const char* count, int points, const char* caption) {
  SetDlgItemText(1031, count);
  g_nPointCount = points;
  SetDlgItemText(1148, caption);
}
