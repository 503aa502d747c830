#pragma once
// CWnd: the framework's window object. Attaching it to a window subclasses
// the window with the framework's procedure, which routes each message to
// the object's message map and reports any exception a handler lets escape.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/CmdTarget.h"
#include "platform/window/Dc.h"
#include "platform/window/Geometry.h"
#include "platform/window/WindowApi.h"

class CMenu;
class CDataExchange;
class CScrollBar;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The permanent object attached to a window, or a temporary wrapper.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);

  virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id, void* context = nullptr);
  virtual BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
  virtual BOOL DestroyWindow();
  BOOL Attach(HWND hWnd);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // Messages.
  LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return ::SendMessage(m_hWnd, msg, w, l);
  }
  BOOL PostMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return ::PostMessage(m_hWnd, msg, w, l);
  }
  LRESULT Default();  // the previous procedure with the current message
  virtual BOOL PreTranslateMessage(MSG* msg);

  // Relations, state, geometry and text.
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE)); }
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  void MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, w, h, repaint);
  }
  void MoveWindow(LPCRECT r, BOOL repaint = TRUE) {
    MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
  }
  BOOL SetWindowPos(const CWnd* after, int x, int y, int w, int h, UINT flags) {
    return ::SetWindowPos(m_hWnd, after ? after->m_hWnd : nullptr, x, y, w, h, flags);
  }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
  void ScreenToClient(LPRECT r) const;
  void ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
  void ClientToScreen(LPRECT r) const;
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  void CenterWindow(CWnd* alternateOwner = nullptr);
  void SetWindowText(LPCSTR text) { ::SetWindowText(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  CString GetWindowTextString() const;
  int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;
  void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemText(m_hWnd, id, text); }
  int GetDlgItemText(int id, CString& text) const;
  void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
  UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
  void CheckRadioButton(int first, int last, int check);
  int GetCheckedRadioButton(int first, int last) const;
  LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return ::SendDlgItemMessage(m_hWnd, id, msg, w, l);
  }
  int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* menu);
  void DrawMenuBar() {}
  HICON SetIcon(HICON icon, BOOL big);
  CWnd* GetTopLevelParent() const;
  // The window's own scroll bars (see ScrollBars.h).
  BOOL SetScrollInfo(int bar, struct SCROLLINFO* info, BOOL redraw = TRUE);
  BOOL GetScrollInfo(int bar, struct SCROLLINFO* info, UINT mask = 0x17);
  int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
  int GetScrollPos(int bar) const;
  void SetScrollRange(int bar, int minimum, int maximum, BOOL redraw = TRUE);
  void ShowScrollBar(UINT bar, BOOL show = TRUE);
  void ScrollWindow(int dx, int dy, LPCRECT scroll = nullptr, LPCRECT clip = nullptr);

  // Enables the child controls by their commands' update handlers in `target`.
  void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);
  BOOL LockWindowUpdate() { return TRUE; }  // Qt paints once per event anyway
  void UnlockWindowUpdate() {}

  // Dialog data exchange.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* dx) {}

  // Routing and the procedure.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual void PreSubclassWindow() {}
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs) { return TRUE; }
  virtual void PostNcDestroy() {}

  // Default handlers the ON_WM_ entries call.
  int OnCreate(CREATESTRUCT*) { return static_cast<int>(Default()); }
  void OnDestroy() { Default(); }
  void OnNcDestroy();
  void OnPaint() { Default(); }
  void OnClose() { Default(); }
  void OnSize(UINT, int, int) { Default(); }
  void OnMove(int, int) { Default(); }
  void OnShowWindow(BOOL, UINT) { Default(); }
  BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnKillFocus(CWnd*) { Default(); }
  void OnChar(UINT, UINT, UINT) { Default(); }
  void OnKeyDown(UINT, UINT, UINT) { Default(); }
  void OnKeyUp(UINT, UINT, UINT) { Default(); }
  void OnMouseMove(UINT, CPoint) { Default(); }
  void OnLButtonDown(UINT, CPoint) { Default(); }
  void OnLButtonUp(UINT, CPoint) { Default(); }
  void OnLButtonDblClk(UINT, CPoint) { Default(); }
  void OnRButtonDown(UINT, CPoint) { Default(); }
  void OnRButtonUp(UINT, CPoint) { Default(); }
  BOOL OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
  void OnMouseLeave() { Default(); }
  void OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
  void OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
  HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
  void OnDrawItem(int, DRAWITEMSTRUCT*) { Default(); }
  void OnTimer(UINT_PTR) { Default(); }
  BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
  void OnCaptureChanged(CWnd*) { Default(); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  void OnActivate(UINT, CWnd*, BOOL) { Default(); }
  void OnEnable(BOOL) { Default(); }

  // The procedure of every window a CWnd is attached to.
  static LRESULT FrameworkProc(HWND hWnd, UINT msg, WPARAM w, LPARAM l);

 protected:
  WNDPROC m_pfnSuper = nullptr;  // the procedure the framework's replaced
  MSG m_current{};               // the message being handled, for Default()

  DECLARE_MESSAGE_MAP()
};

// While alive, control notifications (WM_COMMAND from a control, WM_NOTIFY)
// to the window are dropped: for a handler that writes its own fields and
// must not run again because of it.
class CNotifyLockout {
 public:
  explicit CNotifyLockout(CWnd* window);
  ~CNotifyLockout();
  CNotifyLockout(const CNotifyLockout&) = delete;
  CNotifyLockout& operator=(const CNotifyLockout&) = delete;

 private:
  HWND m_previous;
};

// The message the framework is handling now (the innermost one).
const MSG* AfxGetCurrentMessage();

// Registers (once per combination) a window class with the platform's default
// procedure, the class style, cursor and background given, and answers its
// name for CWnd::Create / CreateEx. Without CS_DBLCLKS its windows get no
// client double clicks.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);

// Entries for window messages; each calls the member of the same name.
#define ON_WM_CREATE() \
  AFX_ENTRY(WM_CREATE, 0, 0, 0, return AFX_TARGET->OnCreate(reinterpret_cast<CREATESTRUCT*>(l));)
#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, 0, 0, 0, AFX_TARGET->OnDestroy(); return 0;)
#define ON_WM_NCDESTROY() AFX_ENTRY(WM_NCDESTROY, 0, 0, 0, AFX_TARGET->OnNcDestroy(); return 0;)
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, 0, 0, 0, AFX_TARGET->OnPaint(); return 0;)
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, 0, 0, 0, AFX_TARGET->OnClose(); return 0;)
#define ON_WM_SIZE()                                                                          \
  AFX_ENTRY(WM_SIZE, 0, 0, 0, AFX_TARGET->OnSize(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); \
            return 0;)
#define ON_WM_MOVE() \
  AFX_ENTRY(WM_MOVE, 0, 0, 0, AFX_TARGET->OnMove(GET_X_LPARAM(l), GET_Y_LPARAM(l)); return 0;)
#define ON_WM_SHOWWINDOW()                                                        \
  AFX_ENTRY(WM_SHOWWINDOW, 0, 0, 0,                                               \
            AFX_TARGET->OnShowWindow(static_cast<BOOL>(w), static_cast<UINT>(l)); \
            return 0;)
#define ON_WM_ERASEBKGND()          \
  AFX_ENTRY(WM_ERASEBKGND, 0, 0, 0, \
            return AFX_TARGET->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(w)));)
#define ON_WM_SETFOCUS()                                                         \
  AFX_ENTRY(WM_SETFOCUS, 0, 0, 0,                                                \
            AFX_TARGET->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w))); \
            return 0;)
#define ON_WM_KILLFOCUS()                                                         \
  AFX_ENTRY(WM_KILLFOCUS, 0, 0, 0,                                                \
            AFX_TARGET->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w))); \
            return 0;)
#define ON_WM_CHAR()                                                                          \
  AFX_ENTRY(WM_CHAR, 0, 0, 0, AFX_TARGET->OnChar(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); \
            return 0;)
#define ON_WM_KEYDOWN()                                                        \
  AFX_ENTRY(WM_KEYDOWN, 0, 0, 0,                                               \
            AFX_TARGET->OnKeyDown(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); \
            return 0;)
#define ON_WM_KEYUP()                                                                           \
  AFX_ENTRY(WM_KEYUP, 0, 0, 0, AFX_TARGET->OnKeyUp(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); \
            return 0;)
#define ON_WM_MOUSEMOVE()                                                                    \
  AFX_ENTRY(WM_MOUSEMOVE, 0, 0, 0, AFX_TARGET->OnMouseMove(static_cast<UINT>(w), CPoint(l)); \
            return 0;)
#define ON_WM_LBUTTONDOWN()                                                                      \
  AFX_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, AFX_TARGET->OnLButtonDown(static_cast<UINT>(w), CPoint(l)); \
            return 0;)
#define ON_WM_LBUTTONUP()                                                                    \
  AFX_ENTRY(WM_LBUTTONUP, 0, 0, 0, AFX_TARGET->OnLButtonUp(static_cast<UINT>(w), CPoint(l)); \
            return 0;)
#define ON_WM_LBUTTONDBLCLK()                                             \
  AFX_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0,                                    \
            AFX_TARGET->OnLButtonDblClk(static_cast<UINT>(w), CPoint(l)); \
            return 0;)
#define ON_WM_RBUTTONDOWN()                                                                      \
  AFX_ENTRY(WM_RBUTTONDOWN, 0, 0, 0, AFX_TARGET->OnRButtonDown(static_cast<UINT>(w), CPoint(l)); \
            return 0;)
#define ON_WM_RBUTTONUP()                                                                    \
  AFX_ENTRY(WM_RBUTTONUP, 0, 0, 0, AFX_TARGET->OnRButtonUp(static_cast<UINT>(w), CPoint(l)); \
            return 0;)
#define ON_WM_MOUSEWHEEL()          \
  AFX_ENTRY(WM_MOUSEWHEEL, 0, 0, 0, \
            return AFX_TARGET->OnMouseWheel(LOWORD(w), static_cast<short>(HIWORD(w)), CPoint(l));)
#define ON_WM_MOUSELEAVE() AFX_ENTRY(WM_MOUSELEAVE, 0, 0, 0, AFX_TARGET->OnMouseLeave(); return 0;)
#define ON_WM_HSCROLL()                                                                      \
  AFX_ENTRY(WM_HSCROLL, 0, 0, 0,                                                             \
            AFX_TARGET->OnHScroll(                                                           \
                LOWORD(w), HIWORD(w),                                                        \
                reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(l)))); \
            return 0;)
#define ON_WM_VSCROLL()                                                                      \
  AFX_ENTRY(WM_VSCROLL, 0, 0, 0,                                                             \
            AFX_TARGET->OnVScroll(                                                           \
                LOWORD(w), HIWORD(w),                                                        \
                reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(l)))); \
            return 0;)
#define ON_WM_DRAWITEM()                                                                       \
  AFX_ENTRY(WM_DRAWITEM, 0, 0, 0,                                                              \
            AFX_TARGET->OnDrawItem(static_cast<int>(w), reinterpret_cast<DRAWITEMSTRUCT*>(l)); \
            return TRUE;)
#define ON_WM_TIMER() \
  AFX_ENTRY(WM_TIMER, 0, 0, 0, AFX_TARGET->OnTimer(static_cast<UINT_PTR>(w)); return 0;)
#define ON_WM_SETCURSOR()                                                                          \
  AFX_ENTRY(WM_SETCURSOR, 0, 0, 0,                                                                 \
            return AFX_TARGET->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(w)), LOWORD(l), \
                                           HIWORD(l));)
#define ON_WM_CAPTURECHANGED()                                                         \
  AFX_ENTRY(WM_CAPTURECHANGED, 0, 0, 0,                                                \
            AFX_TARGET->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(l))); \
            return 0;)
#define ON_WM_SYSCOMMAND() \
  AFX_ENTRY(WM_SYSCOMMAND, 0, 0, 0, AFX_TARGET->OnSysCommand(static_cast<UINT>(w), l); return 0;)
#define ON_WM_ENABLE() \
  AFX_ENTRY(WM_ENABLE, 0, 0, 0, AFX_TARGET->OnEnable(static_cast<BOOL>(w)); return 0;)
// The control's colour request: WM_CTLCOLOR* with the control type in code.
#define ON_WM_CTLCOLOR()                                                                  \
  AFX_ENTRY(WM_CTLCOLORSTATIC, 0, 0, 0,                                                   \
            return reinterpret_cast<LRESULT>(                                             \
                AFX_TARGET->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(w)),         \
                                       CWnd::FromHandle(reinterpret_cast<HWND>(l)), 6));) \
  AFX_ENTRY(WM_CTLCOLORDLG, 0, 0, 0,                                                      \
            return reinterpret_cast<LRESULT>(                                             \
                AFX_TARGET->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(w)),         \
                                       CWnd::FromHandle(reinterpret_cast<HWND>(l)), 4));) \
  AFX_ENTRY(WM_CTLCOLOREDIT, 0, 0, 0,                                                     \
            return reinterpret_cast<LRESULT>(                                             \
                AFX_TARGET->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(w)),         \
                                       CWnd::FromHandle(reinterpret_cast<HWND>(l)), 1));) \
  AFX_ENTRY(WM_CTLCOLORBTN, 0, 0, 0,                                                      \
            return reinterpret_cast<LRESULT>(                                             \
                AFX_TARGET->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(w)),         \
                                       CWnd::FromHandle(reinterpret_cast<HWND>(l)), 3));)
enum : UINT {
  CTLCOLOR_MSGBOX = 0,
  CTLCOLOR_EDIT = 1,
  CTLCOLOR_LISTBOX = 2,
  CTLCOLOR_BTN = 3,
  CTLCOLOR_DLG = 4,
  CTLCOLOR_SCROLLBAR = 5,
  CTLCOLOR_STATIC = 6
};
