// The grid draws its colour, font and notify cells itself; other cells draw
// as the list draws them.
#include "platform/window/Gdi.h"
#include "shell/base/ListCtrlCB.h"

#include <cstring>

void CListCtrlCB::OnCustomDraw(NMHDR* header, LRESULT* result) {
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  *result = CDRF_DODEFAULT;
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT || draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    *result = CDRF_NOTIFYITEMDRAW;
    return;
  }
  if (draw->nmcd.dwDrawStage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return;
  const int row = static_cast<int>(draw->nmcd.dwItemSpec), column = draw->iSubItem;
  HDC dc = draw->nmcd.hdc;
  CRect cell;
  GetSubItemRect(row, column, LVIR_BOUNDS, cell);
  cell.bottom -= 1;
  cell.left += 1;
  const CString text = GetItemText(row, column);
  if (IsColorColumn(column)) {
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    cell.DeflateRect(1, 1);
    HBRUSH fill = CreateSolidBrush(static_cast<COLORREF>(GetItemData(row)));
    FillRect(dc, &cell, fill);
    DeleteObject(fill);
  } else if (IsFontColumn(column)) {
    const CListCtrlFont& font = m_rowFonts[static_cast<size_t>(std::min(row, kRows - 1))];
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    cell.DeflateRect(1, 1);
    FillRect(dc, &cell, GetSysColorBrush(COLOR_BTNFACE));
    int saved = SaveDC(dc);
    LOGFONT lf;
    lf.lfCharSet = static_cast<BYTE>(font.charSet);
    std::strncpy(lf.lfFaceName, font.faceName.GetString(), sizeof(lf.lfFaceName) - 1);
    lf.lfHeight = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);  // always 9 points high
    lf.lfWeight = font.weight;
    lf.lfItalic = static_cast<BYTE>(font.italic);
    lf.lfUnderline = static_cast<BYTE>(font.underline);
    lf.lfStrikeOut = static_cast<BYTE>(font.strikeOut);
    HFONT drawn = CreateFontIndirect(&lf);
    SelectObject(dc, drawn);
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, font.textColor);
    TextOut(dc, cell.left, cell.top, text, text.GetLength());
    RestoreDC(dc, saved);
    DeleteObject(drawn);
  } else if (IsNotifyCell(row, column)) {
    CDC::FromHandle(dc)->Draw3dRect(&cell, GetSysColor(COLOR_BTNHIGHLIGHT),
                                    GetSysColor(COLOR_3DDKSHADOW));
    cell.DeflateRect(1, 1);
    FillRect(dc, &cell, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    TextOut(dc, cell.left + 4, cell.top + 1, text, text.GetLength());
  } else {
    return;
  }
  *result = CDRF_SKIPDEFAULT;
}
