#include "platform/window/View.h"

#include "platform/window/CommonDialogs.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Document.h"
#include "platform/window/Frame.h"
#include "platform/window/FrameworkClasses.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_PAINT()
ON_WM_CREATE()
ON_WM_DESTROY()
ON_COMMAND(ID_FILE_PRINT_VIEW, OnFilePrint)
END_MESSAGE_MAP()

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
  RegisterFrameworkClasses();
  if (!cs.lpszClass) cs.lpszClass = "AfxView";
  return TRUE;
}

CFrameWnd* CView::GetParentFrame() const {
  for (HWND h = ::GetParent(m_hWnd); h; h = ::GetParent(h))
    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(h))) return frame;
  return nullptr;
}

int CView::OnCreate(CREATESTRUCT* cs) {
  if (Default() == -1) return -1;
  auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
  if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
  return 0;
}

void CView::OnDestroy() {
  if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this)
    frame->SetActiveView(nullptr, FALSE);
  Default();
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc);
  OnDraw(&dc);
}

BOOL CView::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) {
  if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  return m_pDocument && m_pDocument->OnCmdMsg(id, code, extra, handlerInfo);
}

void CView::PostNcDestroy() {
  if (m_pDocument) m_pDocument->RemoveView(this);
  delete this;  // views are created by their frame and end with their window
}

BOOL CView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }

BOOL CView::DoPreparePrinting(CPrintInfo* info) { return info->m_pPD->DoModal() == IDOK; }

void CView::OnFilePrint() {
  CPrintInfo info;
  if (!OnPreparePrinting(&info)) return;
  HDC printer = info.m_pPD->CreatePrinterDC();
  if (!printer) return;
  CDC dc;
  dc.Attach(printer);
  DOCINFO doc;
  CString title = GetDocument() ? GetDocument()->GetTitle() : CString();
  doc.lpszDocName = title;
  StartDoc(printer, &doc);
  OnBeginPrinting(&dc, &info);
  info.m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
  for (info.m_nCurPage = info.GetMinPage();
       info.m_nCurPage <= info.GetMaxPage() && info.m_bContinuePrinting; ++info.m_nCurPage) {
    StartPage(printer);
    OnPrepareDC(&dc, &info);
    OnPrint(&dc, &info);
    EndPage(printer);
  }
  OnEndPrinting(&dc, &info);
  EndDoc(printer);
  dc.Detach();
  delete printer;
}

IMPLEMENT_DYNAMIC(CFormView, CView)

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       void* context) {
  const DialogTemplate* found = resources::Dialog(m_nIDTemplate);
  if (!found || !parent) return FALSE;
  DialogTemplate tmpl = *found;
  tmpl.style =
      (tmpl.style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)) | WS_CHILD | DS_CONTROL;
  HWND form = CreateDialogFromTemplate(tmpl, parent->m_hWnd, nullptr, 0,
                                       [this](HWND h) { SubclassWindow(h); });
  if (!form) return FALSE;
  ::SetWindowLongPtr(form, GWLP_ID, static_cast<LONG_PTR>(id));
  MoveWindow(&rect);
  if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
  auto* ctx = static_cast<CCreateContext*>(context);
  if (ctx && ctx->m_pCurrentDoc) ctx->m_pCurrentDoc->AddView(this);
  return TRUE;
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CView::OnInitialUpdate();
}
