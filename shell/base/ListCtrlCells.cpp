#include "shell/base/ListCtrlCells.h"

#include "shell/base/ListCtrlCB.h"

#include <QClipboard>
#include <QGuiApplication>

BEGIN_MESSAGE_MAP(CListCtrlEditCell, CEdit)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_MESSAGE(WM_PASTE, OnPaste)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CListCtrlComboCell, CComboBox)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseup)
END_MESSAGE_MAP()

void EndCellEdit(CWnd& editor, int row, int column, const CString& text) {
  CWnd* grid = editor.GetParent();
  NMLVDISPINFO info;
  info.hdr.hwndFrom = grid ? grid->m_hWnd : nullptr;
  info.hdr.idFrom = static_cast<UINT_PTR>(editor.GetDlgCtrlID());
  info.hdr.code = LVN_ENDLABELEDIT;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = row;
  info.item.iSubItem = column;
  CString copy = text;
  info.item.pszText = const_cast<LPSTR>(copy.GetString());
  info.item.cchTextMax = copy.GetLength();
  if (grid)
    grid->SendMessage(WM_NOTIFY, static_cast<WPARAM>(grid->GetDlgCtrlID()),
                      reinterpret_cast<LPARAM>(&info));
  editor.PostMessage(WM_CLOSE);
}

namespace {
bool Allowed(const CString& valid, UINT ch) {
  return valid.IsEmpty() || std::strchr(valid.GetString(), static_cast<char>(ch & 0xFF)) != nullptr;
}
}  // namespace

BOOL CListCtrlEditCell::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
    if (auto* grid = dynamic_cast<CListCtrlCB*>(GetParent())) {
      grid->EditNextCell(row, column, GetKeyState(VK_SHIFT) < 0);
      return TRUE;
    }
  }
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
    if (msg->wParam == VK_ESCAPE) cancelled = 1;
    GetParent()->SetFocus();
    return TRUE;
  }
  return CEdit::PreTranslateMessage(msg);
}

int CListCtrlEditCell::OnCreate(CREATESTRUCT* cs) {
  if (CEdit::OnCreate(cs) == -1) return -1;
  SetFont(GetParent()->GetFont());
  ShowWindow(SW_SHOW);
  SetWindowText(startText);
  SetSel(0, -1);
  SetFocus();
  return 0;
}

void CListCtrlEditCell::OnKillFocus(CWnd* newWnd) {
  CEdit::OnKillFocus(newWnd);
  EndCellEdit(*this, row, column, cancelled ? startText : GetWindowTextString());
}

void CListCtrlEditCell::OnChar(UINT ch, UINT repeat, UINT flags) {
  const bool editingKey =
      ch == 3 || ch == 8 || ch == 22 || ch == 24;  // Ctrl+C, Backspace, Ctrl+V, Ctrl+X
  if (!editingKey && !Allowed(validChars, ch)) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  CEdit::OnChar(ch, repeat, flags);
}

// Pasted text passes the same filter as typed characters; refused characters
// are left out with a beep.
LRESULT CListCtrlEditCell::OnPaste(WPARAM, LPARAM) {
  if (validChars.IsEmpty()) return Default();
  QByteArray pasted = QGuiApplication::clipboard()->text().toUtf8();
  std::string kept;
  for (char c : pasted)
    if (Allowed(validChars, static_cast<unsigned char>(c))) kept += c;
  if (kept.size() != static_cast<size_t>(pasted.size())) MessageBeep(MB_ICONEXCLAMATION);
  if (!kept.empty()) ReplaceSel(kept.c_str());
  return 0;
}

BOOL CListCtrlComboCell::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
    // Translated and dispatched at once, so that the key reaches OnChar.
    SendMessage(WM_CHAR, msg->wParam == VK_RETURN ? 13 : 27, 1);
    return TRUE;
  }
  return CComboBox::PreTranslateMessage(msg);
}

int CListCtrlComboCell::OnCreate(CREATESTRUCT* cs) {
  if (CComboBox::OnCreate(cs) == -1) return -1;
  SetFont(GetParent()->GetFont());
  SetFocus();
  ResetContent();
  for (POSITION pos = items.GetHeadPosition(); pos;) AddString(items.GetNext(pos));
  return 0;
}

void CListCtrlComboCell::OnKillFocus(CWnd* newWnd) {
  CComboBox::OnKillFocus(newWnd);
  EndCellEdit(*this, row, column, cancelled ? startText : GetWindowTextString());
}

void CListCtrlComboCell::OnChar(UINT ch, UINT repeat, UINT flags) {
  if (ch == 27) cancelled = 1;
  if (ch == 13 || ch == 27) {
    GetParent()->SetFocus();
    return;
  }
  CComboBox::OnChar(ch, repeat, flags);
}

void CListCtrlComboCell::OnCloseup() { GetParent()->SetFocus(); }
