#pragma once
// CWinApp: the application object. One exists; start-up calls InitInstance,
// Run runs the message loop, and the application takes the commands no
// window handles (New, Open, About...). Constructing it puts the window
// services in place (real boxes and dialogs) unless a test's fake or the
// program's own services are installed already.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/CmdTarget.h"
#include "platform/window/Document.h"

class CWnd;
class WindowServices;

enum : UINT {
  ID_FILE_NEW = 0xE100,
  ID_FILE_OPEN = 0xE101,
  ID_FILE_CLOSE = 0xE102,
  ID_FILE_SAVE = 0xE103,
  ID_FILE_SAVE_AS = 0xE104,
  ID_FILE_PRINT = 0xE107,
  ID_FILE_PRINT_PREVIEW = 0xE109,
  ID_APP_ABOUT = 0xE140,
  ID_APP_EXIT = 0xE141,
  ID_VIEW_TOOLBAR = 0xE800,
  ID_VIEW_STATUS_BAR = 0xE801,
  ID_INDICATOR_CAPS = 0xE701,
  ID_INDICATOR_NUM = 0xE702,
  ID_INDICATOR_SCRL = 0xE703,
  ID_SEPARATOR = 0
};

class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;
  virtual BOOL InitInstance() { return TRUE; }
  // The end of the run: the document templates' shared menus go here,
  // while the window system is still up (the templates themselves go with
  // the application object). Gives the program's exit status, 0.
  virtual int ExitInstance();
  virtual int Run();
  virtual BOOL OnIdle(LONG count);
  void AddDocTemplate(CDocTemplate* tmpl);
  void OnFileNew();
  CDocument* OpenDocumentFile(LPCSTR path);
  HCURSOR LoadCursor(UINT id) const;
  HCURSOR LoadStandardCursor(UINT_PTR id) const;
  HICON LoadIcon(UINT id) const;
  // Puts the program's own window services (its translator behind Text())
  // in place of those the constructor installed; a test's fake stays.
  void SetWindowServices(std::unique_ptr<WindowServices> services);
  void SetRegistryKey(LPCSTR) {}
  void LoadStdProfileSettings(UINT = 4) {}

  CWnd* m_pMainWnd = nullptr;
  LPCSTR m_pszAppName = nullptr;
  CString m_strAppName;
  std::unique_ptr<CDocManager> m_pDocManager;

 private:
  // In place when the constructor found nothing but the default there.
  std::unique_ptr<WindowServices> m_services;
  bool m_servicesInstalled = false;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
