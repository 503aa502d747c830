#pragma once
// CDialog: a dialog from a template, modal (DoModal) or modeless (Create).
// OK exchanges the data back and ends the dialog; Cancel ends it.

#include "platform/window/WindowSide.h"

#include "platform/window/Wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

  virtual INT_PTR DoModal();
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  void EndDialog(int result);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void NextDlgCtrl() const;
  void GotoDlgCtrl(CWnd* control);

  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 protected:
  LRESULT HandleInitDialog(WPARAM, LPARAM);
  BOOL CreateFromTemplate(HWND parent);
  DECLARE_MESSAGE_MAP()
};
