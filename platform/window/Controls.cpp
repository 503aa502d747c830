#include "platform/window/Controls.h"

#include <QHeaderView>

void CEdit::GetSel(int& start, int& end) const {
  DWORD s = 0, e = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = static_cast<int>(s);
  end = static_cast<int>(e);
}

void CComboBox::GetLBText(int index, CString& text) const {
  LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) {
    text = "";
    return;
  }
  std::string buffer(static_cast<size_t>(length) + 1, '\0');
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  text = buffer.c_str();
}

int CHeaderCtrl::GetItemCount() const {
  auto* header = dynamic_cast<QHeaderView*>(WidgetOf(m_hWnd));
  return header ? header->count() : -1;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
  m_header.m_hWnd = listview::Header(m_hWnd);
  return m_header.m_hWnd ? &m_header : nullptr;
}

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int) {
  return listview::InsertColumn(m_hWnd, column, QString::fromUtf8(heading ? heading : ""), format,
                                width < 0 ? 80 : width);
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  return CString(listview::ItemText(m_hWnd, item, subItem).toUtf8().constData());
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
  DWORD old = GetExtendedStyle();
  listview::SetExtendedStyle(m_hWnd, style);
  return old;
}

BOOL CListCtrl::SetBkColor(COLORREF color) {
  m_back = color;
  listview::SetColors(m_hWnd, m_back, m_text, m_textBack);
  return TRUE;
}

BOOL CListCtrl::SetTextColor(COLORREF color) {
  m_text = color;
  listview::SetColors(m_hWnd, m_back, m_text, m_textBack);
  return TRUE;
}

BOOL CListCtrl::SetTextBkColor(COLORREF color) {
  m_textBack = color;
  listview::SetColors(m_hWnd, m_back, m_text, m_textBack);
  return TRUE;
}
