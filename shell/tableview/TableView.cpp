// The table view's opening, its buttons and how it ends.
#include "shell/tableview/TableView.h"

#include "platform/window/DataExchange.h"
#include "platform/window/Frame.h"
#include "platform/window/WinApp.h"
#include "shell/base/ActiveChild.h"
#include "shell/ShellMessages.h"
#include "shell/base/Translator.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <cmath>

namespace {
constexpr int kMsgNoSamples = 302;
constexpr int kMsgNameInUse = 308;
constexpr int kMsgNameTooLong = 310;
constexpr int kMsgOutOfRange = 316;
constexpr const char* kUnits[] = {"uHz", "mHz", "Hz", "kHz", "MHz"};
}  // namespace

BEGIN_MESSAGE_MAP(CTable_view, CDialog)
ON_BN_CLICKED(IDC_PREVIEW, OnPreview)
ON_BN_CLICKED(IDC_OK, OnOkButton)
ON_BN_CLICKED(IDC_CANCEL, OnCancelButton)
ON_EN_CHANGE(IDC_PAGE, OnPageChanged)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, OnSpinDelta)
END_MESSAGE_MAP()

// The record of the active waveform window, its samples in volts (a record
// kept in mV is shown, edited and stored back in volts).
CTable_view::CTable_view(CWnd* parent) : CDialog(IDD, parent) {
  m_nRecord = FindWaveIndex(ActiveChildTitle());
  if (m_nRecord < 0) return;
  const CWaveData& wave = g_WaveArray[m_nRecord];
  m_WorkData = wave.thedata;
  if (wave.spanunit == 1) {
    float* data = m_WorkData.GetData();
    for (unsigned i = 0; i < m_WorkData.GetSize(); ++i) data[i] /= 1000.0f;
  }
  m_nPoints = wave.pointcount;
  m_nPageCount = TablePageCount(static_cast<int>(m_WorkData.GetSize()));
}

CTable_view::~CTable_view() = default;

void CTable_view::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_GRAPH, m_Graph);
  DDX_Control(dx, IDC_GRID, m_Grid);
  DDX_Control(dx, IDC_UNIT, m_UnitList);
  DDX_Control(dx, IDC_SPIN, m_Spin);
  DDX_Text(dx, IDC_NAME, m_strName);
  DDX_Text(dx, IDC_POINTS, m_nPoints);
  DDX_Text(dx, IDC_FREQUENCY, m_dFrequency);
}

BOOL CTable_view::OnInitDialog() {
  CDialog::OnInitDialog();
  for (const char* unit : kUnits) m_UnitList.AddString(unit);
  g_Translator.TranslateDialog(m_hWnd, IDD);
  if (m_nRecord < 0) {  // nothing to edit: the callers open it only over a waveform window
    EndDialog(IDCANCEL);
    return TRUE;
  }
  m_strName = ActiveChildTitle();
  m_strName.Trim(' ');
  m_Spin.SetRange32(1, m_nPageCount);
  m_Spin.SetBuddy(GetDlgItem(IDC_PAGE));
  m_Spin.SetPos(1);
  {
    CNotifyLockout quiet(this);  // the page shown is set here, not typed
    UpdateData(FALSE);
    ShowPageNumber(1);
  }
  SetupGrid();
  FillPage();
  ShowWaveform();
  return TRUE;
}

void CTable_view::ShowWaveform() {
  const CWaveData& wave = g_WaveArray[m_nRecord];
  m_dAmplitude = wave.spanunit == 1 ? wave.vpp / 1000.0 : wave.vpp;
  m_nBits = 14;
  m_dFrequency = wave.freq;
  m_UnitList.SetCurSel(wave.frequnit);
  const double offset = wave.offsetunit == 1 ? wave.offset / 1000.0 : wave.offset;
  const double span = m_dAmplitude > 0.0 ? m_dAmplitude : TableSpan(offset, offset);
  m_Graph.GetAxes().Item("XAxis").SetMaximum(static_cast<double>(m_WorkData.GetSize()) - 1);
  ShowYRange(offset - span / 2, offset + span / 2);
  if (m_WorkData.GetSize() == 0)
    ShowShellMessage(kMsgNoSamples, m_hWnd);
  else
    m_Graph.GetPlots().Item(1).PlotSamples(m_WorkData, 0.0, 1.0);
  CNotifyLockout quiet(this);
  UpdateData(FALSE);
}

void CTable_view::ShowYRange(double minimum, double maximum) {
  SG::CSgAxis y = m_Graph.GetAxes().Item("YAxis");
  y.SetMaximum(maximum);
  y.SetMinimum(minimum);
}

double CTable_view::FrequencyTyped() const {
  CString text;
  GetDlgItemText(IDC_FREQUENCY, text);
  const std::optional<double> typed = ReadTableNumber(text);
  return typed ? *typed : 0.0;
}

bool CTable_view::PreviewChecked() {
  if (FrequencyTyped() <= 0.0) return false;
  if (!WriteBackPage()) return false;
  const TableExtremes extremes = ScanTableSamples(m_WorkData);
  if (!extremes.InRange()) {
    ShowShellMessage(kMsgOutOfRange, m_hWnd);
    return false;
  }
  m_Extremes = extremes;
  const double span = TableSpan(extremes.largest, extremes.smallest);
  const double middle = (extremes.largest + extremes.smallest) / 2;
  m_Graph.GetAxes().Item("XAxis").SetMaximum(static_cast<double>(m_WorkData.GetSize()) - 1);
  ShowYRange(middle - span / 2, middle + span / 2);
  if (m_WorkData.GetSize() > 0) m_Graph.GetPlots().Item(1).PlotSamples(m_WorkData, 0.0, 1.0);
  return true;
}

void CTable_view::OnPreview() { PreviewChecked(); }

void CTable_view::OnOkButton() {
  if (!PreviewChecked()) return;
  if (!UpdateData(TRUE)) return;
  m_strName.Trim(' ');
  const int owner = g_WaveNameList.Find(m_strName);
  if (owner >= 0 && owner != m_nRecord) {
    ShowShellMessage(kMsgNameInUse, m_hWnd);
    return;
  }
  if (TableNameLength(m_strName) > kTableNameLimit) {
    ShowShellMessage(kMsgNameTooLong, m_hWnd);
    return;
  }
  g_dAmplitudeSpan = m_dAmplitude;
  TableEdits edits;
  edits.name = m_strName;
  edits.frequency = m_dFrequency;
  edits.unit = std::max(0, m_UnitList.GetCurSel());
  edits.extremes = m_Extremes;
  ApplyTableEdits(g_WaveStore.GetEntry(m_nRecord), std::move(m_WorkData), edits);
  if (CMDIChildWnd* child = ActiveChildFrame()) child->SetWindowText(m_strName);
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_WAVE_UPDATE, m_nRecord, 0);
  EndDialog(IDOK);
}

void CTable_view::OnOK() { OnOkButton(); }

BOOL CTable_view::PreTranslateMessage(MSG* msg) {
  // Enter in the page box is the user asking for that page, not OK.
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
      msg->hwnd == ::GetDlgItem(m_hWnd, IDC_PAGE)) {
    OnPageChanged();
    return TRUE;
  }
  return CDialog::PreTranslateMessage(msg);
}

void CTable_view::OnCancel() { EndDialog(IDCANCEL); }
