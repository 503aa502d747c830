#include "tools/ToolDialog.h"

#include "platform/window/Controls.h"
#include "tools/ToolSupport.h"
#include "shell/base/Translator.h"

#include <string>

BEGIN_MESSAGE_MAP(CToolDialog, CDialog)
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CToolDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  TranslateControls();
  return TRUE;
}

void CToolDialog::TranslateControls() { g_Translator.TranslateDialog(m_hWnd, m_nIDTemplate); }

BOOL CToolDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == IDCANCEL) return TRUE;  // Esc does nothing
  if (id == IDOK || (id == m_commitId && code == BN_CLICKED)) {
    if (IsEnabled(m_commitId)) OnCommit();
    return TRUE;
  }
  if (id == m_cancelId && code == BN_CLICKED) {
    EndDialog(IDCANCEL);
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CToolDialog::OnClose() { EndDialog(IDCANCEL); }

void CToolDialog::OnDestroy() {
  ReleaseWork();
  CDialog::OnDestroy();
}

void CToolDialog::Enable(int id, bool enable) {
  if (HWND h = ::GetDlgItem(m_hWnd, id)) ::EnableWindow(h, enable);
}

void CToolDialog::Show(int id, bool show) {
  if (HWND h = ::GetDlgItem(m_hWnd, id)) ::ShowWindow(h, show ? SW_SHOW : SW_HIDE);
}

bool CToolDialog::IsEnabled(int id) const {
  HWND h = ::GetDlgItem(m_hWnd, id);
  return h && ::IsWindowEnabled(h);
}

int CToolDialog::CurSel(int id) const {
  return static_cast<int>(SendDlgItemMessage(id, CB_GETCURSEL));
}

void CToolDialog::SelectIndex(int id, int index) { SendDlgItemMessage(id, CB_SETCURSEL, index); }

void CToolDialog::FillList(int id, const char* const* texts, int count) {
  SendDlgItemMessage(id, CB_RESETCONTENT);
  for (int i = 0; i < count; ++i)
    SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i]));
}

CString CToolDialog::ItemText(int id) const {
  CString text;
  GetDlgItemText(id, text);
  return text;
}

CString CToolDialog::ListText(int id, int index) const {
  const auto length = SendDlgItemMessage(id, CB_GETLBTEXTLEN, index);
  if (length <= 0) return CString();
  std::string text(static_cast<size_t>(length), '\0');
  SendDlgItemMessage(id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return CString(text.c_str());
}

void CToolDialog::RemoveTypedBlanks(int id) {
  CString text = ItemText(id);
  if (text.Find(' ') < 0) return;
  CEdit* edit = static_cast<CEdit*>(GetDlgItem(id));
  int start = 0, end = 0;
  edit->GetSel(start, end);
  text.Remove(' ');
  SetDlgItemText(id, text);
  edit->SetSel(start - 1, end - 1);
}

void CToolDialog::LimitAmplitudeAbove(int id, bool vpp, double amplitude) {
  if (amplitude <= (vpp ? 20.0 : 20000.0)) return;
  tools::ShowText(316);
  SetDlgItemText(id, vpp ? "20" : "20000");
}

void CToolDialog::LimitAmplitudeBelow(int id, bool vpp, double amplitude) {
  if (amplitude >= (vpp ? 0.002 : 2.0)) return;
  tools::ShowText(329);
  SetDlgItemText(id, vpp ? "0.002" : "2");
}
