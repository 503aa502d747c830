#include "platform/window/Document.h"

#include "platform/window/DataExchange.h"
#include "platform/window/View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)
BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

namespace {
// Positions are 1-based indexes; null ends the walk.
POSITION ToPosition(size_t index) { return reinterpret_cast<POSITION>(index + 1); }
size_t FromPosition(POSITION pos) { return reinterpret_cast<size_t>(pos) - 1; }
}  // namespace

CDocument::~CDocument() {
  if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName = "";
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR) {
  DeleteContents();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR) {
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  BOOL autoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;  // the views going must not delete us midway
  std::vector<CView*> views = m_views;
  for (CView* view : views) {
    if (CFrameWnd* frame = view->GetParentFrame()) frame->DestroyWindow();
  }
  m_views.clear();
  DeleteContents();
  if (autoDelete) delete this;
}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString prompt;
  prompt.Format("Save changes to %s?", m_strTitle.GetString());
  switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL: return FALSE;
    case IDYES: return OnSaveDocument(m_strPathName);
    default: return TRUE;
  }
}

void CDocument::SetTitle(LPCSTR title) {
  m_strTitle = title;
  for (CView* view : m_views)
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle(TRUE);
}

void CDocument::SetPathName(LPCSTR path, BOOL) {
  m_strPathName = path;
  std::string p = path ? path : "";
  size_t slash = p.find_last_of("/\\");
  SetTitle(p.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
  for (CView* view : m_views)
    if (view != sender) view->OnUpdate(sender, hint, hintObject);
}

void CDocument::AddView(CView* view) {
  m_views.push_back(view);
  view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
  view->m_pDocument = nullptr;
  if (m_views.empty() && m_bAutoDelete) OnCloseDocument();
}

POSITION CDocument::GetFirstViewPosition() const {
  return m_views.empty() ? nullptr : ToPosition(0);
}

CView* CDocument::GetNextView(POSITION& pos) const {
  size_t i = FromPosition(pos);
  if (i >= m_views.size()) {
    pos = nullptr;
    return nullptr;
  }
  pos = i + 1 < m_views.size() ? ToPosition(i + 1) : nullptr;
  return m_views[i];
}

BOOL CDocument::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) {
  if (CCmdTarget::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(id, code, extra, handlerInfo);
}
