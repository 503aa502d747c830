#include "shell/base/preview/PreView.h"

#include "platform/window/Frame.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"

namespace {
constexpr UINT kBackgroundBitmap = 218;
constexpr int kLine = 15;  // pixels a line of scrolling moves
constexpr int kPageWidthMm = 223, kPageHeightMm = 315;

// The view of the main window's active waveform window, or null.
CWnd* ActiveView() {
  auto* main = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
  CFrameWnd* frame = main ? main->GetActiveFrame() : nullptr;
  return frame ? frame->GetActiveView() : nullptr;
}
}  // namespace

BEGIN_MESSAGE_MAP(CPreView, CDialog)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CPreView::CPreView() = default;
CPreView::~CPreView() = default;

void CPreView::SetPaintTarget(int message, HWND owner, int extra) {
  m_target = {message, owner, extra};
}

BOOL CPreView::OnInitDialog() {
  CDialog::OnInitDialog();
  HDC screen = ::GetDC(nullptr);
  m_nDpiX = ::GetDeviceCaps(screen, LOGPIXELSX);
  m_nDpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  m_sizePage = CSize(m_nDpiX * kPageWidthMm * 10 / 254, m_nDpiY * kPageHeightMm * 10 / 254);
  UINT lines = 0;
  ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  m_nWheelStep = lines ? 120u / lines : 0u;
  m_nWheelDelta = 0;
  m_pBackground = std::make_unique<CBitmap>();
  m_pBackground->LoadBitmap(kBackgroundBitmap);
  m_pBackgroundBrush = std::make_unique<CBrush>();
  m_pBackgroundBrush->CreatePatternBrush(m_pBackground.get());
  m_pPen = std::make_unique<CPen>(PS_SOLID, 2, RGB(0, 0, 0));
  SetScrollRange(SB_VERT, 0, 0);
  SetScrollRange(SB_HORZ, 0, 0);
  return TRUE;
}

void CPreView::OnPaint() {
  CPaintDC dc(this);
  dc.SetWindowOrg(m_nScrollX, m_nScrollY);
  // Pixels per millimetre times the page's millimetres.
  const int width = static_cast<int>(m_nDpiX * 10.0 / 254 * kPageWidthMm);
  const int height = static_cast<int>(m_nDpiY * 10.0 / 254 * kPageHeightMm);
  CBitmap bitmap;  // made first, so that it outlives the DC drawing into it
  CDC page;
  page.CreateCompatibleDC(&dc);
  bitmap.CreateCompatibleBitmap(&dc, width, height);
  CBitmap* previous = page.SelectObject(&bitmap);
  if (CWnd* view = m_target.message > 0 ? ActiveView() : nullptr)
    view->SendMessage(static_cast<UINT>(m_target.message), reinterpret_cast<WPARAM>(&page),
                      reinterpret_cast<LPARAM>(&m_target.owner));
  dc.BitBlt(m_nDpiX / 2, m_nDpiY / 2, width, height, &page, 0, 0, SRCCOPY);
  page.SelectObject(previous);
}

void CPreView::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  GetClientRect(&m_rcClient);
  m_scrollInfo.fMask = SIF_ALL;
  m_scrollInfo.nMin = 0;
  m_scrollInfo.nMax = m_sizePage.cy + m_nDpiY;
  m_scrollInfo.nPage = static_cast<UINT>(m_rcClient.Height());
  m_scrollInfo.nPos = 0;
  SetScrollInfo(SB_VERT, &m_scrollInfo, TRUE);
  m_scrollInfo.nMax = m_sizePage.cx + m_nDpiX;
  m_scrollInfo.nPage = static_cast<UINT>(m_rcClient.Width());
  SetScrollInfo(SB_HORZ, &m_scrollInfo, TRUE);
  m_nScrollX = m_nScrollY = 0;
  Invalidate();
  UpdateWindow();
}

void CPreView::ScrollTo(int bar, int position) {
  int& offset = bar == SB_VERT ? m_nScrollY : m_nScrollX;
  const int before = GetScrollPos(bar);
  SetScrollPos(bar, position, TRUE);
  const int change = GetScrollPos(bar) - before;  // the bar keeps it inside its range
  if (change == 0) return;
  offset += change;
  ScrollWindow(bar == SB_VERT ? 0 : -change, bar == SB_VERT ? -change : 0);
  Invalidate();
  UpdateWindow();
  if (bar == SB_VERT) {
    if (CWnd* frame = GetParent()) {
      frame->Invalidate();
      frame->UpdateWindow();
    }
  }
}

void CPreView::OnVScroll(UINT code, UINT position, CScrollBar* bar) {
  m_scrollInfo.fMask = SIF_ALL;
  GetScrollInfo(SB_VERT, &m_scrollInfo);
  const int now = m_scrollInfo.nPos, page = static_cast<int>(m_scrollInfo.nPage);
  switch (code) {
    case SB_LINEUP: ScrollTo(SB_VERT, now - kLine); break;
    case SB_LINEDOWN: ScrollTo(SB_VERT, now + kLine); break;
    case SB_PAGEUP: ScrollTo(SB_VERT, now - page); break;
    case SB_PAGEDOWN: ScrollTo(SB_VERT, now + page); break;
    case SB_THUMBTRACK: ScrollTo(SB_VERT, m_scrollInfo.nTrackPos); break;
    case SB_TOP: ScrollTo(SB_VERT, m_scrollInfo.nMin); break;
    case SB_BOTTOM: ScrollTo(SB_VERT, m_scrollInfo.nMax); break;
    default: break;
  }
  CDialog::OnVScroll(code, position, bar);
}

void CPreView::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
  m_scrollInfo.fMask = SIF_ALL;
  GetScrollInfo(SB_HORZ, &m_scrollInfo);
  const int now = m_scrollInfo.nPos, page = static_cast<int>(m_scrollInfo.nPage);
  switch (code) {  // left and right share the codes of up and down
    case SB_LINEUP: ScrollTo(SB_HORZ, now - kLine); break;
    case SB_LINEDOWN: ScrollTo(SB_HORZ, now + kLine); break;
    case SB_PAGEUP: ScrollTo(SB_HORZ, now - page); break;
    case SB_PAGEDOWN: ScrollTo(SB_HORZ, now + page); break;
    case SB_THUMBTRACK: ScrollTo(SB_HORZ, m_scrollInfo.nTrackPos); break;
    default: break;
  }
  CDialog::OnHScroll(code, position, bar);
}

// The wheel scrolls a line per step of its delta.
BOOL CPreView::OnMouseWheel(UINT flags, short delta, CPoint point) {
  if (m_nWheelStep != 0) {
    const int step = static_cast<int>(m_nWheelStep);
    m_nWheelDelta += delta;
    for (; m_nWheelDelta >= step; m_nWheelDelta -= step) SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    for (; m_nWheelDelta <= -step; m_nWheelDelta += step) SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  }
  return CDialog::OnMouseWheel(flags, delta, point);
}

HBRUSH CPreView::OnCtlColor(CDC* dc, CWnd* window, UINT kind) {
  if (kind == CTLCOLOR_DLG && m_pBackgroundBrush) return *m_pBackgroundBrush;
  return CDialog::OnCtlColor(dc, window, kind);
}

void CPreView::OnDestroy() {
  m_pBackgroundBrush.reset();
  m_pBackground.reset();
  m_pPen.reset();
  CDialog::OnDestroy();
}
