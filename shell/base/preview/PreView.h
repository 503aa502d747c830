#pragma once
// CPreView: the print preview's page window (dialog 176, a child of the
// preview frame). A page of 223 x 315 mm at the screen's resolution, over a
// patterned background, scrolled by its bars and the mouse wheel. Every
// paint makes the page afresh: a memory DC of the page's size is handed to
// the active view (the paint target's message), which draws the graph into
// it, and the result is copied half an inch in from the page area's corner.

#include "platform/window/WindowSide.h"

#include "platform/window/Dialog.h"
#include "platform/window/ScrollBars.h"
#include "shell/base/preview/PaintTarget.h"

#include <memory>

class CPreView : public CDialog {
 public:
  CPreView();
  ~CPreView() override;

  void SetPaintTarget(int message, HWND owner, int extra);

  // The page in screen pixels, the scroll offsets and the wheel's step.
  CSize GetPageSize() const { return m_sizePage; }
  int GetScrollX() const { return m_nScrollX; }
  int GetScrollY() const { return m_nScrollY; }
  UINT GetWheelStep() const { return m_nWheelStep; }

  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}

  void OnPaint();
  void OnSize(UINT type, int cx, int cy);
  void OnVScroll(UINT code, UINT position, CScrollBar* bar);
  void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind);
  void OnDestroy();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // Moves one bar to position; the content follows the change.
  void ScrollTo(int bar, int position);

  PreviewPaintTarget m_target;
  CSize m_sizePage;
  CRect m_rcClient;
  int m_nScrollX = 0, m_nScrollY = 0;
  SCROLLINFO m_scrollInfo;
  UINT m_nWheelStep = 0;
  int m_nWheelDelta = 0;
  int m_nDpiX = 96, m_nDpiY = 96;
  std::unique_ptr<CBitmap> m_pBackground;
  std::unique_ptr<CBrush> m_pBackgroundBrush;
  std::unique_ptr<CPen> m_pPen;
};
