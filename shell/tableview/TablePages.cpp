// The table view's grid: its columns, the rows of one page, taking the
// edited cells of the page on screen back into the working copy, and moving
// between pages.
#include "shell/tableview/TableView.h"

#include "shell/base/ActiveChild.h"
#include "shell/ShellMessages.h"

#include <vector>

namespace {
constexpr COLORREF kGridColor = RGB(199, 237, 237);
}  // namespace

void CTable_view::SetupGrid() {
  m_Grid.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  m_Grid.SetBkColor(kGridColor);
  m_Grid.SetTextBkColor(kGridColor);
  m_Grid.InsertColumn(0, "# NO ", LVCFMT_LEFT, 80);
  m_Grid.InsertColumn(1, "Value(V)", LVCFMT_LEFT, 175);
  m_Grid.SetColumnReadOnly(0, true);
  m_Grid.SetColumnValidChars("", 1);
}

void CTable_view::FillPage() {
  m_Grid.DeleteAllItems();
  const int n = static_cast<int>(m_WorkData.GetSize());
  const float* data = m_WorkData.GetData();
  int row = 0;
  for (int i = TablePageFirst(m_nPage); i < TablePageEnd(m_nPage, n); ++i, ++row) {
    CString number;
    number.Format("%d", i + 1);
    m_Grid.InsertItem(row, number);
    m_Grid.SetItemText(row, 1, TableSampleText(data[i], 0));  // the working copy is in volts
  }
}

bool CTable_view::WriteBackPage() {
  const int n = static_cast<int>(m_WorkData.GetSize());
  std::vector<std::pair<int, float>> values;
  for (int row = 0; row < m_Grid.GetItemCount(); ++row) {
    const std::optional<double> number = ReadTableNumber(m_Grid.GetItemText(row, 0));
    const int k = number ? static_cast<int>(*number) : 0;
    if (k < 1 || k > n) continue;
    // A cell the user left as it was shown keeps its sample: its text has
    // only five decimals, and reading it back would round the sample.
    const CString text = m_Grid.GetItemText(row, 1);
    if (text == TableSampleText(m_WorkData.GetData()[k - 1], 0)) continue;
    const std::optional<double> value = ReadTableNumber(text);
    if (!value) {
      CString which;
      which.Format("%d", k);
      ShowShellMessage(ShellMessage::kTableRowNotNumber, m_hWnd, which);
      return false;
    }
    values.emplace_back(k - 1, static_cast<float>(*value));
  }
  float* data = m_WorkData.GetData();
  for (const auto& [index, value] : values) data[index] = value;
  return true;
}

void CTable_view::ShowPageNumber(int page) {
  CString text;
  text.Format(" %d ", page);
  CNotifyLockout quiet(this);  // the page edit's own change handler must not run again
  SetDlgItemText(IDC_PAGE, text);
}

// A page typed or stepped to: the page on screen is kept first; a cell that
// holds no number keeps the table on its page.
void CTable_view::OnPageChanged() {
  CString text;
  GetDlgItemText(IDC_PAGE, text);
  const std::optional<double> typed = ReadTableNumber(text);
  int page = typed ? static_cast<int>(*typed) : 0;
  if (!WriteBackPage()) {
    ShowPageNumber(m_nPage);
    return;
  }
  if (page > m_nPageCount || page < 1) {
    page = page > m_nPageCount ? m_nPageCount : 1;
    ShowPageNumber(page);
  }
  m_nPage = page;
  m_Spin.SetPos(page);
  FillPage();
}

void CTable_view::OnSpinDelta(NMHDR* header, LRESULT* result) {
  const auto* change = reinterpret_cast<NMUPDOWN*>(header);
  int page = m_nPage;
  if (change->iDelta == -1) --page;
  if (change->iDelta == 1) ++page;
  CString text;
  text.Format(" %d ", page);
  SetDlgItemText(IDC_PAGE, text);  // the page change above runs from here
  *result = 0;
}
