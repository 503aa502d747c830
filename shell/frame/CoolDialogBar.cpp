// The docking dialog bar: creation around its dialog, its sizes when docked
// and floating, and following the dock bar it sits in.
#include "shell/frame/CoolDialogBar.h"

#include "platform/window/Cursors.h"
#include "platform/window/NonClient.h"
#include "shell/base/WindowSkin.h"
#include "waveform/PrivateMessages.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCoolDialogBar, CControlBar)
IMPLEMENT_DYNAMIC(CCoolDialogBarCH, CCoolDialogBar)

BEGIN_MESSAGE_MAP(CCoolDialogBar, CControlBar)
ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_CAPTURECHANGED()
ON_MESSAGE(WM_BAR_SETFLAG, OnBarSetFlag)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CCoolDialogBarCH, CCoolDialogBar)
ON_WM_CREATE()
END_MESSAGE_MAP()

CCoolDialogBar::CCoolDialogBar()
    : m_clrBtnHilight(GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_clrBtnShadow(GetSysColor(COLOR_BTNSHADOW)),
      m_cMinWidth(GetSystemMetrics(SM_CXMIN)),
      m_cMinHeight(GetSystemMetrics(SM_CYMIN)),
      m_cCaptionSize(GetSystemMetrics(SM_CYSMCAPTION)) {
  m_brushBkgd.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
}

// The window goes while the object is still a whole bar, so the messages of
// its destruction reach the bar's own handlers.
CCoolDialogBar::~CCoolDialogBar() {
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CCoolDialogBar::Create(CWnd* parent, CDialog* dialog, CString& caption, UINT id, DWORD style) {
  m_dwStyle = style & CBRS_ALL;
  LPCSTR windowClass = AfxRegisterWndClass(CS_NOCLOSE, LoadCursor(nullptr, IDC_ARROW),
                                           static_cast<HBRUSH>(m_brushBkgd), nullptr);
  if (!CWnd::Create(windowClass, caption, style & ~CBRS_ALL, CRect(0, 0, 0, 0), parent, 0))
    return FALSE;
  AttachToFrame(parent);
  m_cDialog = dialog;
  if (dialog && dialog->Create(id, this))
    dialog->ShowWindow(SW_SHOW);  // a child template may come hidden
  CRect rc;
  if (dialog && dialog->m_hWnd) dialog->GetWindowRect(&rc);
  m_sizeFloat = m_sizeVert = m_sizeHorz = rc.Size();
  m_sizeHorz.cy += m_cxEdge + m_cxBorder;
  m_sizeVert.cx += m_cxEdge + m_cxBorder;
  return TRUE;
}

CSize CCoolDialogBar::CalcFixedLayout(BOOL full, BOOL horizontal) {
  if (IsFloating()) return m_sizeFloat;
  int length = 32767;
  if (!full && m_pDockSite) {
    CRect rc;
    if (CControlBar* dock =
            m_pDockSite->GetControlBar(horizontal ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_LEFT))
      dock->GetWindowRect(&rc);
    length = (horizontal ? rc.Width() : rc.Height()) + 4;
  }
  return horizontal ? CSize(length, m_sizeHorz.cy) : CSize(m_sizeVert.cx, length);
}

CSize CCoolDialogBar::CalcDynamicLayout(int length, DWORD mode) {
  CWnd* miniFrame = IsFloating() ? GetParent()->GetParent() : nullptr;
  if (miniFrame) miniFrame->ModifyStyle(MFS_4THICKFRAME, 0);
  if (mode & (LM_HORZDOCK | LM_VERTDOCK)) {
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (m_pDockSite) m_pDockSite->RecalcLayout();
    return CControlBar::CalcDynamicLayout(length, mode);
  }
  if (mode & LM_MRUWIDTH) return m_sizeFloat;
  if (mode & LM_COMMIT) {
    m_sizeFloat.cx = length;
    return m_sizeFloat;
  }
  if (miniFrame && m_pDockContext) {
    CPoint c;
    GetCursorPos(&c);
    CRect w;
    miniFrame->GetWindowRect(&w);
    CRect& drag = m_pDockContext->m_rectFrameDragHorz;
    const int hit = m_pDockContext->m_nHitTest;
    const bool left = hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    const bool top = hit == HTTOPLEFT || hit == HTTOPRIGHT;
    if (left || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) {
      if (left) {
        m_sizeFloat.cx = std::max<int>(w.right - c.x, m_cMinWidth) - m_cxBorder;
        drag.left = std::min<int>(c.x, w.right - m_cMinWidth) - 1;
      } else {
        m_sizeFloat.cx = std::max<int>(c.x - w.left, m_cMinWidth);
      }
      if (top) {
        m_sizeFloat.cy = std::max<int>(w.bottom - m_cCaptionSize - c.y, m_cMinHeight) - 1;
        drag.top = std::min<int>(c.y, w.bottom - m_cCaptionSize - m_cMinHeight) - m_cyBorder;
      } else {
        m_sizeFloat.cy = std::max<int>(c.y - w.top - m_cCaptionSize, m_cMinHeight);
      }
      return m_sizeFloat;
    }
  }
  if (mode & LM_LENGTHY) {
    m_sizeFloat.cy = std::max<int>(m_sizeMin.cy, length);
    return m_sizeFloat;
  }
  return CSize(std::max<int>(m_sizeMin.cx, length), m_sizeFloat.cy);
}

void CCoolDialogBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
  UpdateDialogControls(target, disableIfNoHandler);
}

bool CCoolDialogBar::IsHorzDocked() const {
  return m_nDockBarID == AFX_IDW_DOCKBAR_TOP || m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

bool CCoolDialogBar::IsVertDocked() const {
  return m_nDockBarID == AFX_IDW_DOCKBAR_LEFT || m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT;
}

// The dialog fills the client area; a change of dock side (or of size)
// makes the bar ask for its non-client area again, which comes back here.
LRESULT CCoolDialogBar::OnWindowPosChanged(WPARAM, LPARAM l) {
  Default();
  if (!m_hWnd || !m_cDialog || !m_cDialog->m_hWnd) return 0;
  if (m_bInRecalcNC) {
    CRect rc;
    GetClientRect(&rc);
    m_cDialog->MoveWindow(&rc, TRUE);
    return 0;
  }
  const auto dockBarId = static_cast<UINT>(::GetDlgCtrlID(::GetParent(m_hWnd)));
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(l);
  const bool bordered = (GetBarStyle() & CBRS_BORDER_ANY) == CBRS_BORDER_ANY;
  if (dockBarId == m_nDockBarID && pos && (pos->flags & SWP_NOSIZE) && !bordered) return 0;
  m_nDockBarID = dockBarId;
  m_bInRecalcNC = TRUE;
  SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  m_bInRecalcNC = FALSE;
  return 0;
}

LRESULT CCoolDialogBar::OnBarSetFlag(WPARAM, LPARAM) { return 0; }

// The skin's background for the bar's window class.
int CCoolDialogBarCH::OnCreate(CREATESTRUCT* cs) {
  if (CCoolDialogBar::OnCreate(cs) == -1) return -1;
  static CBrush skin(kSkinColor);
  SetClassLongPtr(m_hWnd, GCLP_HBRBACKGROUND,
                  reinterpret_cast<LONG_PTR>(static_cast<HBRUSH>(skin)));
  return 0;
}
