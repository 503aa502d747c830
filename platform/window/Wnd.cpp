#include "platform/window/Wnd.h"

#include "platform/afx/Exception.h"
#include "platform/win/NeverDestroyed.h"
#include "platform/window/CmdUI.h"
#include "platform/window/Cursors.h"
#include "platform/window/DataExchange.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/EventBridge.h"
#include "platform/window/MessageBox.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowRecord.h"

#include <map>
#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {
std::vector<MSG>& MessageStack() {
  static win_detail::NeverDestroyed<std::vector<MSG>> stack;
  return *stack;
}

std::map<HWND, std::unique_ptr<CWnd>>& Temporaries() {
  static win_detail::NeverDestroyed<std::map<HWND, std::unique_ptr<CWnd>>> temps;
  return *temps;
}

// The window whose control notifications are dropped (CNotifyLockout).
HWND& LockedOut() {
  static HWND window = nullptr;
  return window;
}

thread_local CWnd* g_creating = nullptr;
HHOOK g_createHook = nullptr;

LRESULT AttachOnCreate(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_CREATEWND && g_creating) {
    CWnd* wnd = std::exchange(g_creating, nullptr);
    wnd->SubclassWindow(reinterpret_cast<HWND>(w));
  }
  return CallNextHookEx(g_createHook, code, w, l);
}

const bool installed = [] {
  EventBridge::AddPreTranslateFilter(
      [](MSG& msg) {
        // PreTranslateMessage of the window and its parents, innermost first.
        for (HWND h = msg.hwnd; h; h = ::GetParent(h)) {
          if (CWnd* wnd = CWnd::FromHandlePermanent(h); wnd && wnd->PreTranslateMessage(&msg))
            return true;
          if (!(::GetWindowLongPtr(h, GWL_STYLE) & WS_CHILD)) break;
        }
        return false;
      },
      true);
  return true;
}();
}  // namespace

const MSG* AfxGetCurrentMessage() {
  return MessageStack().empty() ? nullptr : &MessageStack().back();
}

CWnd::~CWnd() {
  if (m_hWnd && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  HWND h = window_detail::Live(hWnd);
  return h ? static_cast<CWnd*>(h->framework) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  (void)installed;
  if (!window_detail::Live(hWnd)) return nullptr;
  if (CWnd* wnd = FromHandlePermanent(hWnd)) return wnd;
  auto& temps = Temporaries();
  for (auto it = temps.begin(); it != temps.end();)  // wrappers of windows that died
    it = ::IsWindow(it->first) ? std::next(it) : temps.erase(it);
  auto& slot = temps[hWnd];
  if (!slot) {
    slot = std::make_unique<CWnd>();
    slot->m_hWnd = hWnd;
  }
  return slot.get();
}

BOOL CWnd::Attach(HWND hWnd) {
  HWND h = window_detail::Live(hWnd);
  if (!h || h->framework) return FALSE;
  m_hWnd = hWnd;
  h->framework = this;
  Temporaries().erase(hWnd);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = std::exchange(m_hWnd, nullptr);
  if (HWND h = window_detail::Live(hWnd); h && h->framework == this) h->framework = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkProc)));
  if (m_pfnSuper == FrameworkProc) m_pfnSuper = nullptr;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  HWND control = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
  return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper) ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, void* context) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
  CREATESTRUCT cs;
  cs.dwExStyle = exStyle;
  cs.lpszClass = className;
  cs.lpszName = windowName;
  cs.style = static_cast<LONG>(style);
  cs.x = rect.left, cs.y = rect.top, cs.cx = rect.right - rect.left, cs.cy = rect.bottom - rect.top;
  cs.hwndParent = parent ? parent->m_hWnd : nullptr;
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
  cs.lpCreateParams = param;
  if (!PreCreateWindow(cs)) return FALSE;
  // One attaching hook for a creation and the creations it causes; it is the
  // newest hook, so the object is attached before other hooks subclass.
  static int depth = 0;
  CWnd* outer = std::exchange(g_creating, this);
  if (depth++ == 0)
    g_createHook = ::SetWindowsHookEx(WH_CBT, AttachOnCreate, nullptr, ::GetCurrentThreadId());
  HWND h =
      ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                       cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, nullptr, cs.lpCreateParams);
  if (--depth == 0) {
    ::UnhookWindowsHookEx(g_createHook);
    g_createHook = nullptr;
  }
  g_creating = outer;
  return h != nullptr;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

LRESULT CWnd::FrameworkProc(HWND hWnd, UINT msg, WPARAM w, LPARAM l) {
  CWnd* wnd = FromHandlePermanent(hWnd);
  if (!wnd) return ::DefWindowProc(hWnd, msg, w, l);
  LRESULT result = 0;
  MSG saved = wnd->m_current;
  wnd->m_current = MSG{hWnd, msg, w, l, 0, {}};
  MessageStack().push_back(wnd->m_current);
  try {
    result = wnd->WindowProc(msg, w, l);
  } catch (...) {
    DispatchGuard::Report(std::current_exception());
  }
  MessageStack().pop_back();
  if (msg == WM_NCDESTROY) {
    WNDPROC super = wnd->m_pfnSuper;
    wnd->Detach();
    wnd->m_pfnSuper = nullptr;
    if (super) ::CallWindowProc(super, hWnd, msg, w, l);
    wnd->PostNcDestroy();
    return result;
  }
  // A handler may have ended the window and its object (a frame deletes
  // itself): touch the object only while the window still has it.
  if (FromHandlePermanent(hWnd) == wnd) wnd->m_current = saved;
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) return 0;  // the framework procedure passes it on after detaching
  return m_pfnSuper ? ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam)
                    : ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) return OnNotify(wParam, lParam, result);
  const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0, 0);
  if (!entry) return FALSE;
  *result = entry->call(this, wParam, lParam, nullptr);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam);
  int code = HIWORD(wParam);
  auto control = reinterpret_cast<HWND>(lParam);
  if (control) {
    if (LockedOut() == m_hWnd) return TRUE;
    if (CWnd* child = FromHandlePermanent(control);
        child && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
      return TRUE;
  }
  return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  if (LockedOut() == m_hWnd) return TRUE;
  if (CWnd* child = FromHandlePermanent(header->hwndFrom);
      child && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
    return TRUE;
  const AFX_MSGMAP_ENTRY* entry =
      FindEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
  if (!entry) return FALSE;
  AFX_NOTIFY notify{header, result};
  return entry->call(this, header->idFrom, lParam, &notify) ? TRUE : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
    if (!entry) return FALSE;
    entry->call(this, wParam, lParam, nullptr);
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_REFLECT_BASE + WM_NOTIFY, header->code, 0);
    if (!entry) return FALSE;
    LRESULT ignored = 0;
    AFX_NOTIFY notify{header, result ? result : &ignored};
    entry->call(this, wParam, lParam, &notify);
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::OnNcDestroy() { Default(); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
  DWORD style = GetStyle();
  DWORD updated = (style & ~remove) | add;
  if (updated == style) return FALSE;
  ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(updated));
  return TRUE;
}

void CWnd::ScreenToClient(LPRECT r) const {
  POINT a{r->left, r->top}, b{r->right, r->bottom};
  ::ScreenToClient(m_hWnd, &a);
  ::ScreenToClient(m_hWnd, &b);
  *r = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::ClientToScreen(LPRECT r) const {
  POINT a{r->left, r->top}, b{r->right, r->bottom};
  ::ClientToScreen(m_hWnd, &a);
  ::ClientToScreen(m_hWnd, &b);
  *r = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  CWnd* owner = alternateOwner ? alternateOwner : GetParent();
  CRect mine, theirs;
  GetWindowRect(&mine);
  if (owner)
    owner->GetWindowRect(&theirs);
  else
    theirs = CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  int x = theirs.left + (theirs.Width() - mine.Width()) / 2,
      y = theirs.top + (theirs.Height() - mine.Height()) / 2;
  if (GetStyle() & WS_CHILD) {
    POINT p{x, y};
    ::ScreenToClient(::GetParent(m_hWnd), &p);
    x = p.x, y = p.y;
  }
  SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CWnd::GetWindowText(CString& text) const { text = ::GetWindowTextString(m_hWnd).c_str(); }

CString CWnd::GetWindowTextString() const { return CString(::GetWindowTextString(m_hWnd).c_str()); }

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  text = ::GetWindowTextString(::GetDlgItem(m_hWnd, id)).c_str();
  return text.GetLength();
}

void CWnd::CheckRadioButton(int first, int last, int check) {
  for (int id = first; id <= last; ++id)
    ::CheckDlgButton(m_hWnd, id, id == check ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
  for (int id = first; id <= last; ++id)
    if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
  return 0;
}

HICON CWnd::SetIcon(HICON icon, BOOL) {
  SetWindowIcon(m_hWnd, icon);
  return icon;
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  return ::MessageBox(m_hWnd, text, caption, type);
}

BOOL CWnd::SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw) {
  return ::SetScrollInfo(m_hWnd, bar, info, redraw) >= 0;
}
BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) {
  if (info) info->fMask = mask;
  return ::GetScrollInfo(m_hWnd, bar, info);
}
int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) {
  return ::SetScrollPos(m_hWnd, bar, pos, redraw);
}
int CWnd::GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }
void CWnd::SetScrollRange(int bar, int minimum, int maximum, BOOL redraw) {
  ::SetScrollRange(m_hWnd, bar, minimum, maximum, redraw);
}
void CWnd::ShowScrollBar(UINT bar, BOOL show) {
  ::ShowScrollBar(m_hWnd, static_cast<int>(bar), show);
}
void CWnd::ScrollWindow(int dx, int dy, LPCRECT scroll, LPCRECT clip) {
  ::ScrollWindow(m_hWnd, dx, dy, scroll, clip);
}

CWnd* CWnd::GetTopLevelParent() const {
  HWND h = m_hWnd;
  while (h && (::GetWindowLongPtr(h, GWL_STYLE) & WS_CHILD) && ::GetParent(h)) h = ::GetParent(h);
  return FromHandle(h);
}

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler) {
  struct ControlUI : CCmdUI {
    HWND control = nullptr;
    void Enable(BOOL on) override {
      m_bEnableChanged = TRUE;
      ::EnableWindow(control, on);
    }
    void SetCheck(int check) override {
      ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    }
  };
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    int id = ::GetDlgCtrlID(child);
    if (id <= 0) continue;
    ControlUI state;
    state.control = child;
    state.m_nID = static_cast<UINT>(id);
    state.m_pOther = FromHandle(child);
    // Only buttons are disabled for want of a handler, as the framework does.
    state.DoUpdate(target, disableIfNoHandler && ::GetClassNameString(child) == "Button");
  }
}

// Texts written toward the controls notify like any program write (only
// the texts that differ are written), so their handlers run.
BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
    return TRUE;
  } catch (CUserException* e) {
    e->Delete();  // the exchange has shown its prompt
    return FALSE;
  }
}

CNotifyLockout::CNotifyLockout(CWnd* window)
    : m_previous(std::exchange(LockedOut(), window ? window->m_hWnd : nullptr)) {}
CNotifyLockout::~CNotifyLockout() { LockedOut() = m_previous; }
