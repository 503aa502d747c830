// The grid's in-place editing: which editor a click opens, where it goes,
// and what the end of an edit writes back.
#include "platform/window/CommonDialogs.h"
#include "shell/base/ListCtrlCB.h"
#include "shell/base/ListCtrlCells.h"

#include <cstring>

CListCtrlEditCell* SharedEditCell();
CListCtrlComboCell* SharedComboCell();

namespace {
// Posted by the grid to itself: opens the edit box on (wParam, lParam) once
// the ended edit's window has closed.
constexpr UINT kOpenEditCell = WM_APP + 1022;
}  // namespace

BEGIN_MESSAGE_MAP(CListCtrlCB, CListCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_NOTIFY_REFLECT(LVN_BEGINLABELEDIT, OnBeginLabelEdit)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEdit)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_MESSAGE(kOpenEditCell, OnOpenEditCell)
END_MESSAGE_MAP()

bool CListCtrlCB::HitTestEx(POINT point, int* row, int* column) const {
  if (!row || !column) return false;
  *row = HitTest(CPoint(point));
  *column = 0;
  if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return false;
  if (*row == -1) return false;
  CRect bounds;
  GetItemRect(*row, &bounds, LVIR_BOUNDS);
  if (!bounds.PtInRect(point)) return false;
  int left = bounds.left;
  for (int c = 0; c < GetColumnCount(); ++c) {
    int width = GetColumnWidth(c);
    if (point.x >= left && point.x <= left + width) {  // a boundary belongs to the left column
      *column = c;
      return true;
    }
    left += width;
  }
  return false;
}

void CListCtrlCB::GetCellRect(int column, int row, CRect& rect) const {
  GetSubItemRect(row, column, LVIR_BOUNDS, rect);
  rect.bottom -= 1;
  rect.left += 1;
  CRect client;
  GetClientRect(&client);
  if (rect.right > client.right) rect.right = client.right;
}

void CListCtrlCB::OnLButtonDown(UINT flags, CPoint point) {
  int row = -1, column = -1;
  if (!HitTestEx(point, &row, &column)) return;  // not even the list's own click handling
  CListCtrl::OnLButtonDown(flags, point);
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0) return;
  CString text = GetItemText(row, column);
  if (row < 0 || !GetItemState(row, LVIS_FOCUSED) || !(GetStyle() & LVS_EDITLABELS)) return;
  if (IsComboColumn(column) || IsComboCell(row, column)) {
    CStringList items;
    items.AddTail(IsComboColumn(column) ? &m_columnItems[static_cast<size_t>(column)]
                                        : &m_rowItems[static_cast<size_t>(row)]);
    if (CListCtrlComboCell* combo = ShowComboCell(row, column, &items, text, -1))
      combo->SelectString(-1, text);
  } else if (IsColorColumn(column)) {
    OpenColorCell(row);
  } else if (IsFontColumn(column)) {
    OpenFontCell(row, column);
  } else if (IsNotifyCell(row, column)) {
    GetParent()->SendMessage(WM_GRID_CELLCLICK, static_cast<WPARAM>(row), column);
  } else if (IsReadOnlyColumn(column) || IsReadOnlyCell(row, column)) {
    return;
  } else {
    ShowEditCell(row, column, text);
  }
}

void CListCtrlCB::OpenColorCell(int row) {
  CColorDialog dialog(static_cast<COLORREF>(GetItemData(row)), 0, nullptr);
  if (dialog.DoModal() == IDOK) SetItemData(row, dialog.GetColor());
}

void CListCtrlCB::OpenFontCell(int row, int column) {
  if (row >= kRows) return;
  CListCtrlFont& font = m_rowFonts[static_cast<size_t>(row)];
  LOGFONT lf;
  lf.lfCharSet = static_cast<BYTE>(font.charSet);
  std::strncpy(lf.lfFaceName, font.faceName.GetString(), sizeof(lf.lfFaceName) - 1);
  CClientDC dc(GetParent());
  lf.lfHeight = -MulDiv(font.size / 10, dc.GetDeviceCaps(LOGPIXELSY), 72);
  lf.lfWeight = font.weight;
  lf.lfItalic = static_cast<BYTE>(font.italic);
  lf.lfUnderline = static_cast<BYTE>(font.underline);
  lf.lfStrikeOut = static_cast<BYTE>(font.strikeOut);
  CFontDialog dialog(&lf, CF_SCREENFONTS | CF_EFFECTS);
  dialog.m_cf.rgbColors = font.textColor;
  if (dialog.DoModal() != IDOK) return;
  font.charSet = dialog.m_lf.lfCharSet;
  font.faceName = dialog.GetFaceName();
  font.size = dialog.GetSize();
  font.weight = dialog.GetWeight();
  font.italic = dialog.IsItalic();
  font.underline = dialog.IsUnderline();
  font.strikeOut = dialog.IsStrikeOut();
  font.textColor = dialog.GetColor();
  font.chosen = 1;
  CString text;
  text.Format("%s, %d", font.faceName.GetString(), font.size / 10);
  SetItemText(row, column, text);
}

CListCtrlComboCell* CListCtrlCB::ShowComboCell(int row, int column, CStringList* items,
                                               CString text, int selection) {
  if (!EnsureVisible(row, FALSE)) return nullptr;
  if (column >= GetColumnCount() || GetColumnWidth(column) < 10) return nullptr;
  CRect rect;
  GetCellRect(column, row, rect);
  int entries = items ? static_cast<int>(items->GetCount()) : 0;
  int k = entries >= 10 ? 11 : entries + 1;  // a shorter list shows every entry
  rect.bottom += k * rect.Height();

  CListCtrlComboCell* combo = SharedComboCell();
  combo->row = row;
  combo->column = column;
  combo->cancelled = 0;
  combo->items.RemoveAll();
  if (items) combo->items.AddTail(items);
  if (selection != -1) {
    POSITION pos = combo->items.FindIndex(selection);
    if (pos) combo->startText = combo->items.GetAt(pos);
  } else if (!text.IsEmpty()) {
    combo->startText = text;
  }
  if (!combo->m_hWnd) combo->Create(m_comboStyle, rect, this, 0);
  combo->SetCurSel(selection);
  return combo;
}

CListCtrlEditCell* CListCtrlCB::ShowEditCell(int row, int column, const CString& text) {
  CListCtrlEditCell* edit = SharedEditCell();
  edit->row = row;
  edit->column = column;
  edit->validChars =
      column >= 0 && column < kColumns ? m_validChars[static_cast<size_t>(column)] : CString();
  edit->startText = text;
  edit->cancelled = 0;
  if (!edit->m_hWnd) {
    CRect rect;
    GetCellRect(column, row, rect);
    edit->Create(m_editStyle | WS_CHILD, rect, this, 0);
  }
  return edit;
}

bool CListCtrlCB::TakesTyping(int row, int column) const {
  return !IsComboColumn(column) && !IsComboCell(row, column) && !IsColorColumn(column) &&
         !IsFontColumn(column) && !IsNotifyCell(row, column) && !IsReadOnlyColumn(column) &&
         !IsReadOnlyCell(row, column);
}

void CListCtrlCB::EditNextCell(int row, int column, bool backwards) {
  SetFocus();  // ends the open edit, which writes its text back
  const int columns = GetColumnCount(), rows = GetItemCount();
  const int step = backwards ? -1 : 1;
  for (int r = row, c = column + step; r >= 0 && r < rows; c += step) {
    if (c < 0 || c >= columns) {
      r += step;
      c = backwards ? columns : -1;
      continue;
    }
    if (TakesTyping(r, c)) {
      // The ended edit posted its window's close; the next edit opens after it.
      PostMessage(kOpenEditCell, static_cast<WPARAM>(r), c);
      return;
    }
  }
}

LRESULT CListCtrlCB::OnOpenEditCell(WPARAM row, LPARAM column) {
  const int r = static_cast<int>(row), c = static_cast<int>(column);
  if (r >= GetItemCount() || c >= GetColumnCount()) return 0;
  SetItemState(-1, 0, LVIS_SELECTED);
  SetItemState(r, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  if (!EnsureVisible(r, FALSE)) return 0;
  ShowEditCell(r, c, GetItemText(r, c));
  return 0;
}

void CListCtrlCB::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (GetFocus() != this) SetFocus();  // ends an open edit first
  CListCtrl::OnHScroll(code, pos, bar);
}

void CListCtrlCB::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (GetFocus() != this) SetFocus();
  CListCtrl::OnVScroll(code, pos, bar);
}

void CListCtrlCB::OnBeginLabelEdit(NMHDR* header, LRESULT* result) {
  auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
  const int row = info->item.iItem, column = info->item.iSubItem;
  SetItemText(row, column, info->item.pszText);
  GetParent()->SendMessage(WM_GRID_BEGINEDIT, static_cast<WPARAM>(GetDlgCtrlID()),
                           reinterpret_cast<LPARAM>(info));
  *result = IsReadOnlyColumn(column) || IsReadOnlyCell(row, column) || IsComboColumn(column) ||
            IsComboCell(row, column) || IsColorColumn(column) || IsFontColumn(column);
}

void CListCtrlCB::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
  auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
  SetItemText(info->item.iItem, info->item.iSubItem, info->item.pszText);
  GetParent()->SendMessage(WM_GRID_ENDEDIT, static_cast<WPARAM>(GetDlgCtrlID()),
                           reinterpret_cast<LPARAM>(info));
  *result = 0;
}
