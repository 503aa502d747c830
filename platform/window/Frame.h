#pragma once
// Frame windows: CFrameWnd (menu, control bars around one view, command
// routing view -> document -> frame -> application), CMDIFrameWnd (an MDI
// client instead of the view) and CMDIChildWnd (one document window).

#include "platform/window/WindowSide.h"

#include "platform/window/Wnd.h"

#include <memory>
#include <vector>

class CControlBar;
class CDockBar;
class CDocument;
class CDocTemplate;
class CView;
class QMdiArea;

enum : UINT {
  AFX_IDW_PANE_FIRST = 0xE900,
  AFX_IDW_TOOLBAR = 0xE800,
  AFX_IDW_STATUS_BAR = 0xE801,
  AFX_IDW_DOCKBAR_TOP = 0xE81B,
  AFX_IDW_DOCKBAR_LEFT = 0xE81C,
  AFX_IDW_DOCKBAR_RIGHT = 0xE81D,
  AFX_IDW_DOCKBAR_BOTTOM = 0xE81E,
  AFX_IDW_DOCKBAR_FLOAT = 0xE81F,
  AFX_IDW_CONTROLBAR_FIRST = 0xE800,
  AFX_IDW_CONTROLBAR_LAST = 0xE8FF
};
enum : DWORD {
  CBRS_ALIGN_LEFT = 0x1000,
  CBRS_ALIGN_TOP = 0x2000,
  CBRS_ALIGN_RIGHT = 0x4000,
  CBRS_ALIGN_BOTTOM = 0x8000,
  CBRS_ALIGN_ANY = 0xF000,
  CBRS_LEFT = 0x1000,
  CBRS_TOP = 0x2000,
  CBRS_RIGHT = 0x4000,
  CBRS_BOTTOM = 0x8000,
  CBRS_TOOLTIPS = 0x10,
  CBRS_FLYBY = 0x20,
  CBRS_GRIPPER = 0x400000,
  CBRS_SIZE_DYNAMIC = 0x40
};
inline constexpr DWORD FWS_ADDTOTITLE = 0x8000;
// The multiple-document frame's arrangement commands (Window menu).
enum : UINT { ID_WINDOW_CASCADE = 0xE132, ID_WINDOW_TILE_HORZ = 0xE133 };
// The Window menu's list of document windows: the first item's command id,
// and how many it lists.
enum : UINT { AFX_IDM_FIRST_MDICHILD = 0xFF00, kMdiWindowMenuItems = 9 };
// Asks the frame to show a command's prompt (wParam: the command id) or a
// text (lParam) in its message pane; the idle id shows the idle text.
inline constexpr UINT WM_SETMESSAGESTRING = 0x0362;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;
// Tooltip text requests (WM_NOTIFY) and their record.
inline constexpr UINT TTN_NEEDTEXTA = 0u - 520u;
inline constexpr UINT TTN_NEEDTEXTW = 0u - 530u;
inline constexpr UINT TTF_IDISHWND = 0x1;
struct TOOLTIPTEXTA {
  NMHDR hdr;
  LPSTR lpszText = nullptr;
  char szText[80] = {};
  HINSTANCE hinst = nullptr;
  UINT uFlags = 0;
  LPARAM lParam = 0;
};
struct TOOLTIPTEXTW {
  NMHDR hdr;
  LPWSTR lpszText = nullptr;
  WCHAR szText[80] = {};
  HINSTANCE hinst = nullptr;
  UINT uFlags = 0;
  LPARAM lParam = 0;
};

struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  class CFrameWnd* m_pCurrentFrame = nullptr;
};

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
 public:
  CFrameWnd();
  ~CFrameWnd() override;
  virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* parent = nullptr, CCreateContext* context = nullptr);
  BOOL Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent = nullptr,
              LPCSTR menuName = nullptr, DWORD exStyle = 0, CCreateContext* context = nullptr);
  virtual BOOL OnCreateClient(CREATESTRUCT* cs, CCreateContext* context);
  CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
  virtual void RecalcLayout(BOOL notify = TRUE);
  virtual CFrameWnd* GetActiveFrame() { return this; }
  CView* GetActiveView() const { return m_pViewActive; }
  void SetActiveView(CView* view, BOOL notify = TRUE);
  virtual CDocument* GetActiveDocument();
  virtual void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);
  // Makes a dock bar for each side in `dockStyle` (CBRS_ALIGN_*); bars then dock in them.
  void EnableDocking(DWORD dockStyle);
  void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
  // Moves the bar into a mini frame of its own with its top-left at `point` (screen).
  void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = 0);
  // The dock bar for a bar allowed `barDockStyle`, at `preferred` when allowed.
  CDockBar* DockBarFor(DWORD barDockStyle, DWORD preferred) const;
  // Lays the control bars (ids first..last: toolbar, status bar, dock bars)
  // out around the client and gives the rest to `leftOver` (the pane), as
  // RecalcLayout does; the range and flags are accepted for the callers' sake.
  void RepositionBars(UINT first, UINT last, UINT leftOver, UINT flags = 0, LPRECT rect = nullptr,
                      LPCRECT client = nullptr, BOOL stretch = TRUE);
  void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
  void AddControlBar(CControlBar* bar);
  void RemoveControlBar(CControlBar* bar);
  CControlBar* GetControlBar(UINT id);
  CWnd* GetMessageBar();
  void SetMessageText(LPCSTR text);
  void SetMessageText(UINT id);
  // The update handlers of every control bar item (the framework's idle work).
  virtual void OnIdleUpdateCmdUI();
  virtual void ActivateFrame(int cmdShow = -1);
  virtual void OnUpdateFrameTitle(BOOL addToTitle);

  BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
  BOOL m_bAutoMenuEnable = TRUE;
  HMENU m_hMenuDefault = nullptr;
  UINT m_nIDHelp = 0;

  // Message handlers.
  int OnCreate(CREATESTRUCT* cs);
  void OnSize(UINT type, int cx, int cy);
  void OnClose();
  void OnDestroy();
  LRESULT OnInitMenuPopup(WPARAM menu, LPARAM);
  LRESULT OnSetMessageString(WPARAM id, LPARAM text);

 protected:
  void PostNcDestroy() override;
  void DockInDockBar(CControlBar* bar, UINT dockBarId);
  CRect ClientArea();  // the client rect minus the menu bar
  CView* m_pViewActive = nullptr;
  DWORD m_dwDockStyle = 0;
  std::vector<CControlBar*> m_bars;
  std::vector<std::unique_ptr<CDockBar>> m_dockBars;
  BOOL m_bInRecalcLayout = FALSE;
  CCreateContext* m_pCreatingContext = nullptr;
  DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNAMIC(CMDIFrameWnd)
 public:
  BOOL OnCreateClient(CREATESTRUCT* cs, CCreateContext* context) override;
  CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
  void MDIActivate(CWnd* child);
  void MDINext();
  // The arrangement commands act on the document windows; they are enabled
  // while at least one is open.
  void MDICascade();
  void MDITile();
  void OnUpdateMDIWindowCmd(CCmdUI* ui);
  CFrameWnd* GetActiveFrame() override;
  CDocument* GetActiveDocument() override;
  BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
  void RecalcLayout(BOOL notify = TRUE) override;
  void OnIdleUpdateCmdUI() override;
  // The Window menu (the drop-down of the menu bar that holds the
  // arrangement commands) lists the document windows below a separator,
  // "&1 title", "&2 title", ..., the active one checked; choosing one
  // activates it. Brought up to date as the windows come, go, change title
  // or activation, and when the menu bar changes.
  // `leaving` is a document window on its way out, no longer listed.
  void UpdateWindowMenu(const CWnd* leaving = nullptr);
  void OnWindowMenuItem(UINT id);
  LRESULT OnInitMenuPopup(WPARAM menu, LPARAM index);
  HWND m_hWndMDIClient = nullptr;

 protected:
  DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)
 public:
  BOOL LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) override;
  CMDIFrameWnd* GetMDIFrame() const;
  void MDIActivate();
  void MDIDestroy() { DestroyWindow(); }
  BOOL DestroyWindow() override;
  void RecalcLayout(BOOL notify = TRUE) override;
  LRESULT OnMDIActivate(WPARAM deactivated, LPARAM activated);
  void OnDestroy();
  virtual void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
  void OnUpdateFrameTitle(BOOL addToTitle) override;
  // A new document window is active before its view's initial update gave
  // it a document and a title: once they exist its activation runs again
  // (the shared menu, the window's own activation steps).
  void InitialUpdateFrame(CDocument* doc, BOOL makeVisible) override;

 protected:
  DECLARE_MESSAGE_MAP()
};

#define ON_WM_INITMENUPOPUP_FRAME() ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
