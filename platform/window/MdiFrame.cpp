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
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)
BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
QMdiArea* AreaOf(HWND client) { return dynamic_cast<QMdiArea*>(WidgetOf(client)); }
}  // namespace

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
  CFrameWnd::OnDestroy();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL) {
  if (CDocument* doc = GetActiveDocument()) SetWindowText(doc->GetTitle());
}
