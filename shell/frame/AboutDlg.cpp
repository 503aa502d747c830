#include "shell/frame/AboutDlg.h"

namespace {
constexpr int kOkButton = 1163;
constexpr int kProductTexts[] = {1296, 1305};
}  // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_WM_CLOSE()
ON_BN_CLICKED(kOkButton, OnOK)
ON_COMMAND(33191, OnNothing)
ON_BN_CLICKED(1305, OnNothing)
END_MESSAGE_MAP()

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText("About Pelmoran");
  for (int id : kProductTexts) {
    CWnd* control = GetDlgItem(id);
    if (!control) continue;
    CString text = control->GetWindowTextString();
    text.Replace("Dunmorra", "Pelmoran");
    control->SetWindowText(text);
  }
  return TRUE;
}
