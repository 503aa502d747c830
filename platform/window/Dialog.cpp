#include "platform/window/Dialog.h"

#include "platform/window/Dialogs.h"
#include "platform/window/WinApp.h"
#include "platform/window/Wnd.h"

#include <QWidget>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

BOOL CDialog::CreateFromTemplate(HWND parent) {
  const DialogTemplate* tmpl = resources::Dialog(m_nIDTemplate);
  if (!tmpl) return FALSE;
  HWND dialog =
      CreateDialogFromTemplate(*tmpl, parent, nullptr, 0, [this](HWND h) { SubclassWindow(h); });
  return dialog != nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (!CreateFromTemplate(parent)) return -1;
  // Without a parent the main window owns it, as the framework's DoModal has it.
  CWnd* main = AfxGetMainWnd();
  return RunModalDialog(m_hWnd, main && main != this ? main->m_hWnd : nullptr);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  m_pParentWnd = parent;
  return CreateFromTemplate(parent ? parent->m_hWnd : nullptr);
}

void CDialog::EndDialog(int result) {
  if (!::EndDialog(m_hWnd, result)) ::DestroyWindow(m_hWnd);  // a modeless dialog simply goes
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::NextDlgCtrl() const {
  QWidget* w = WidgetOf(m_hWnd);
  QWidget* focus = w ? w->focusWidget() : nullptr;
  if (focus && focus->nextInFocusChain()) focus->nextInFocusChain()->setFocus(Qt::TabFocusReason);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) control->SetFocus();
}
