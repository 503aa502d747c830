#pragma once
// CListCtrlCB: a report list whose cells are edited in place. A click on a
// cell opens the editor its kind asks for: an edit box (the default), a
// drop-down list, the colour or font picker, a notification to the parent,
// or nothing (read-only). Kinds are kept per column or per cell; per-column
// allowed characters filter the edit box.

#include "platform/afx/List.h"
#include "platform/window/Controls.h"
#include "shell/base/ListCtrlFont.h"

#include <array>
#include <vector>

class CListCtrlComboCell;
class CListCtrlEditCell;

// Messages the grid sends its parent.
enum : UINT {
  WM_GRID_BEGINEDIT = WM_APP + 1019,
  WM_GRID_CELLCLICK = WM_APP + 1020,
  WM_GRID_ENDEDIT = WM_APP + 1021
};

// An ordered list of ints searched by value.
class CIntSet {
 public:
  bool Contains(int value) const;
  void Add(int value);  // unless present
  void Remove(int value);
  void RemoveAll() { m_values.clear(); }
  bool IsEmpty() const { return m_values.empty(); }

 private:
  std::vector<int> m_values;
};

class CListCtrlCB : public CListCtrl {
 public:
  static constexpr int kColumns = 100;
  static constexpr int kRows = 1000;

  CListCtrlCB();
  ~CListCtrlCB() override;

  void SetColumnReadOnly(int column, bool flag);
  void SetColumnValidChars(const CString& valid, int column);
  void DeleteAllColumns();
  void SetColumnCombo(int column, bool flag);
  void AddColumnComboItem(const CString& text, int column);
  void SetCellCombo(int row, int column, bool flag);
  void AddRowComboItem(const CString& text, int row);
  void SetCellReadOnly(int row, int column, bool flag);
  void SetColumnColor(int column, bool flag);
  void SetColumnFont(int column, bool flag);
  void SetCellNotify(int row, int column, bool flag);
  void SetRowFont(const CListCtrlFont& font, int row);
  void GetRowFont(CListCtrlFont& font, int row);
  void EnableComboHScroll(bool enable);
  void EnableComboVScroll(bool enable);

  bool IsComboColumn(int column) const { return m_comboColumns.Contains(column); }
  bool IsComboCell(int row, int column) const {
    return m_comboRows.Contains(row) && m_comboCellColumns.Contains(column);
  }
  bool IsReadOnlyColumn(int column) const { return m_readOnlyColumns.Contains(column); }
  bool IsReadOnlyCell(int row, int column) const {
    return m_readOnlyRows.Contains(row) && m_readOnlyCellColumns.Contains(column);
  }
  bool IsColorColumn(int column) const { return m_colorColumns.Contains(column); }
  bool IsFontColumn(int column) const { return m_fontColumns.Contains(column); }
  bool IsNotifyCell(int row, int column) const {
    return m_notifyRows.Contains(row) && m_notifyColumns.Contains(column);
  }

  int GetColumnCount() const;
  bool HitTestEx(POINT point, int* row, int* column) const;
  void GetCellRect(int column, int row, CRect& rect) const;
  CListCtrlComboCell* ShowComboCell(int row, int column, CStringList* items, CString text,
                                    int selection);
  CListCtrlEditCell* ShowEditCell(int row, int column, const CString& text);
  // Tab in the edit box of (row, column): the edit ends and the next cell
  // that takes typing (the one before with `backwards`) opens, so the next
  // keys land in the grid and not in another field of the dialog.
  void EditNextCell(int row, int column, bool backwards);

  DWORD m_editStyle;
  DWORD m_comboStyle;

  // Message handlers.
  void OnLButtonDown(UINT flags, CPoint point);
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
  void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
  void OnEndLabelEdit(NMHDR* header, LRESULT* result);
  void OnCustomDraw(NMHDR* header, LRESULT* result);
  LRESULT OnOpenEditCell(WPARAM row, LPARAM column);

 private:
  bool TakesTyping(int row, int column) const;
  void OpenColorCell(int row);
  void OpenFontCell(int row, int column);
  static bool Refused(int index, int limit, const char* format);

  CIntSet m_comboColumns, m_comboRows, m_comboCellColumns, m_readOnlyColumns, m_readOnlyRows,
      m_readOnlyCellColumns, m_colorColumns, m_fontColumns, m_notifyRows, m_notifyColumns;
  std::array<CString, kColumns> m_validChars;
  std::array<CStringList, kColumns> m_columnItems;
  std::array<CStringList, kRows> m_rowItems;
  std::array<CListCtrlFont, kRows> m_rowFonts;

  DECLARE_MESSAGE_MAP()
};
