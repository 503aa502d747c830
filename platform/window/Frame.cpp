#include "platform/window/Frame.h"

#include "platform/window/CmdUI.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DockBar.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Menu.h"
#include "platform/window/Resources.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"

#include <QMenuBar>
#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

namespace {
CString TitleOf(UINT resourceId) {
  auto text = resources::String(resourceId);
  if (!text) return CString();
  return CString(text->substr(0, text->find('\n')).c_str());
}
}  // namespace

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent,
                       LPCSTR, DWORD exStyle, CCreateContext* context) {
  RegisterFrameworkClasses();
  RECT r = rect;
  if (r.right <= r.left) r = RECT{0, 0, 800, 600};
  return CreateEx(exStyle, className ? className : "AfxFrame", title, style, r, parent, 0, context);
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  m_nIDHelp = resourceId;
  if (!m_hMenuDefault) m_hMenuDefault = ::LoadMenu(nullptr, resourceId);
  if (!Create(nullptr, TitleOf(resourceId), style & ~FWS_ADDTOTITLE, RECT{}, parent, nullptr, 0,
              context))
    return FALSE;
  if (m_hMenuDefault) ::SetMenu(m_hWnd, m_hMenuDefault);
  RecalcLayout();
  return TRUE;
}

int CFrameWnd::OnCreate(CREATESTRUCT* cs) {
  if (Default() == -1) return -1;
  auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
  if (!OnCreateClient(cs, context)) return -1;
  return 0;
}

BOOL CFrameWnd::OnCreateClient(CREATESTRUCT*, CCreateContext* context) {
  if (context && context->m_pNewViewClass) return CreateView(context) != nullptr;
  return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
  CObject* object = context->m_pNewViewClass->CreateObject();
  auto* view = dynamic_cast<CWnd*>(object);
  if (!view) {
    delete object;
    return nullptr;
  }
  CRect client = ClientArea();
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, client, this, id, context))
    return nullptr;
  return view;
}

CRect CFrameWnd::ClientArea() {
  CRect rc;
  GetClientRect(&rc);
  if (QMenuBar* bar = MenuBarOf(::GetMenu(m_hWnd))) {
    int h = bar->sizeHint().height();
    bar->setGeometry(0, 0, rc.Width(), h);
    rc.top += h;
  }
  return rc;
}

void CFrameWnd::RecalcLayout(BOOL) {
  // Bars may ask for the layout again while being laid out.
  if (!m_hWnd || m_bInRecalcLayout) return;
  m_bInRecalcLayout = TRUE;
  struct Done {
    BOOL& flag;
    ~Done() { flag = FALSE; }
  } done{m_bInRecalcLayout};
  CRect rc = ClientArea();
  // Bottom bars nearest the edge first, so the status bar is lowest.
  std::vector<CControlBar*> bars = m_bars;
  std::stable_sort(bars.begin(), bars.end(), [](CControlBar* a, CControlBar* b) {
    return dynamic_cast<CStatusBar*>(a) && !dynamic_cast<CStatusBar*>(b);
  });
  for (CControlBar* bar : bars) {
    if (!bar->m_hWnd || !(bar->GetStyle() & WS_VISIBLE))
      continue;                                        // the frame itself may still be hidden
    if (::GetParent(bar->m_hWnd) != m_hWnd) continue;  // docked in a dock bar or floating
    DWORD side = bar->m_dwStyle & CBRS_ALIGN_ANY;
    const bool horizontal = side & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    CSize size = (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                     ? bar->CalcDynamicLayout(
                           -1, (horizontal ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK) | LM_STRETCH)
                     : bar->CalcFixedLayout(TRUE, horizontal);
    if (side & CBRS_ALIGN_TOP) {
      bar->MoveWindow(rc.left, rc.top, rc.Width(), size.cy);
      rc.top += size.cy;
    } else if (side & CBRS_ALIGN_BOTTOM) {
      bar->MoveWindow(rc.left, rc.bottom - size.cy, rc.Width(), size.cy);
      rc.bottom -= size.cy;
    } else if (side & CBRS_ALIGN_LEFT) {
      bar->MoveWindow(rc.left, rc.top, size.cx, rc.Height());
      rc.left += size.cx;
    } else if (side & CBRS_ALIGN_RIGHT) {
      bar->MoveWindow(rc.right - size.cx, rc.top, size.cx, rc.Height());
      rc.right -= size.cx;
    }
    if (auto* dock = dynamic_cast<CDockBar*>(bar)) dock->LayoutBars();
  }
  if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
    ::MoveWindow(pane, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CFrameWnd::RepositionBars(UINT, UINT, UINT, UINT, LPRECT, LPCRECT, BOOL) { RecalcLayout(); }

void CFrameWnd::OnSize(UINT, int, int) {
  Default();
  RecalcLayout();
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
  CView* previous = m_pViewActive;
  if (view == previous) return;
  m_pViewActive = view;
  if (previous) previous->OnActivateView(FALSE, view, previous);
  if (view) {
    view->OnActivateView(TRUE, view, previous);
    if (notify) view->SetFocus();
  }
}

CDocument* CFrameWnd::GetActiveDocument() {
  return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible) {
  if (!m_pViewActive) {
    if (auto* view = dynamic_cast<CView*>(
            CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))))
      SetActiveView(view, FALSE);
  }
  if (m_pViewActive) m_pViewActive->OnInitialUpdate();
  OnUpdateFrameTitle(TRUE);
  if (makeVisible) ActivateFrame();
  (void)doc;
}

void CFrameWnd::ActivateFrame(int cmdShow) { ShowWindow(cmdShow == -1 ? SW_SHOW : cmdShow); }

void CFrameWnd::OnUpdateFrameTitle(BOOL) {}

void CFrameWnd::AddControlBar(CControlBar* bar) {
  if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end()) m_bars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar) {
  m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), bar), m_bars.end());
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT) {
  if (!bar) return;
  if (!m_dockBars.empty()) {
    DockInDockBar(bar, dockBarId);
    return;
  }
  // Without dock bars a bar sits directly at a side of the frame.
  DWORD side = dockBarId == AFX_IDW_DOCKBAR_LEFT     ? CBRS_ALIGN_LEFT
               : dockBarId == AFX_IDW_DOCKBAR_RIGHT  ? CBRS_ALIGN_RIGHT
               : dockBarId == AFX_IDW_DOCKBAR_BOTTOM ? CBRS_ALIGN_BOTTOM
               : dockBarId == AFX_IDW_DOCKBAR_TOP    ? CBRS_ALIGN_TOP
                                                     : DWORD{0};
  if (!side) {  // the first side both the bar and the frame allow
    DWORD allowed = bar->m_dwDockStyle & (m_dwDockStyle ? m_dwDockStyle : CBRS_ALIGN_ANY);
    for (DWORD candidate : {DWORD{CBRS_ALIGN_TOP}, DWORD{CBRS_ALIGN_LEFT}, DWORD{CBRS_ALIGN_RIGHT},
                            DWORD{CBRS_ALIGN_BOTTOM}})
      if (allowed & candidate) {
        side = candidate;
        break;
      }
  }
  if (side) bar->m_dwStyle = (bar->m_dwStyle & ~CBRS_ALIGN_ANY) | side;
  bar->m_pDockSite = this;
  AddControlBar(bar);
  RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL) {
  if (!bar) return;
  bar->ShowWindow(show ? SW_SHOW : SW_HIDE);
  if (bar->IsFloating()) {  // the mini frame shows only with its bar
    CWnd* mini = bar->m_pDockBar->GetParent();
    mini->ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show) static_cast<CFrameWnd*>(mini)->RecalcLayout();
  }
  RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT id) {
  for (CControlBar* bar : m_bars)
    if (bar->m_hWnd && static_cast<UINT>(bar->GetDlgCtrlID()) == id) return bar;
  return nullptr;
}

CWnd* CFrameWnd::GetMessageBar() { return GetDlgItem(AFX_IDW_STATUS_BAR); }

void CFrameWnd::SetMessageText(LPCSTR text) {
  if (CWnd* bar = GetMessageBar())
    bar->SendMessage(SB_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

void CFrameWnd::SetMessageText(UINT id) {
  auto text = resources::String(id);
  SetMessageText(text ? text->c_str() : "");
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM id, LPARAM text) {
  if (text) {
    SetMessageText(reinterpret_cast<LPCSTR>(text));
  } else if (id == AFX_IDS_IDLEMESSAGE) {
    auto idle = resources::String(AFX_IDS_IDLEMESSAGE);
    SetMessageText(idle ? idle->c_str() : "Ready");
  } else {
    // A command's prompt is its string up to the first line break.
    auto prompt = resources::String(static_cast<UINT>(id));
    SetMessageText(prompt ? prompt->substr(0, prompt->find('\n')).c_str() : "");
  }
  return 0;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  for (CControlBar* bar : m_bars)
    if (bar->m_hWnd) bar->OnUpdateCmdUI(this, TRUE);
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) {
  if (CView* view = GetActiveView(); view && view->OnCmdMsg(id, code, extra, handlerInfo))
    return TRUE;
  if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  if (CWinApp* app = AfxGetApp(); app && app->OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  return FALSE;
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM menuHandle, LPARAM) {
  CMenu* menu = CMenu::FromHandle(reinterpret_cast<HMENU>(menuHandle));
  if (!menu) return 0;
  CCmdUI state;
  state.m_pMenu = menu;
  for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
    UINT id = menu->GetMenuItemID(i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separators and popups
    state.m_nID = id;
    state.m_nIndex = static_cast<UINT>(i);
    state.DoUpdate(this, m_bAutoMenuEnable);
  }
  return 0;
}

void CFrameWnd::OnClose() {
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this && app->m_pDocManager) {
    if (!app->m_pDocManager->SaveAllModified()) return;
    app->m_pDocManager->CloseAllDocuments(FALSE);
    if (!m_hWnd) return;
  } else if (CDocument* doc = GetActiveDocument()) {
    if (!doc->CanCloseFrame(this)) return;
  }
  DestroyWindow();
}

void CFrameWnd::OnDestroy() {
  if (m_pViewActive) m_pViewActive = nullptr;
  Default();
}

void CFrameWnd::PostNcDestroy() {
  ::DestroyMenu(std::exchange(m_hMenuDefault, nullptr));
  if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    PostQuitMessage(0);
  }
  delete this;  // frames are created with new and end with their window
}
