// Document templates and the document manager: a template makes a document,
// its frame and view; the manager keeps the templates and their documents.
#include "platform/window/Document.h"

#include "platform/window/Menu.h"
#include "platform/window/Resources.h"
#include "platform/window/View.h"

#include <algorithm>

namespace {
// Positions are 1-based indexes; null ends the walk.
POSITION ToPosition(size_t index) { return reinterpret_cast<POSITION>(index + 1); }
size_t FromPosition(POSITION pos) { return reinterpret_cast<size_t>(pos) - 1; }
}  // namespace

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                           CRuntimeClass* viewClass)
    : m_nIDResource(resourceId),
      m_pDocClass(docClass),
      m_pFrameClass(frameClass),
      m_pViewClass(viewClass) {}

CDocument* CDocTemplate::CreateNewDocument() {
  CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
  auto* doc = dynamic_cast<CDocument*>(object);
  if (!doc) {
    delete object;
    return nullptr;
  }
  AddDocument(doc);
  return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* doc, CFrameWnd* other) {
  CCreateContext context;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pCurrentDoc = doc;
  context.m_pNewDocTemplate = this;
  context.m_pCurrentFrame = other;
  CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
  auto* frame = dynamic_cast<CFrameWnd*>(object);
  if (!frame) {
    delete object;
    return nullptr;
  }
  if (!frame->LoadFrame(m_nIDResource, DWORD{WS_OVERLAPPEDWINDOW} | DWORD{FWS_ADDTOTITLE}, nullptr,
                        &context)) {
    if (!frame->m_hWnd) delete frame;  // a frame whose window was made deletes itself
    return nullptr;
  }
  return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible) {
  frame->InitialUpdateFrame(doc, makeVisible);
}

void CDocTemplate::AddDocument(CDocument* doc) {
  m_docs.push_back(doc);
  doc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* doc) {
  m_docs.erase(std::remove(m_docs.begin(), m_docs.end(), doc), m_docs.end());
  doc->m_pDocTemplate = nullptr;
}

POSITION CDocTemplate::GetFirstDocPosition() const {
  return m_docs.empty() ? nullptr : ToPosition(0);
}

CDocument* CDocTemplate::GetNextDoc(POSITION& pos) const {
  size_t i = FromPosition(pos);
  if (i >= m_docs.size()) {
    pos = nullptr;
    return nullptr;
  }
  pos = i + 1 < m_docs.size() ? ToPosition(i + 1) : nullptr;
  return m_docs[i];
}

// The template's string resource: "window title\ndocument name\n...".
BOOL CDocTemplate::GetDocString(CString& out, int index) const {
  auto text = resources::String(m_nIDResource);
  out = "";
  if (!text) return FALSE;
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    start = text->find('\n', start);
    if (start == std::string::npos) return FALSE;
    ++start;
  }
  out = text->substr(start, text->find('\n', start) - start).c_str();
  return !out.IsEmpty();
}

CMultiDocTemplate::CMultiDocTemplate(UINT resourceId, CRuntimeClass* docClass,
                                     CRuntimeClass* frameClass, CRuntimeClass* viewClass)
    : CDocTemplate(resourceId, docClass, frameClass, viewClass) {
  m_hMenuShared = ::LoadMenu(nullptr, resourceId);
}

CMultiDocTemplate::~CMultiDocTemplate() {
  for (CDocument* doc : std::vector<CDocument*>(m_docs)) doc->m_pDocTemplate = nullptr;
  ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* doc) {
  CString name;
  if (!GetDocString(name, docName)) name = "Untitled";
  CString title;
  title.Format("%s%d", name.GetString(), ++m_nUntitledCount);
  doc->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR path, BOOL makeVisible) {
  CDocument* doc = CreateNewDocument();
  if (!doc) return nullptr;
  CFrameWnd* frame = CreateNewFrame(doc, nullptr);
  if (!frame) {
    delete doc;
    return nullptr;
  }
  if (!path) {
    SetDefaultTitle(doc);
    if (!doc->OnNewDocument()) {
      frame->DestroyWindow();
      return nullptr;
    }
  } else {
    if (!doc->OnOpenDocument(path)) {
      frame->DestroyWindow();
      return nullptr;
    }
    doc->SetPathName(path);
  }
  InitialUpdateFrame(frame, doc, makeVisible);
  if (auto* child = dynamic_cast<CMDIChildWnd*>(frame)) child->MDIActivate();
  return doc;
}

CDocManager::~CDocManager() = default;

void CDocManager::AddDocTemplate(CDocTemplate* tmpl) { m_templates.emplace_back(tmpl); }

POSITION CDocManager::GetFirstDocTemplatePosition() const {
  return m_templates.empty() ? nullptr : ToPosition(0);
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const {
  size_t i = FromPosition(pos);
  if (i >= m_templates.size()) {
    pos = nullptr;
    return nullptr;
  }
  pos = i + 1 < m_templates.size() ? ToPosition(i + 1) : nullptr;
  return m_templates[i].get();
}

void CDocManager::OnFileNew() {
  if (!m_templates.empty()) m_templates.front()->OpenDocumentFile(nullptr);
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR path) {
  return m_templates.empty() ? nullptr : m_templates.front()->OpenDocumentFile(path);
}

BOOL CDocManager::SaveAllModified() {
  for (auto& tmpl : m_templates)
    for (CDocument* doc : std::vector<CDocument*>(tmpl->m_docs))
      if (!doc->SaveModified()) return FALSE;
  return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL) {
  for (auto& tmpl : m_templates)
    for (CDocument* doc : std::vector<CDocument*>(tmpl->m_docs)) doc->OnCloseDocument();
}

int CDocManager::GetOpenDocumentCount() const {
  size_t n = 0;
  for (auto& tmpl : m_templates) n += tmpl->m_docs.size();
  return static_cast<int>(n);
}
