#pragma once
// CPreParent: the print preview's frame (dialog 175), shown maximised and
// modal, with a toolbar of two buttons (196: print, close) above its page
// window (CPreView). Enter and Esc do nothing; the close box, the close
// button and the print button end it. Printing is asked of the main window
// (WM_PRINT_WAVE); when it goes it tells the main window to show the
// selection cursors again (WM_SHOW_CURSORS).

#include "platform/window/WindowSide.h"

#include "platform/window/ControlBar.h"
#include "platform/window/Dialog.h"
#include "shell/base/preview/PaintTarget.h"

#include <memory>

class CPreView;

class CPreParent : public CDialog {
 public:
  explicit CPreParent(CWnd* parent = nullptr);
  ~CPreParent() override;

  // The page asks message of the active view, with owner and extra.
  void SetPaintTarget(int message, HWND owner, int extra);
  // The page window, once the preview is open.
  CPreView* GetPage() const { return m_pView.get(); }

  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}

  void OnSysCommand(UINT command, LPARAM lParam);
  void OnSize(UINT type, int cx, int cy);
  void OnPaint();
  void OnClose();
  void OnDestroy();
  void OnPrintButton();
  void OnCloseButton();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  void PlacePage();

  CToolBar m_wndToolBar;
  CRect m_rcToolBar, m_rcClient;
  PreviewPaintTarget m_target;
  std::unique_ptr<CPreView> m_pView;
  HICON m_hIcon = nullptr;
};
