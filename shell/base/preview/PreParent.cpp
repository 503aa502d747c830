#include "shell/base/preview/PreParent.h"

#include "platform/window/Cursors.h"
#include "platform/window/MessageBox.h"
#include "platform/window/WinApp.h"
#include "shell/base/preview/PreView.h"
#include "waveform/PrivateMessages.h"

namespace {
constexpr UINT kTemplate = 175, kPageTemplate = 176, kToolbar = 196, kIcon = 177;
constexpr UINT kPrintButton = 32889, kCloseButton = 32892;

void TellMainWindow(UINT message) {
  if (CWnd* main = AfxGetMainWnd(); main && main->m_hWnd) main->SendMessage(message, 0, 0);
}
}  // namespace

BEGIN_MESSAGE_MAP(CPreParent, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_COMMAND(kCloseButton, OnCloseButton)
ON_COMMAND(kPrintButton, OnPrintButton)
END_MESSAGE_MAP()

CPreParent::CPreParent(CWnd* parent) : CDialog(kTemplate, parent) {}

CPreParent::~CPreParent() = default;

void CPreParent::SetPaintTarget(int message, HWND owner, int extra) {
  m_target = {message, owner, extra};
}

BOOL CPreParent::OnInitDialog() {
  CDialog::OnInitDialog();
  m_hIcon = ::LoadIcon(AfxGetResourceHandle(), kIcon);
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  ShowWindow(SW_SHOWMAXIMIZED);
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS,
                             CRect(4, 4, 0, 0)) ||
      !m_wndToolBar.LoadToolBar(kToolbar))
    ::MessageBox(m_hWnd, "Create the toolbar failed!", "Error", MB_OK | MB_ICONSTOP);
  GetClientRect(&m_rcClient);
  if (m_wndToolBar.m_hWnd) {
    m_wndToolBar.ShowWindow(SW_SHOW);
    m_wndToolBar.MoveWindow(0, 0, m_rcClient.Width(), m_wndToolBar.CalcFixedLayout(TRUE, TRUE).cy);
    m_wndToolBar.GetWindowRect(&m_rcToolBar);
  }
  SendMessage(WM_SIZE, 0, MAKELPARAM(m_rcClient.Width(), m_rcClient.Height()));
  m_pView = std::make_unique<CPreView>();
  m_pView->Create(kPageTemplate, this);
  m_pView->ShowWindow(SW_SHOW);
  m_pView->SetPaintTarget(m_target.message, m_target.owner, m_target.extra);
  PlacePage();
  return TRUE;
}

// The page window fills the client area below the toolbar.
void CPreParent::PlacePage() {
  if (!m_pView || !m_pView->m_hWnd) return;
  m_pView->MoveWindow(m_rcClient.left, m_rcToolBar.Height() + 2, m_rcClient.Width(),
                      m_rcClient.bottom - (m_rcToolBar.Height() + 2));
}

void CPreParent::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  GetClientRect(&m_rcClient);
  if (m_wndToolBar.m_hWnd) m_wndToolBar.MoveWindow(0, 0, m_rcClient.Width(), m_rcToolBar.Height());
  PlacePage();
}

// White behind the page window. (A minimised window is never painted here:
// its icon is the desktop's to show.)
void CPreParent::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, RGB(255, 255, 255));
}

void CPreParent::OnSysCommand(UINT command, LPARAM lParam) {
  if ((command & 0xFFF0) == SC_CLOSE) {
    EndDialog(0);
    return;
  }
  CDialog::OnSysCommand(command, lParam);
}

void CPreParent::OnClose() { SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }

void CPreParent::OnCloseButton() { SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }

// Printing closes the preview.
void CPreParent::OnPrintButton() {
  TellMainWindow(WM_PRINT_WAVE);
  OnCloseButton();
}

// The page window goes with this window; its object with this object.
void CPreParent::OnDestroy() {
  TellMainWindow(WM_SHOW_CURSORS);
  if (m_wndToolBar.m_hWnd) m_wndToolBar.DestroyWindow();
  SetIcon(nullptr, TRUE);
  SetIcon(nullptr, FALSE);
  CDialog::OnDestroy();
}
