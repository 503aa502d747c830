#pragma once
// Control bars around a frame's client: the toolbar, the status bar and
// dialog bars. A bar sits at a side of its frame, or, once the frame and the
// bar enable docking, in one of the frame's dock bars or floating in a mini
// frame (DockBar.h), moved between them by its dock context.

#include "platform/window/WindowSide.h"

#include "platform/window/CmdUI.h"
#include "platform/window/Dialog.h"
#include "platform/window/Frame.h"

#include <memory>
#include <vector>

class CDockBar;
class CDockContext;

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  // The size the bar takes at its side (height when horizontal, width when vertical).
  virtual CSize CalcFixedLayout(BOOL stretch, BOOL horizontal);
  // Bars with CBRS_SIZE_DYNAMIC are laid out through this; the default is
  // the fixed layout. `mode` holds the LM_ flags.
  virtual CSize CalcDynamicLayout(int length, DWORD mode);
  virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {}
  CControlBar();
  ~CControlBar() override;
  // The sides (CBRS_ALIGN_*) the bar may dock at; any side gives it a dock context.
  void EnableDocking(DWORD style);
  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBarStyle(DWORD style) { m_dwStyle = style; }
  BOOL IsHorizontal() const { return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }
  BOOL IsFloating() const;
  BOOL IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }
  CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  // A press on a docked bar drags it; a double click floats or docks it.
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonDblClk(UINT flags, CPoint point);
  // The default non-client paint: the non-client area in the button face.
  void EraseNonClient();
  LRESULT OnNcPaintDefault(WPARAM, LPARAM);

  DWORD m_dwStyle = CBRS_TOP;
  DWORD m_dwDockStyle = 0;
  CFrameWnd* m_pDockSite = nullptr;
  CDockBar* m_pDockBar = nullptr;  // the dock bar holding the bar, floating ones included
  std::unique_ptr<CDockContext> m_pDockContext;
  CSize m_sizeDefault;

 protected:
  void AttachToFrame(CWnd* parent);
  DECLARE_MESSAGE_MAP()
};

class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)
 public:
  ~CToolBar() override;
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP,
              UINT id = AFX_IDW_TOOLBAR);
  BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = 0, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                CRect borders = CRect(), UINT id = AFX_IDW_TOOLBAR);
  BOOL LoadToolBar(UINT id);
  BOOL SetButtons(const UINT* ids, int count);
  int GetCount() const { return static_cast<int>(m_buttons.size()); }
  UINT GetItemID(int index) const;
  int CommandToIndex(UINT id) const;
  BOOL IsButtonEnabled(UINT id) const;
  BOOL IsButtonChecked(UINT id) const;
  void SetButtonToolTip(UINT id, LPCSTR text);
  void PressButton(UINT id);  // what a click does: the command goes to the frame
  CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
  void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

  struct Button;
  std::vector<Button*> m_buttons;
};

enum : UINT {
  SBPS_NORMAL = 0x0,
  SBPS_NOBORDERS = 0x100,
  SBPS_POPOUT = 0x200,
  SBPS_DISABLED = 0x4000000,
  SBPS_STRETCH = 0x8000000
};
enum : DWORD { TBSTYLE_FLAT = 0x800, TBSTYLE_TRANSPARENT = 0x8000 };
enum : DWORD {
  LM_STRETCH = 0x1,
  LM_HORZ = 0x2,
  LM_MRUWIDTH = 0x4,
  LM_HORZDOCK = 0x8,
  LM_VERTDOCK = 0x10,
  LM_LENGTHY = 0x20,
  LM_COMMIT = 0x40
};
inline constexpr DWORD CBRS_ALL = 0x0040FFFF;
enum : DWORD {
  CBRS_BORDER_LEFT = 0x100,
  CBRS_BORDER_TOP = 0x200,
  CBRS_BORDER_RIGHT = 0x400,
  CBRS_BORDER_BOTTOM = 0x800,
  CBRS_BORDER_ANY = 0xF00,
  CBRS_FLOATING = 0x1
};

struct AFX_STATUSPANE {
  UINT id;
  CString text;
  int width;
};

class CStatusBar : public CControlBar {
  DECLARE_DYNAMIC(CStatusBar)
 public:
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT id = AFX_IDW_STATUS_BAR);
  BOOL SetIndicators(const UINT* ids, int count);
  BOOL SetPaneText(int index, LPCSTR text, BOOL update = TRUE);
  CString GetPaneText(int index) const;
  void SetPaneInfo(int index, UINT id, UINT style, int width);
  void GetItemRect(int index, LPRECT rect) const;
  int CommandToIndex(UINT id) const;
  CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;

  std::vector<AFX_STATUSPANE> m_panes;

 private:
  void ApplyParts();
};

class CDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CDialogBar)
 public:
  BOOL Create(CWnd* parent, UINT templateId, UINT style, UINT id);
  CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
  BOOL UpdateData(BOOL save = TRUE) { return CWnd::UpdateData(save); }
};
