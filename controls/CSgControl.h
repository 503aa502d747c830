#pragma once
// The framework window every control facade derives from: it subclasses the
// control's window (so that the facade attaches when the window is made and
// detaches when it goes), attaches to the control's private interface
// through member 2000 with the version check, and hands out the control's
// IDispatch on the thread that made the facade.

#include "containers/CSgInterface.h"
#include "platform/afx/OleException.h"
#include "platform/window/Wnd.h"

#include <map>

namespace SG {

class CSgControl : public CWnd {
 public:
  explicit CSgControl(int threadOption);
  ~CSgControl() override;

  int GetThreadOption() const { return m_threadOption; }
  // One reference for the caller; the creating thread only.
  IDispatch* GetDispatch();

  void PreSubclassWindow() override;
  static LRESULT HookWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  virtual void CheckInterfaceThread();
  virtual void Attach();
  virtual IUnknown* GetInterface(bool* release);
  virtual void Detach();

  bool IsAttached() const { return m_attached; }

 protected:
  // The facades' shared bodies of the four operations above.
  void AttachTo(const IID& iid);
  IUnknown* FetchInterface(bool* release);
  void DetachHolder();
  void CheckHolderThread();
  // Creates the control window from clsid, then subclasses it (facade Create).
  BOOL CreateHosted(const char* clsid, LPCSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id);

  CSgInterface* m_holder = nullptr;
  bool m_attached = false;

 private:
  WNDPROC m_previous = nullptr;
  int m_threadOption;
  DWORD m_creatingThread;
};

// Window handle to facade, for every window whose procedure is the hook.
extern std::map<HWND, CSgControl*> g_controlWindowMap;

}  // namespace SG
