#pragma once
// The docking machinery behind control bars: a frame's dock bars (one per
// side, made by CFrameWnd::EnableDocking) hold the docked bars in rows; a
// floating bar sits in the dock bar of a small mini frame; a bar's dock
// context moves it between them by dragging or toggling.

#include "platform/window/WindowSide.h"

#include "platform/window/ControlBar.h"
#include "platform/window/NonClient.h"

class QObject;

// The mini frame's styles (MFS_4THICKFRAME: sizeable at its corners only).
enum : DWORD {
  MFS_MOVEFRAME = 0x800,
  MFS_4THICKFRAME = 0x200,
  MFS_SYNCACTIVE = 0x100,
  MFS_THICKFRAME = 0x400,
  MFS_BLOCKSYSMENU = 0x10000
};

class CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)
 public:
  explicit CDockBar(BOOL floating = FALSE) : m_bFloating(floating) {}
  ~CDockBar() override;
  BOOL Create(CWnd* parent, DWORD style, UINT id);
  // Its thickness: the docked bars' rows (top, bottom) or columns (left, right).
  CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
  // Places the visible bars in rows or columns inside the dock bar.
  void LayoutBars();
  void DockControlBar(CControlBar* bar);
  void RemoveControlBar(CControlBar* bar);

  BOOL m_bFloating;
  std::vector<CControlBar*> m_arrBars;  // in docking order
};

// A floating bar's window: a small caption (title, close box) over a floating
// dock bar. Dragging the caption moves the bar through its dock context; a
// double click on it docks the bar again.
class CMiniDockFrameWnd : public CFrameWnd {
  DECLARE_DYNAMIC(CMiniDockFrameWnd)
 public:
  BOOL Create(CFrameWnd* dockSite, CPoint screenTopLeft);
  // Sizes the frame around its bar: the caption and borders outside the bar's floating size.
  void RecalcLayout(BOOL notify = TRUE) override;
  CControlBar* Bar() const;
  CRect CaptionRect() const;  // window coordinates
  CRect CloseRect() const;    // window coordinates
  // The non-client widths outside the bar: borders and the caption.
  static CSize Extra();

  CDockBar m_wndDockBar{TRUE};
  static constexpr int kBorder = 3;

  LRESULT OnNcCalcSize(WPARAM, LPARAM);
  LRESULT OnNcHitTest(WPARAM, LPARAM);
  LRESULT OnNcPaint(WPARAM, LPARAM);
  LRESULT OnNcLButtonDown(WPARAM, LPARAM);
  LRESULT OnNcLButtonDblClk(WPARAM, LPARAM);
  void OnClose();

 protected:
  void PostNcDestroy() override;
  DECLARE_MESSAGE_MAP()
};

// Moves one bar between its frame's dock bars and a mini frame.
class CDockContext {
 public:
  explicit CDockContext(CControlBar* bar);
  ~CDockContext();
  // Begins a drag at `point` (screen); the release docks the bar where it
  // lands over a dock zone of the frame, or floats it there.
  void StartDrag(CPoint point);
  // Begins sizing a floating bar's mini frame at the edge or corner `hitTest`
  // (HTLEFT...HTBOTTOMRIGHT); the bar's dynamic layout answers each new size.
  void StartResize(int hitTest, CPoint point);
  // Floats a docked bar at its place, or docks a floating one where it last docked.
  void ToggleDocking();
  bool Dragging() const { return m_tracker != nullptr && !m_bResizing; }
  bool Resizing() const { return m_tracker != nullptr && m_bResizing; }
  void EndDrag(CPoint point, bool accept);
  void Move(CPoint point);

  CControlBar* m_pBar;
  CFrameWnd* m_pDockSite;
  CPoint m_ptLast;            // the drag's last point, screen
  CRect m_rectFrameDragHorz;  // where the floating frame would go
  CRect m_rectDragDock;       // where the bar would dock, or empty
  UINT m_uDropDockId = 0;     // the dock bar it would dock in, or 0
  UINT m_uMRUDockID = AFX_IDW_DOCKBAR_TOP;
  CPoint m_ptMRUFloatPos{-1, -1};
  int m_nHitTest = HTCLIENT;  // what the drag grips: the caption, or a corner while sizing

 private:
  // Which dock bar lies under `point` (screen), and the rectangle the bar would take there.
  UINT DockTarget(CPoint point, CRect* rect) const;
  void Stretch(CPoint point);
  void Track();
  QObject* m_tracker = nullptr;
  bool m_bResizing = false;
  CPoint m_ptStart;
  CPoint m_ptOffset;  // from the bar's (or mini frame's) top-left to the grip point
};
