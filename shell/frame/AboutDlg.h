#pragma once
// CAboutDlg (dialog 100): the About box, with a fixed caption and not
// translated. Enter and OK close it; Esc does nothing; the close box
// closes it as cancelled.

#include "platform/window/WindowSide.h"

#include "platform/window/Dialog.h"

class CAboutDlg : public CDialog {
 public:
  static constexpr UINT IDD = 100;
  CAboutDlg() : CDialog(IDD) {}

  BOOL OnInitDialog() override;
  void OnCancel() override {}
  void OnClose() { EndDialog(IDCANCEL); }
  void OnNothing() {}

 protected:
  DECLARE_MESSAGE_MAP()
};
