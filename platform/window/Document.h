#pragma once
// Documents, their templates and the document manager: a template pairs a
// document class with its frame and view classes and opens new documents
// in new frames.

#include "platform/window/WindowSide.h"

#include "platform/afx/List.h"
#include "platform/afx/String.h"
#include "platform/window/CmdTarget.h"
#include "platform/window/Frame.h"

#include <memory>
#include <vector>

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)
 public:
  CDocument() = default;
  ~CDocument() override;
  virtual BOOL OnNewDocument();
  virtual BOOL OnOpenDocument(LPCSTR path);
  virtual BOOL OnSaveDocument(LPCSTR path);
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  virtual BOOL SaveModified();
  virtual BOOL CanCloseFrame(CFrameWnd* frame) { return SaveModified(); }
  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(LPCSTR title);
  const CString& GetPathName() const { return m_strPathName; }
  virtual void SetPathName(LPCSTR path, BOOL addToRecent = TRUE);
  BOOL IsModified() const { return m_bModified; }
  void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }
  void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
  void AddView(CView* view);
  void RemoveView(CView* view);
  POSITION GetFirstViewPosition() const;
  CView* GetNextView(POSITION& pos) const;
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
  BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;

  CString m_strTitle;
  CString m_strPathName;
  BOOL m_bModified = FALSE;
  BOOL m_bAutoDelete = TRUE;
  CDocTemplate* m_pDocTemplate = nullptr;
  std::vector<CView*> m_views;

 protected:
  DECLARE_MESSAGE_MAP()
};

class CDocTemplate : public CCmdTarget {
  DECLARE_DYNAMIC(CDocTemplate)
 public:
  CDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
               CRuntimeClass* viewClass);
  virtual CDocument* OpenDocumentFile(LPCSTR path, BOOL makeVisible = TRUE) = 0;
  virtual CDocument* CreateNewDocument();
  virtual CFrameWnd* CreateNewFrame(CDocument* doc, CFrameWnd* other);
  virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible = TRUE);
  virtual void SetDefaultTitle(CDocument* doc) = 0;
  void AddDocument(CDocument* doc);
  void RemoveDocument(CDocument* doc);
  POSITION GetFirstDocPosition() const;
  CDocument* GetNextDoc(POSITION& pos) const;
  BOOL GetDocString(CString& out, int index) const;
  enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt };

  UINT m_nIDResource;
  CRuntimeClass* m_pDocClass;
  CRuntimeClass* m_pFrameClass;
  CRuntimeClass* m_pViewClass;
  HMENU m_hMenuShared = nullptr;
  std::vector<CDocument*> m_docs;
};

class CMultiDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CMultiDocTemplate)
 public:
  CMultiDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                    CRuntimeClass* viewClass);
  ~CMultiDocTemplate() override;
  CDocument* OpenDocumentFile(LPCSTR path, BOOL makeVisible = TRUE) override;
  void SetDefaultTitle(CDocument* doc) override;
  int m_nUntitledCount = 0;
};

class CDocManager {
 public:
  virtual ~CDocManager();
  void AddDocTemplate(CDocTemplate* tmpl);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  virtual void OnFileNew();
  virtual CDocument* OpenDocumentFile(LPCSTR path);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL endSession);
  int GetOpenDocumentCount() const;
  std::vector<std::unique_ptr<CDocTemplate>> m_templates;
};
