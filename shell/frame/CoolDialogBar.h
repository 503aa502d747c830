#pragma once
// CCoolDialogBar: a control bar that hosts a modeless dialog, docks on any
// side of its frame or floats in a mini frame, and is resized by dragging
// its inner edge. Docked, it draws its own non-client area: a gripper strip
// with a close button (hides the bar) and an undock button (floats it), and
// the sizing edge. CCoolDialogBarCH is the same bar in the skin's colour.
// The main frame's left panel, "FloatDlg", hosts the standard-shape panel.

#include "platform/window/WindowSide.h"

#include "platform/window/ControlBar.h"
#include "platform/window/Dialog.h"
#include "platform/window/DockBar.h"

class CCoolDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CCoolDialogBar)
 public:
  CCoolDialogBar();
  ~CCoolDialogBar() override;

  CSize CalcFixedLayout(BOOL full, BOOL horizontal) override;
  CSize CalcDynamicLayout(int length, DWORD mode) override;
  void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
  // Creates the bar around `dialog`, made from template `id` as its child;
  // false when the bar's window cannot be made.
  virtual BOOL Create(CWnd* parent, CDialog* dialog, CString& caption, UINT id, DWORD style);

  // True while docked at the top or bottom (the gripper runs down the left).
  bool IsHorzDocked() const;
  bool IsVertDocked() const;
  // The gripper, close and undock buttons and sizing edge, in window
  // coordinates, for the dock side the bar has now.
  void ComputeNonClientRects();

  COLORREF m_clrBtnHilight;
  COLORREF m_clrBtnShadow;
  CSize m_sizeMin{32, 32};
  CSize m_sizeHorz{200, 200};
  CSize m_sizeVert{200, 200};
  CSize m_sizeFloat{200, 200};
  CRect m_rectBorder;  // the sizing edge
  CRect m_rectTracker;
  UINT m_nDockBarID = 0;
  CPoint m_ptOld;  // the drag's start: the centre of the sizing edge
  BOOL m_bTracking = FALSE;
  BOOL m_bInRecalcNC = FALSE;
  int m_cxEdge = 6;
  CRect m_rectUndock;
  CRect m_rectClose;
  CRect m_rectGripper;
  int m_cxGripper = 20;
  int m_cxBorder = 3;
  CDialog* m_cDialog = nullptr;  // the hosted dialog; its owner keeps it
  CBrush m_brushBkgd;
  int m_cyBorder = 3;
  int m_cMinWidth;
  int m_cMinHeight;
  int m_cCaptionSize;

  // Message handlers.
  LRESULT OnWindowPosChanged(WPARAM, LPARAM);
  LRESULT OnNcCalcSize(WPARAM, LPARAM);
  LRESULT OnNcPaint(WPARAM, LPARAM);
  LRESULT OnNcHitTest(WPARAM, LPARAM);
  LRESULT OnNcLButtonDown(WPARAM, LPARAM);
  LRESULT OnNcLButtonDblClk(WPARAM, LPARAM);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  void OnCaptureChanged(CWnd* window);
  LRESULT OnBarSetFlag(WPARAM, LPARAM);

 protected:
  void StartTracking();
  void StopTracking(BOOL accept);
  void OnInvertTracker(const CRect& rect);
  // A mouse point of a drag in the coordinates of the sizing edge.
  CPoint TrackPoint(CPoint client) const;
  void DrawGripper(CDC& dc);
  CFrameWnd* DockSite() const { return m_pDockSite; }

  DECLARE_MESSAGE_MAP()
};

class CCoolDialogBarCH : public CCoolDialogBar {
  DECLARE_DYNAMIC(CCoolDialogBarCH)
 public:
  int OnCreate(CREATESTRUCT* cs);

 protected:
  DECLARE_MESSAGE_MAP()
};
