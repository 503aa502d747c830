#pragma once
// The framework's wrappers of the standard controls: thin members over the
// controls' messages (and, for the list view, its operations).

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/ListView.h"
#include "platform/window/UpDown.h"
#include "platform/window/Wnd.h"

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
  UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
  void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
  UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
  void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
};

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Edit", "", style, rect, parent, id);
  }
  void SetSel(int start, int end, BOOL noScroll = FALSE) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    if (!noScroll) SendMessage(EM_SCROLLCARET);
  }
  void GetSel(int& start, int& end) const;
  void ReplaceSel(LPCSTR text) { SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text)); }
  void LimitText(int count = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(count)); }
  BOOL SetReadOnly(BOOL readOnly = TRUE) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
  }
  void Paste() { SendMessage(WM_PASTE); }
  void Copy() { SendMessage(WM_COPY); }
  void Cut() { SendMessage(WM_CUT); }
};

class CComboBox : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ComboBox", "", style, rect, parent, id);
  }
  int AddString(LPCSTR text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  int InsertString(int index, LPCSTR text) {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
  }
  int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
  }
  void GetLBText(int index, CString& text) const;
  int FindString(int after, LPCSTR text) const {
    return static_cast<int>(
        SendMessage(CB_FINDSTRING, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text)));
  }
  int FindStringExact(int after, LPCSTR text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after),
                                        reinterpret_cast<LPARAM>(text)));
  }
  int SelectString(int after, LPCSTR text) {
    return static_cast<int>(
        SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text)));
  }
  int SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(
        SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
  }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
  BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
};

class CStatic : public CWnd {};

class CScrollBar : public CWnd {
 public:
  int GetScrollPos() const { return static_cast<int>(SendMessage(SBM_GETPOS)); }
  int SetScrollPos(int pos, BOOL = TRUE) {
    return static_cast<int>(SendMessage(SBM_SETPOS, static_cast<WPARAM>(pos)));
  }
  void SetScrollRange(int minimum, int maximum, BOOL = TRUE) {
    SendMessage(SBM_SETRANGE, static_cast<WPARAM>(minimum), maximum);
  }
};

class CSliderCtrl : public CScrollBar {
 public:
  int GetPos() const { return GetScrollPos(); }
  void SetPos(int pos) { SetScrollPos(pos); }
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE) {
    SetScrollRange(minimum, maximum, redraw);
  }
  int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
  int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
  int SetPageSize(int size) {
    return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, static_cast<LPARAM>(size)));
  }
  int GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE)); }
};

class CSpinButtonCtrl : public CWnd {
 public:
  int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
  int SetPos(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos)); }
  void SetRange(short lower, short upper) {
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(upper), static_cast<WORD>(lower)));
  }
  void SetRange32(int lower, int upper) {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
  }
  void GetRange32(int& lower, int& upper) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
  }
  CWnd* SetBuddy(CWnd* buddy) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->m_hWnd : nullptr))));
  }
  CWnd* GetBuddy() const {
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)));
  }
};

class CHeaderCtrl : public CWnd {
 public:
  int GetItemCount() const;
};

class CListCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SysListView32", "", style, rect, parent, id);
  }
  int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1,
                   int subItem = -1);
  BOOL DeleteColumn(int column) { return listview::DeleteColumn(m_hWnd, column); }
  int GetColumnWidth(int column) const { return listview::ColumnWidth(m_hWnd, column); }
  BOOL SetColumnWidth(int column, int width) {
    return listview::SetColumnWidth(m_hWnd, column, width);
  }
  CHeaderCtrl* GetHeaderCtrl() const;
  int InsertItem(int item, LPCSTR text) {
    return listview::InsertItem(m_hWnd, item, QString::fromUtf8(text ? text : ""));
  }
  BOOL DeleteItem(int item) { return listview::DeleteItem(m_hWnd, item); }
  BOOL DeleteAllItems() { return listview::DeleteAllItems(m_hWnd); }
  int GetItemCount() const { return listview::ItemCount(m_hWnd); }
  BOOL SetItemText(int item, int subItem, LPCSTR text) {
    return listview::SetItemText(m_hWnd, item, subItem, QString::fromUtf8(text ? text : ""));
  }
  CString GetItemText(int item, int subItem) const;
  BOOL SetItemData(int item, DWORD_PTR data) {
    return listview::SetItemData(m_hWnd, item, static_cast<LONG_PTR>(data));
  }
  DWORD_PTR GetItemData(int item) const {
    return static_cast<DWORD_PTR>(listview::ItemData(m_hWnd, item));
  }
  UINT GetItemState(int item, UINT mask) const { return listview::ItemState(m_hWnd, item, mask); }
  BOOL SetItemState(int item, UINT state, UINT mask) {
    return listview::SetItemState(m_hWnd, item, state, mask);
  }
  int GetNextItem(int start, UINT flags) const { return listview::NextItem(m_hWnd, start, flags); }
  DWORD GetExtendedStyle() const { return listview::ExtendedStyle(m_hWnd); }
  DWORD SetExtendedStyle(DWORD style);
  BOOL SetBkColor(COLORREF color);
  BOOL SetTextColor(COLORREF color);
  BOOL SetTextBkColor(COLORREF color);
  int HitTest(CPoint point, UINT* flags = nullptr) const {
    return listview::HitTest(m_hWnd, point);
  }
  BOOL GetItemRect(int item, LPRECT rect, UINT code) const {
    return listview::ItemRect(m_hWnd, item, rect);
  }
  BOOL GetSubItemRect(int item, int subItem, int code, CRect& rect) const {
    return listview::SubItemRect(m_hWnd, item, subItem, &rect);
  }
  BOOL EnsureVisible(int item, BOOL partialOk) {
    return listview::EnsureVisible(m_hWnd, item, partialOk);
  }
  int GetTopIndex() const { return listview::TopIndex(m_hWnd); }
  int GetCountPerPage() const { return listview::CountPerPage(m_hWnd); }

 private:
  COLORREF m_back = 0xFFFFFF, m_text = 0, m_textBack = 0xFFFFFF;
  mutable CHeaderCtrl m_header;  // a wrapper of the list's header window, not attached to it
};
