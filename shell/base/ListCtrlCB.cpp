// The grid's kinds and per-column and per-row data, and their setters.
#include "shell/base/ListCtrlCB.h"

#include "platform/window/DataExchange.h"
#include "shell/base/ListCtrlCells.h"

#include <algorithm>

bool CIntSet::Contains(int value) const {
  return std::find(m_values.begin(), m_values.end(), value) != m_values.end();
}

void CIntSet::Add(int value) {
  if (!Contains(value)) m_values.push_back(value);
}

void CIntSet::Remove(int value) {
  auto it = std::find(m_values.begin(), m_values.end(), value);
  if (it != m_values.end()) m_values.erase(it);
}

namespace {
void Mark(CIntSet& set, int value, bool flag) {
  if (flag)
    set.Add(value);
  else
    set.Remove(value);
}

// The process-wide editors; any grid's destructor ends them.
CListCtrlEditCell*& EditInstance() {
  static CListCtrlEditCell* edit = nullptr;
  return edit;
}
CListCtrlComboCell*& ComboInstance() {
  static CListCtrlComboCell* combo = nullptr;
  return combo;
}
}  // namespace

CListCtrlEditCell* SharedEditCell() {
  if (!EditInstance()) EditInstance() = new CListCtrlEditCell;
  return EditInstance();
}

CListCtrlComboCell* SharedComboCell() {
  if (!ComboInstance()) ComboInstance() = new CListCtrlComboCell;
  return ComboInstance();
}

CListCtrlCB::CListCtrlCB()
    : m_editStyle(ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL),
      m_comboStyle(WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL |
                   CBS_OEMCONVERT | CBS_DISABLENOSCROLL) {}

CListCtrlCB::~CListCtrlCB() {
  delete std::exchange(EditInstance(), nullptr);
  delete std::exchange(ComboInstance(), nullptr);
}

// Indexes past the per-column or per-row data are refused with a plain box;
// so are negative ones other than -1 (every index).
bool CListCtrlCB::Refused(int index, int limit, const char* format) {
  if (index >= limit || index < -1) {
    CString text;
    text.Format(format, limit);
    AfxMessageBox(text, MB_OK);
    return true;
  }
  return false;
}

void CListCtrlCB::SetColumnReadOnly(int column, bool flag) {
  Mark(m_readOnlyColumns, column, flag);
}

void CListCtrlCB::SetColumnValidChars(const CString& valid, int column) {
  if (Refused(column, kColumns, "column > %d !")) return;
  if (column == -1)
    std::fill(m_validChars.begin(), m_validChars.end(), valid);
  else
    m_validChars[static_cast<size_t>(column)] = valid;
}

void CListCtrlCB::SetColumnCombo(int column, bool flag) {
  Mark(m_comboColumns, column, flag);
  if (column >= 0 && column < kColumns) m_columnItems[static_cast<size_t>(column)].RemoveAll();
}

void CListCtrlCB::AddColumnComboItem(const CString& text, int column) {
  if (Refused(column, kColumns, "column > %d !")) return;
  if (column == -1) {
    for (auto& list : m_columnItems) list.AddTail(text);
  } else {
    m_columnItems[static_cast<size_t>(column)].AddTail(text);
  }
}

void CListCtrlCB::SetCellCombo(int row, int column, bool flag) {
  Mark(m_comboRows, row, flag);
  Mark(m_comboCellColumns, column, flag);
  if (row >= 0 && row < kRows) m_rowItems[static_cast<size_t>(row)].RemoveAll();
}

void CListCtrlCB::AddRowComboItem(const CString& text, int row) {
  if (Refused(row, kRows, "row > %d !")) return;
  if (row == -1) {
    for (auto& list : m_rowItems) list.AddTail(text);
  } else {
    m_rowItems[static_cast<size_t>(row)].AddTail(text);
  }
}

void CListCtrlCB::SetCellReadOnly(int row, int column, bool flag) {
  Mark(m_readOnlyRows, row, flag);
  Mark(m_readOnlyCellColumns, column, flag);
}

void CListCtrlCB::SetColumnColor(int column, bool flag) { Mark(m_colorColumns, column, flag); }
void CListCtrlCB::SetColumnFont(int column, bool flag) { Mark(m_fontColumns, column, flag); }

void CListCtrlCB::SetCellNotify(int row, int column, bool flag) {
  Mark(m_notifyRows, row, flag);
  Mark(m_notifyColumns, column, flag);
}

void CListCtrlCB::SetRowFont(const CListCtrlFont& font, int row) {
  if (Refused(row, kRows, "column > %d !")) return;  // the refusal reads "column" here too
  if (row == -1)
    std::fill(m_rowFonts.begin(), m_rowFonts.end(), font);
  else
    m_rowFonts[static_cast<size_t>(row)] = font;
}

void CListCtrlCB::GetRowFont(CListCtrlFont& font, int row) {
  if (Refused(row, kRows, "column > %d !")) return;
  if (row == -1) {
    for (const auto& f : m_rowFonts) font = f;  // every row in turn: the last one stays
  } else {
    font = m_rowFonts[static_cast<size_t>(row)];
  }
}

void CListCtrlCB::EnableComboHScroll(bool enable) {
  m_comboStyle = enable ? (m_comboStyle | WS_HSCROLL) : (m_comboStyle & ~WS_HSCROLL);
}

void CListCtrlCB::EnableComboVScroll(bool enable) {
  m_comboStyle = enable ? (m_comboStyle | WS_VSCROLL) : (m_comboStyle & ~WS_VSCROLL);
}

int CListCtrlCB::GetColumnCount() const {
  CHeaderCtrl* header = GetHeaderCtrl();
  return header ? header->GetItemCount() : 0;
}

void CListCtrlCB::DeleteAllColumns() {
  for (CIntSet* set :
       {&m_comboColumns, &m_comboRows, &m_comboCellColumns, &m_readOnlyColumns, &m_readOnlyRows,
        &m_readOnlyCellColumns, &m_colorColumns, &m_fontColumns, &m_notifyRows, &m_notifyColumns})
    set->RemoveAll();
  for (int column = GetColumnCount() - 1; column >= 0; --column) {
    SetColumnValidChars(CString(), column);
    DeleteColumn(column);
  }
  for (auto& valid : m_validChars) valid = "";
  for (auto& list : m_columnItems) list.RemoveAll();
  for (auto& list : m_rowItems) list.RemoveAll();
  for (auto& font : m_rowFonts) font.Reset();
}
