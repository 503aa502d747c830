#include "tools/StandWaveDLG.h"

#include "platform/window/ScrollBars.h"
#include "waveform/WaveGlobals.h"

#include <algorithm>

namespace {
bool g_bPanelScrollShown = false;
}  // namespace

BEGIN_MESSAGE_MAP(CStandWaveDLG, CDialog)
ON_WM_SIZE()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

bool CStandWaveDLG::ScrollBarShown() { return g_bPanelScrollShown; }

BOOL CStandWaveDLG::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int shape = 0; shape < kShapeNone; ++shape) {
    if (m_pictures[shape].LoadBitmap(kShapes[shape].bitmap))
      SendDlgItemMessage(kShapes[shape].button, BM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(static_cast<HBITMAP>(m_pictures[shape])));
  }
  m_tooltip.Create(this);
  for (int shape = 0; shape < kShapeNone; ++shape)
    m_tooltip.AddTool(GetDlgItem(kShapes[shape].button), kShapes[shape].tooltip);
  m_tooltip.SetDelayTime(TTDT_AUTOMATIC, 500);
  m_tooltip.Activate(TRUE);
  GetWindowRect(&m_initialWindow);
  GetClientRect(&m_initialClient);
  SetScrollRange(SB_VERT, 0, m_initialClient.Height(), TRUE);
  return TRUE;
}

BOOL CStandWaveDLG::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    for (int shape = 0; shape < kShapeNone; ++shape)
      if (kShapes[shape].button == LOWORD(wParam)) {
        OnShapeButton(shape);
        return TRUE;
      }
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CStandWaveDLG::OnShapeButton(int shape) {
  if (!g_bWaveOpen) return;  // no waveform: nothing, and no message
  m_dlgStandard.m_nShape = shape;
  m_dlgStandard.DoModal();
}

BOOL CStandWaveDLG::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_MOUSEMOVE && msg->message <= WM_LBUTTONUP) m_tooltip.RelayEvent(msg);
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    HWND focus = ::GetFocus();
    if (!focus || ::GetDlgCtrlID(focus) != IDOK) return TRUE;  // Enter clicks no shape
  }
  return CDialog::PreTranslateMessage(msg);
}

void CStandWaveDLG::OnSize(UINT type, int cx, int cy) {
  Default();
  if (type == SIZE_RESTORED) m_lastSize = CSize(cx, cy);  // the buttons keep their places
  SCROLLINFO info;
  GetScrollInfo(SB_VERT, &info);
  if (cy < m_initialClient.Height()) {
    ShowScrollBar(SB_VERT, TRUE);
    g_bPanelScrollShown = true;
  } else {
    if (g_bPanelScrollShown) {
      ScrollWindow(0, info.nPos);
      SetScrollPos(SB_VERT, 0, TRUE);
      g_bPanelScrollShown = false;
    }
    ShowScrollBar(SB_VERT, FALSE);
  }
}

void CStandWaveDLG::OnVScroll(UINT code, UINT position, CScrollBar* bar) {
  SCROLLINFO info;
  GetScrollInfo(SB_VERT, &info);
  const int old = info.nPos, page = static_cast<int>(info.nPage);
  int p = old;
  switch (code) {
    case SB_LINEUP:
      if (p > info.nMin) --p;
      break;
    case SB_LINEDOWN:
      if (p < info.nMax) ++p;
      break;
    case SB_PAGEUP:
      if (p > info.nMin) p = std::max(info.nMin, p - page);
      break;
    case SB_PAGEDOWN:
      if (p < info.nMax) p = std::min(info.nMax, p + page);
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: p = static_cast<int>(position); break;
    case SB_TOP: p = info.nMin; break;
    case SB_BOTTOM: p = info.nMax; break;
    default: break;
  }
  SetScrollPos(SB_VERT, p, TRUE);
  ScrollWindow(0, old - p);
  Default();
}
