// The multiple-document frame and its document windows: the client area is
// an MDI client (QMdiArea); commands go to the active child first.
#include "platform/window/CmdUI.h"
#include "platform/window/Document.h"
#include "platform/window/Frame.h"
#include "platform/window/FrameworkClasses.h"
#include "platform/window/Menu.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"

#include <QMdiArea>
#include <QMdiSubWindow>

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)
BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_COMMAND(ID_WINDOW_CASCADE, MDICascade)
ON_COMMAND(ID_WINDOW_TILE_HORZ, MDITile)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
ON_COMMAND_RANGE(AFX_IDM_FIRST_MDICHILD, AFX_IDM_FIRST_MDICHILD + kMdiWindowMenuItems - 1,
                 OnWindowMenuItem)
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)
BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
QMdiArea* AreaOf(HWND client) { return dynamic_cast<QMdiArea*>(WidgetOf(client)); }

bool IsWindowListItem(UINT id) {
  return id >= AFX_IDM_FIRST_MDICHILD && id < AFX_IDM_FIRST_MDICHILD + kMdiWindowMenuItems;
}

// The drop-down of a menu bar that holds an arrangement command.
HMENU WindowMenuOf(HMENU bar) {
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    HMENU sub = GetSubMenu(bar, i);
    for (int k = 0; sub && k < GetMenuItemCount(sub); ++k) {
      const UINT id = GetMenuItemID(sub, k);
      if (id == ID_WINDOW_CASCADE || id == ID_WINDOW_TILE_HORZ) return sub;
    }
  }
  return nullptr;
}

// The document windows in the order they were made, as the list numbers
// them, but for `leaving`.
std::vector<CMDIChildWnd*> DocumentWindows(HWND client, const CWnd* leaving = nullptr) {
  std::vector<CMDIChildWnd*> out;
  if (QMdiArea* area = AreaOf(client))
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
      if (auto* child =
              dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(HandleOf(sub->widget())));
          child && child != leaving)
        out.push_back(child);
  return out;
}

void FillWindowMenu(HMENU menu, const std::vector<CMDIChildWnd*>& windows,
                    const CMDIChildWnd* active) {
  int first = -1;
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (IsWindowListItem(GetMenuItemID(menu, i))) {
      first = i;
      break;
    }
  if (first >= 0) {
    while (GetMenuItemCount(menu) > first) DeleteMenu(menu, first, MF_BYPOSITION);
    if (first > 0 && GetMenuItemID(menu, first - 1) == 0)
      DeleteMenu(menu, first - 1, MF_BYPOSITION);
  }
  if (windows.empty()) return;
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  const std::size_t listed = std::min<std::size_t>(windows.size(), kMdiWindowMenuItems);
  for (std::size_t i = 0; i < listed; ++i) {
    const UINT id = AFX_IDM_FIRST_MDICHILD + static_cast<UINT>(i);
    CString text;
    text.Format("&%d %s", static_cast<int>(i + 1), windows[i]->GetWindowTextString().GetString());
    AppendMenu(menu, MF_STRING, id, text);
    if (windows[i] == active) CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
  }
}
}  // namespace

void CMDIFrameWnd::UpdateWindowMenu(const CWnd* leaving) {
  const std::vector<CMDIChildWnd*> windows = DocumentWindows(m_hWndMDIClient, leaving);
  CMDIChildWnd* active = MDIGetActive();
  if (active && active == leaving)  // the window the frame falls back to once it has gone
    active = windows.empty() ? nullptr : windows.back();
  const HMENU shown = ::GetMenu(m_hWnd);
  if (HMENU menu = WindowMenuOf(shown)) FillWindowMenu(menu, windows, active);
  if (m_hMenuDefault != shown)
    if (HMENU menu = WindowMenuOf(m_hMenuDefault)) FillWindowMenu(menu, windows, active);
}

LRESULT CMDIFrameWnd::OnInitMenuPopup(WPARAM menu, LPARAM index) {
  // Titles change without telling the frame: the list is read again as it opens.
  if (reinterpret_cast<HMENU>(menu) == WindowMenuOf(::GetMenu(m_hWnd))) UpdateWindowMenu();
  return CFrameWnd::OnInitMenuPopup(menu, index);
}

void CMDIFrameWnd::OnWindowMenuItem(UINT id) {
  const std::vector<CMDIChildWnd*> windows = DocumentWindows(m_hWndMDIClient);
  const std::size_t at = id - AFX_IDM_FIRST_MDICHILD;
  if (at < windows.size()) MDIActivate(windows[at]);
}

BOOL CMDIFrameWnd::OnCreateClient(CREATESTRUCT*, CCreateContext*) {
  m_hWndMDIClient = ::CreateWindowEx(
      0, "MDIClient", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, m_hWnd,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), nullptr, nullptr);
  return m_hWndMDIClient != nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
  QMdiArea* area = AreaOf(m_hWndMDIClient);
  QMdiSubWindow* sub = area ? area->currentSubWindow() : nullptr;
  if (!sub && area && !area->subWindowList().isEmpty()) sub = area->subWindowList().last();
  if (maximized) *maximized = sub && sub->isMaximized();
  return sub ? dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(HandleOf(sub->widget())))
             : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* child) {
  QMdiArea* area = AreaOf(m_hWndMDIClient);
  QWidget* w = child ? WidgetOf(child->m_hWnd) : nullptr;
  if (area && w) area->setActiveSubWindow(dynamic_cast<QMdiSubWindow*>(w->parentWidget()));
}

void CMDIFrameWnd::MDINext() {
  if (QMdiArea* area = AreaOf(m_hWndMDIClient)) area->activateNextSubWindow();
}

// Cascades as new windows are placed (CMDIChildWnd::LoadFrame): two thirds
// of the client each, a caption and a frame apart, in stacking order so the
// active window ends on top.
void CMDIFrameWnd::MDICascade() {
  QMdiArea* area = AreaOf(m_hWndMDIClient);
  if (!area) return;
  const QSize client = area->viewport()->size();
  const int cx = std::max(200, client.width() * 2 / 3), cy = std::max(150, client.height() * 2 / 3);
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  const int fit = std::max(0, std::min(client.width() - cx, client.height() - cy) / step);
  int n = 0;
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::StackingOrder)) {
    if (sub->isMinimized() || sub->isMaximized()) sub->showNormal();
    const int k = n++ % (fit + 1);
    sub->setGeometry(k * step, k * step, cx, cy);
    sub->raise();
  }
}

void CMDIFrameWnd::MDITile() {
  if (QMdiArea* area = AreaOf(m_hWndMDIClient)) area->tileSubWindows();
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* ui) { ui->Enable(MDIGetActive() != nullptr); }

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? static_cast<CFrameWnd*>(child) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveDocument() : nullptr;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) {
  if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(id, code, extra, handlerInfo))
    return TRUE;
  return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

void CMDIFrameWnd::RecalcLayout(BOOL notify) {
  CFrameWnd::RecalcLayout(notify);  // the MDI client holds the pane id
}

void CMDIFrameWnd::OnIdleUpdateCmdUI() { CFrameWnd::OnIdleUpdateCmdUI(); }

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  RegisterFrameworkClasses();
  auto* frame = dynamic_cast<CMDIFrameWnd*>(parent ? parent : AfxGetMainWnd());
  if (!frame || !frame->m_hWndMDIClient) return FALSE;
  m_nIDHelp = resourceId;
  CWnd* client = CWnd::FromHandle(frame->m_hWndMDIClient);
  CRect area;
  client->GetClientRect(&area);
  const int cx = std::max(200, area.Width() * 2 / 3), cy = std::max(150, area.Height() * 2 / 3);
  // New children cascade: each one steps down and right by a caption and a
  // frame from the last, starting again at the corner once one would not fit.
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  QMdiArea* mdi = AreaOf(frame->m_hWndMDIClient);
  int n = mdi ? static_cast<int>(mdi->subWindowList().size()) : 0;
  const int fit = std::min(area.Width() - cx, area.Height() - cy) / step;
  n = fit > 0 ? n % (fit + 1) : 0;
  RECT rect{n * step, n * step, n * step + cx, n * step + cy};
  if (!CreateEx(0, "AfxMDIChild", "", (style & ~(WS_POPUP | FWS_ADDTOTITLE)) | WS_CHILD, rect,
                client, 0, context))
    return FALSE;
  RecalcLayout();
  return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  HWND client = ::GetParent(m_hWnd);
  return dynamic_cast<CMDIFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(client)));
}

void CMDIChildWnd::MDIActivate() {
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

BOOL CMDIChildWnd::DestroyWindow() { return CWnd::DestroyWindow(); }

void CMDIChildWnd::RecalcLayout(BOOL notify) { CFrameWnd::RecalcLayout(notify); }

LRESULT CMDIChildWnd::OnMDIActivate(WPARAM deactivated, LPARAM activated) {
  bool active = reinterpret_cast<HWND>(activated) == m_hWnd;
  OnMDIActivate(active, CWnd::FromHandle(reinterpret_cast<HWND>(activated)),
                CWnd::FromHandle(reinterpret_cast<HWND>(deactivated)));
  return 0;
}

// An active document window shows its template's shared menu in the main frame.
void CMDIChildWnd::OnMDIActivate(BOOL activate, CWnd*, CWnd*) {
  if (CView* view = GetActiveView())
    view->OnActivateView(activate, activate ? view : nullptr, activate ? nullptr : view);
  CMDIFrameWnd* frame = GetMDIFrame();
  CDocument* doc = GetActiveDocument();
  if (activate && frame && doc && doc->GetDocTemplate() && doc->GetDocTemplate()->m_hMenuShared)
    ::SetMenu(frame->m_hWnd, doc->GetDocTemplate()->m_hMenuShared), frame->RecalcLayout();
  if (frame) frame->UpdateWindowMenu();
}

void CMDIChildWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible) {
  CFrameWnd::InitialUpdateFrame(doc, makeVisible);
  CMDIFrameWnd* frame = GetMDIFrame();
  if (frame && frame->MDIGetActive() == this) OnMDIActivate(TRUE, this, nullptr);
}

void CMDIChildWnd::OnDestroy() {
  CMDIFrameWnd* frame = GetMDIFrame();
  auto* area = frame ? dynamic_cast<QMdiArea*>(WidgetOf(frame->m_hWndMDIClient)) : nullptr;
  if (area && area->subWindowList().size() <= 1 && frame->m_hMenuDefault) {
    ::SetMenu(frame->m_hWnd, frame->m_hMenuDefault);  // the last document window goes
    frame->RecalcLayout();
  }
  if (frame) frame->UpdateWindowMenu(this);
  CFrameWnd::OnDestroy();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL) {
  if (CDocument* doc = GetActiveDocument()) SetWindowText(doc->GetTitle());
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->UpdateWindowMenu();
}
