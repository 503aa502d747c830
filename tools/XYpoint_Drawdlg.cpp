#include "tools/XYpoint_Drawdlg.h"

#include "tools/ToolMessages.h"
#include "tools/ToolSupport.h"
#include "waveform/NumberHelpers.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kRows = 50;
constexpr DWORD kTwoClickActivate = 0x80;
constexpr COLORREF kGridColour = RGB(199, 237, 237);
}  // namespace

PointTimeSpan TimeSpanFor(double p, int u) {
  if (p >= 1000 && u > 0) return {p / 1000, u - 1};
  if (p >= 1) return {p, u};
  if (u == 4) return {p, 4};
  return {p * 1000, u + 1};
}

BEGIN_MESSAGE_MAP(CXYpoint_Drawdlg, CToolDialog)
ON_BN_CLICKED(1151, OnByMouse)
ON_BN_CLICKED(1152, OnByTable)
ON_BN_CLICKED(1057, OnLinear)
ON_BN_CLICKED(1061, OnSpline)
ON_EN_CHANGE(1053, OnChangeCount)
END_MESSAGE_MAP()

CXYpoint_Drawdlg::CXYpoint_Drawdlg() : CToolDialog(IDD, 1251, 1250) {}

void CXYpoint_Drawdlg::DoDataExchange(CDataExchange* dx) {
  CToolDialog::DoDataExchange(dx);
  DDX_Control(dx, 1100, m_grid);
  DDX_Text(dx, 1053, m_nPointCount);
}

void CXYpoint_Drawdlg::SetChecks() {
  CheckDlgButton(1151, m_bByMouse ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(1152, m_bByTable ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(1057, m_bLinear ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(1061, m_bSpline ? BST_CHECKED : BST_UNCHECKED);
  Enable(1100, m_bByTable != 0);
}

BOOL CXYpoint_Drawdlg::OnInitDialog() {
  CToolDialog::OnInitDialog();
  m_bByMouse = g_bPointsByMouse;
  m_bByTable = g_bPointsByTable;
  m_bLinear = g_bLinearFill;
  m_bSpline = g_bSplineFill;
  SetChecks();
  UpdateData(FALSE);
  m_grid.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | kTwoClickActivate);
  const int index = tools::FindActiveRecord();
  if (index >= 0) {
    const PointTimeSpan time =
        TimeSpanFor(g_WaveArray[index].period, g_WaveArray[index].periodunit);
    m_dTimeSpan = time.span;
    m_nTimeUnit = time.unit;
  }
  m_grid.SetBkColor(kGridColour);
  m_grid.SetTextBkColor(kGridColour);
  CString title;
  title.Format("Xpos(%s)",
               g_TimeUnits[m_nTimeUnit >= 0 && m_nTimeUnit < 5 ? m_nTimeUnit : 5].GetString());
  m_grid.InsertColumn(0, "# NO ", LVCFMT_CENTER, 80);
  m_grid.InsertColumn(1, title, LVCFMT_CENTER, 100);
  m_grid.InsertColumn(2, "Ypos(V)", LVCFMT_CENTER, 180);
  m_grid.SetColumnReadOnly(0, true);
  m_grid.SetColumnValidChars("", 1);
  m_grid.SetColumnValidChars("", 2);
  FillGrid();
  m_grid.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  return TRUE;
}

void CXYpoint_Drawdlg::FillGrid() {
  for (int row = 0; row < kRows; ++row) {
    CString number;
    number.Format("%d", row + 1);
    m_grid.InsertItem(row, number);
  }
  if (!m_bByTable || !g_bTablePointsDrawn || g_nPointCount < 2) return;
  // Only points the list holds: after a refused table or a mouse drawing
  // the count may say more.
  const int shown =
      std::min({g_nSplinePointCount, static_cast<int>(g_pTablePoints.size()) - 1, kRows});
  for (int r = 1; r <= shown; ++r) {
    CString time, value;
    time.Format("%.3f", g_pTablePoints[r].index * m_dTimeSpan / (g_nPointCount - 1));
    value.Format("%0.9f", g_pTablePoints[r].value);
    m_grid.SetItemText(r - 1, 1, time);
    m_grid.SetItemText(r - 1, 2, value);
  }
}

void CXYpoint_Drawdlg::SetInput(bool mouse) {
  m_bByMouse = mouse;
  m_bByTable = !mouse;
  SetChecks();
  UpdateData(FALSE);
}

void CXYpoint_Drawdlg::SetFill(bool linear) {
  m_bLinear = linear;
  m_bSpline = !linear;
  SetChecks();
  UpdateData(FALSE);
}

void CXYpoint_Drawdlg::OnChangeCount() {
  const CString text = ItemText(1053);
  if (!text.IsEmpty() && text != "-") UpdateData(TRUE);
}

bool CXYpoint_Drawdlg::ReadRows(std::vector<SplinePoint>& points) {
  points.assign(static_cast<size_t>(m_nPointCount) + 1, SplinePoint{});
  for (int r = 1; r <= m_nPointCount; ++r) {
    const CString timeText = r <= kRows ? m_grid.GetItemText(r - 1, 1) : CString();
    if (timeText.IsEmpty()) {
      tools::ShowText(340);
      return false;
    }
    const double t = StrToDouble(timeText);
    if (!(t > 0 && t <= m_dTimeSpan)) {
      CString interval, message = tools::Text(330);
      interval.Format("(0,%.3f]%s", m_dTimeSpan, g_TimeUnits[m_nTimeUnit].GetString());
      message.Replace("####", interval);
      AfxMessageBox(message);
      return false;
    }
    points[r].index = static_cast<int>((g_nPointCount - 1) * t / m_dTimeSpan);
    const CString valueText = m_grid.GetItemText(r - 1, 2);
    if (valueText.IsEmpty()) {
      tools::ShowText(340);
      return false;
    }
    points[r].value = StrToDouble(valueText);
    if (!std::isfinite(points[r].value)) {
      tools::ShowText(kMsgNotFinite);
      return false;
    }
  }
  return true;
}

void CXYpoint_Drawdlg::OnCommit() {
  UpdateData(TRUE);
  if (m_nPointCount < 1) {
    tools::ShowText(kMsgPointCountTooSmall);
    return;
  }
  g_nSplinePointCount = m_nPointCount;
  tools::LeaveDrawingModes();
  g_bPointsMode = true;
  g_bPointsByMouse = m_bByMouse;
  g_bPointsByTable = m_bByTable;
  g_bLinearFill = m_bLinear;
  g_bSplineFill = m_bSpline;
  if (m_bByMouse) {
    tools::NotifyFrame(WM_DRAW_POINTS, 0, 0);
    EndDialog(IDOK);
    return;
  }
  if (!m_bByTable) return;
  std::vector<SplinePoint> points;
  if (!ReadRows(points)) return;
  g_pTablePoints = std::move(points);  // only once every row has passed
  tools::NotifyFrame(WM_DRAW_POINTS, 1, 0);
  EndDialog(IDOK);
}
