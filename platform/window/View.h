#pragma once
// Views: CView draws its document (OnDraw) on the screen and on printed
// pages; CFormView is a view made from a dialog template.

#include "platform/window/WindowSide.h"

#include "platform/window/Wnd.h"

class CDocument;
class CFrameWnd;

enum : UINT { ID_FILE_PRINT_VIEW = 0xE107 };
class CPrintInfo;
struct CCreateContext;

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)
 public:
  CDocument* GetDocument() const { return m_pDocument; }
  CFrameWnd* GetParentFrame() const;
  virtual void OnDraw(CDC* dc) {}
  virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
  virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) { Invalidate(TRUE); }
  virtual void OnActivateView(BOOL activate, CView* activated, CView* deactivated) {}
  // Printing: the framework calls these around each page of OnFilePrint.
  virtual BOOL OnPreparePrinting(CPrintInfo* info);
  virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info) {}
  virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) {}
  virtual void OnPrint(CDC* dc, CPrintInfo* info) { OnDraw(dc); }
  virtual void OnEndPrinting(CDC* dc, CPrintInfo* info) {}
  BOOL DoPreparePrinting(CPrintInfo* info);
  void OnFilePrint();
  BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  void OnPaint();
  int OnCreate(CREATESTRUCT* cs);
  void OnDestroy();
  void OnSetFocusView(CWnd*);

  CDocument* m_pDocument = nullptr;

 protected:
  void PostNcDestroy() override;
  DECLARE_MESSAGE_MAP()
};

class CFormView : public CView {
  DECLARE_DYNAMIC(CFormView)
 public:
  explicit CFormView(UINT templateId) : m_nIDTemplate(templateId) {}
  BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
              UINT id, void* context) override;
  void OnInitialUpdate() override;
  UINT m_nIDTemplate;
};
