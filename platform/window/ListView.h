#pragma once
// "SysListView32" in report view, over QTreeView with a QStandardItemModel:
// rows of sub-item texts under a "SysHeader32" header. The list wrapper calls
// these operations directly; rectangles are in the list's client coordinates.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <QString>

enum : UINT { LVIS_FOCUSED = 0x1, LVIS_SELECTED = 0x2 };
enum : DWORD { LVS_EX_GRIDLINES = 0x1, LVS_EX_FULLROWSELECT = 0x20 };
enum : int { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };
enum : int { LVIR_BOUNDS = 0, LVIR_LABEL = 2 };
enum : UINT { LVNI_ALL = 0, LVNI_FOCUSED = 1, LVNI_SELECTED = 2 };

// Notifications of the list view (WM_NOTIFY codes) and their records.
enum : UINT {
  LVN_FIRST = 0u - 100u,
  LVN_BEGINLABELEDIT = LVN_FIRST - 5,
  LVN_ENDLABELEDIT = LVN_FIRST - 6,
  NM_CUSTOMDRAW = 0u - 12u
};
enum : UINT { LVIF_TEXT = 0x1, LVIF_PARAM = 0x4, LVIF_STATE = 0x8 };
struct LVITEM {
  UINT mask = 0;
  int iItem = 0;
  int iSubItem = 0;
  UINT state = 0, stateMask = 0;
  LPSTR pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  LPARAM lParam = 0;
};
struct NMLVDISPINFO {
  NMHDR hdr;
  LVITEM item;
};

// Custom drawing: before each cell is drawn the list asks its parent
// (WM_NOTIFY NM_CUSTOMDRAW at the sub-item stage, DC in the list's client
// coordinates); CDRF_SKIPDEFAULT leaves the cell to the parent's drawing.
enum : DWORD {
  CDDS_PREPAINT = 0x1,
  CDDS_ITEM = 0x10000,
  CDDS_SUBITEM = 0x20000,
  CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT
};
enum : LRESULT {
  CDRF_DODEFAULT = 0x0,
  CDRF_SKIPDEFAULT = 0x4,
  CDRF_NOTIFYITEMDRAW = 0x20,
  CDRF_NOTIFYSUBITEMDRAW = 0x20
};
struct NMCUSTOMDRAW {
  NMHDR hdr;
  DWORD dwDrawStage = 0;
  HDC hdc = nullptr;
  RECT rc;
  DWORD_PTR dwItemSpec = 0;
  UINT uItemState = 0;
  LPARAM lItemlParam = 0;
};
struct NMLVCUSTOMDRAW {
  NMCUSTOMDRAW nmcd;
  COLORREF clrText = 0;
  COLORREF clrTextBk = 0;
  int iSubItem = 0;
};

// Header items: text and format; owner-drawn items ask the header's parent
// to draw them (WM_DRAWITEM, ODT_HEADER).
enum : UINT { HDM_GETITEMCOUNT = 0x1200, HDM_GETITEM = 0x1203, HDM_SETITEM = 0x1204 };
enum : UINT { HDI_TEXT = 0x2, HDI_FORMAT = 0x4 };
enum : int {
  HDF_LEFT = 0x0,
  HDF_RIGHT = 0x1,
  HDF_CENTER = 0x2,
  HDF_OWNERDRAW = 0x8000,
  HDF_STRING = 0x4000
};
struct HDITEM {
  UINT mask = 0;
  int cxy = 0;
  LPSTR pszText = nullptr;
  HBITMAP hbm = nullptr;
  int cchTextMax = 0;
  int fmt = 0;
  LPARAM lParam = 0;
};

namespace listview {
int InsertColumn(HWND list, int column, const QString& text, int format, int width);
bool DeleteColumn(HWND list, int column);
int ColumnCount(HWND list);
int ColumnWidth(HWND list, int column);
bool SetColumnWidth(HWND list, int column, int width);

int InsertItem(HWND list, int row, const QString& text);
bool DeleteItem(HWND list, int row);
bool DeleteAllItems(HWND list);
int ItemCount(HWND list);
bool SetItemText(HWND list, int row, int column, const QString& text);
QString ItemText(HWND list, int row, int column);
bool SetItemData(HWND list, int row, LONG_PTR data);
LONG_PTR ItemData(HWND list, int row);
UINT ItemState(HWND list, int row, UINT mask);
bool SetItemState(HWND list, int row, UINT state, UINT mask);
int NextItem(HWND list, int start, UINT flags);

DWORD ExtendedStyle(HWND list);
void SetExtendedStyle(HWND list, DWORD style);
void SetColors(HWND list, COLORREF background, COLORREF text, COLORREF textBackground);

int HitTest(HWND list, POINT point);  // the row under the point, or -1
bool ItemRect(HWND list, int row, RECT* rect);
bool SubItemRect(HWND list, int row, int column, RECT* rect);
bool EnsureVisible(HWND list, int row, bool partialOk);
int TopIndex(HWND list);
int CountPerPage(HWND list);
HWND Header(HWND list);
}  // namespace listview
