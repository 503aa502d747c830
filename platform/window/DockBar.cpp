#include "platform/window/DockBar.h"

#include "platform/window/FrameworkClasses.h"
#include "platform/window/WindowRecord.h"

#include <QApplication>

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

namespace dock_detail {
void Reparent(HWND child, HWND parent) {
  HWND c = window_detail::Live(child);
  HWND p = window_detail::Live(parent);
  if (!c || !p || c->parent == p || !c->widget || !p->widget) return;
  if (c->parent) std::erase(c->parent->children, c);
  c->parent = p;
  p->children.push_back(c);
  QWidget* outer = OuterWidget(c->widget.data());
  outer->setParent(p->widget.data());
  if (c->style & WS_VISIBLE) outer->show();
}
}  // namespace dock_detail

namespace {
using dock_detail::Reparent;

bool Horizontal(DWORD style) { return (style & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }

CSize BarSize(CControlBar* bar, bool horizontal) {
  return (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)
             ? bar->CalcDynamicLayout(
                   -1, (horizontal ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK) | LM_STRETCH)
             : bar->CalcFixedLayout(TRUE, horizontal);
}
}  // namespace

BOOL CDockBar::Create(CWnd* parent, DWORD style, UINT id) {
  RegisterFrameworkClasses();
  m_dwStyle = style & CBRS_ALIGN_ANY;
  if (!CWnd::CreateEx(0, "AfxControlBar", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                      RECT{0, 0, 0, 0}, parent, id))
    return FALSE;
  if (!m_bFloating) AttachToFrame(parent);
  return TRUE;
}

CDockBar::~CDockBar() {
  for (CControlBar* bar : m_arrBars)
    if (bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
}

CSize CDockBar::CalcFixedLayout(BOOL, BOOL horizontal) {
  int thickness = 0;
  CSize floating;
  for (CControlBar* bar : m_arrBars) {
    if (!bar->IsVisible()) continue;
    if (m_bFloating) {
      floating = bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
      if (!(bar->m_dwStyle & CBRS_SIZE_DYNAMIC)) floating = bar->CalcFixedLayout(FALSE, TRUE);
      continue;
    }
    CSize size = BarSize(bar, horizontal);
    thickness += horizontal ? size.cy : size.cx;
  }
  if (m_bFloating) return floating;
  return horizontal ? CSize(32767, thickness) : CSize(thickness, 32767);
}

void CDockBar::LayoutBars() {
  CRect rc;
  GetClientRect(&rc);
  const bool horizontal = Horizontal(m_dwStyle);
  int offset = 0;
  for (CControlBar* bar : m_arrBars) {
    if (!bar->IsVisible() || !bar->m_hWnd) continue;
    if (m_bFloating) {
      bar->MoveWindow(0, 0, rc.Width(), rc.Height());
      continue;
    }
    CSize size = BarSize(bar, horizontal);
    if (horizontal) {
      bar->MoveWindow(0, offset, rc.Width(), size.cy);
      offset += size.cy;
    } else {
      bar->MoveWindow(offset, 0, size.cx, rc.Height());
      offset += size.cx;
    }
  }
}

void CDockBar::DockControlBar(CControlBar* bar) {
  if (bar->m_pDockBar && bar->m_pDockBar != this) bar->m_pDockBar->RemoveControlBar(bar);
  if (std::find(m_arrBars.begin(), m_arrBars.end(), bar) == m_arrBars.end())
    m_arrBars.push_back(bar);
  // The bar takes the side of the dock bar it sits in.
  // Floating, it lies the long way (the mini frame's dock bar is a top one).
  DWORD side = m_dwStyle & CBRS_ALIGN_ANY;
  bar->m_dwStyle = (bar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | side |
                   (m_bFloating ? CBRS_FLOATING : 0);
  bar->m_pDockBar = this;
  Reparent(bar->m_hWnd, m_hWnd);
}

void CDockBar::RemoveControlBar(CControlBar* bar) {
  std::erase(m_arrBars, bar);
  if (bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
}

// The frame's side of docking.

CFrameWnd::CFrameWnd() = default;
// Bars that outlive the frame forget it.
CFrameWnd::~CFrameWnd() {
  for (CControlBar* bar : m_bars) bar->m_pDockSite = nullptr;
  m_bars.clear();
}

void CFrameWnd::EnableDocking(DWORD dockStyle) {
  m_dwDockStyle = dockStyle;
  // Top and bottom first, so they span the frame's width and the side bars sit between.
  static constexpr struct {
    DWORD side;
    UINT id;
  } kSides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
  for (const auto& s : kSides) {
    if (!(dockStyle & s.side) || GetControlBar(s.id)) continue;
    auto dock = std::make_unique<CDockBar>();
    if (dock->Create(this, s.side, s.id)) m_dockBars.push_back(std::move(dock));
  }
}

CDockBar* CFrameWnd::DockBarFor(DWORD barDockStyle, DWORD preferred) const {
  DWORD sides = barDockStyle & m_dwDockStyle;
  if (!(sides & preferred)) preferred = sides;
  for (DWORD side : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}) {
    if (!(preferred & side)) continue;
    for (const auto& dock : m_dockBars)
      if ((dock->m_dwStyle & CBRS_ALIGN_ANY) == side) return dock.get();
  }
  return nullptr;
}

void CFrameWnd::DockInDockBar(CControlBar* bar, UINT dockBarId) {
  CDockBar* dock = dockBarId ? dynamic_cast<CDockBar*>(GetControlBar(dockBarId))
                             : DockBarFor(bar->m_dwDockStyle, bar->m_dwStyle & CBRS_ALIGN_ANY);
  // A side the bar does not allow leaves it where it is.
  if (!dock || !(dock->m_dwStyle & bar->m_dwDockStyle & CBRS_ALIGN_ANY)) return;
  CWnd* oldFrame = bar->IsFloating() ? bar->m_pDockBar->GetParent() : nullptr;
  bar->m_pDockSite = this;
  dock->DockControlBar(bar);
  if (bar->m_pDockContext) bar->m_pDockContext->m_uMRUDockID = dock->GetDlgCtrlID();
  if (oldFrame) {
    if (bar->m_pDockContext) {
      CRect rc;
      oldFrame->GetWindowRect(&rc);
      bar->m_pDockContext->m_ptMRUFloatPos = rc.TopLeft();
    }
    // Not at once: the move may come from the mini frame's own handler.
    oldFrame->ShowWindow(SW_HIDE);
    QMetaObject::invokeMethod(
        qApp,
        [h = oldFrame->m_hWnd] {
          if (::IsWindow(h)) ::DestroyWindow(h);
        },
        Qt::QueuedConnection);
  }
  RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD) {
  if (!bar) return;
  if (bar->IsFloating()) {
    // Already floating: the mini frame moves.
    if (CWnd* frame = bar->m_pDockBar->GetParent())
      frame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  auto* mini = new CMiniDockFrameWnd;  // deletes itself when its window goes
  if (!mini->Create(this, point)) return;
  bar->m_pDockSite = this;
  mini->m_wndDockBar.DockControlBar(bar);
  bar->m_pDockSite = this;
  mini->RecalcLayout();
  mini->ShowWindow(SW_SHOW);
  RecalcLayout();
}
