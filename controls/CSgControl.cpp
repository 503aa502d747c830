#include "controls/CSgControl.h"

#include "containers/CSgException.h"
#include "containers/CSgExceptionT.h"
#include "containers/CSgOleException.h"
#include "containers/SgScopedHelpers.h"
#include "controls/HostedControl.h"
#include "controls/CVersion.h"
#include "controls/SlotCall.h"
#include "platform/afx/Utf.h"
#include "platform/win/NeverDestroyed.h"
#include "platform/window/DispatchGuard.h"

namespace SG {

std::map<HWND, CSgControl*> g_controlWindowMap;

namespace {
constexpr const char* kExpectedVersion = "6.0";
// Windows whose facade went before them, or let go of them while another
// procedure sat above the hook: the hook still forwards their messages to
// the procedure it replaced, until WM_NCDESTROY.
std::map<HWND, WNDPROC>& OrphanedHooks() {
  static win_detail::NeverDestroyed<std::map<HWND, WNDPROC>> hooks;
  return *hooks;
}
}  // namespace

CSgControl::CSgControl(int threadOption)
    : m_threadOption(threadOption), m_creatingThread(::GetCurrentThreadId()) {
  // A dialog builds its facades before its window: the templates' control
  // classes exist by the time it creates its controls.
  hosted::RegisterHostedControls();
}

CSgControl::~CSgControl() {
  // The holder goes with the facade; releasing never throws.
  delete m_holder;
  // The window may have been detached from this object already.
  for (auto it = g_controlWindowMap.begin(); it != g_controlWindowMap.end(); ++it) {
    if (it->second != this) continue;
    OrphanedHooks()[it->first] = m_previous;
    g_controlWindowMap.erase(it);
    break;
  }
}

void CSgControl::CheckInterfaceThread() { AfxThrowUserException(); }
void CSgControl::Attach() { AfxThrowUserException(); }
IUnknown* CSgControl::GetInterface(bool*) { AfxThrowUserException(); }
void CSgControl::Detach() { AfxThrowUserException(); }

void CSgControl::AttachTo(const IID& iid) {
  if (m_attached) return;
  COleException status;
  CSgScopedRelease object(hosted::InvokeControlObject(m_hWnd), true);
  if (!m_holder) m_holder = new CSgInterface;
  if (!m_holder->AttachUnknown(object.Get(), iid, &status, m_threadOption) && status.m_sc < 0)
    ThrowOleException(status.m_sc, "");
  CSgInterface version;
  if (!version.AttachUnknown(object.Get(), IID_ControlVersion, nullptr, 0))
    throw new CSgControlVersionException(kExpectedVersion, TRUE);
  bool release = false;
  auto* versionInterface = static_cast<IControlVersion*>(version.GetInterface(false, &release));
  CSgScopedRelease versionGuard(versionInterface, release);
  BSTR text = nullptr;
  versionInterface->GetVersion(&text);
  const CString found = text ? CString(AfxUtf16ToUtf8(BstrView(text))) : CString();
  SysFreeString(text);
  if (CVersion(found) < CVersion(kExpectedVersion))
    throw new CSgControlVersionException(kExpectedVersion, found, TRUE);
  m_attached = true;
}

IUnknown* CSgControl::FetchInterface(bool* release) {
  if (!m_attached) Attach();
  return m_holder ? m_holder->GetInterface(false, release) : nullptr;
}

void CSgControl::DetachHolder() {
  delete m_holder;
  m_holder = nullptr;
  m_attached = false;
}

void CSgControl::CheckHolderThread() {
  if (m_holder) m_holder->CheckThread();
}

IDispatch* CSgControl::GetDispatch() {
  if (::GetCurrentThreadId() != m_creatingThread)
    ThrowOleException(RPC_E_WRONG_THREAD,
                      "Operation can only be performed on the thread the control was created on.");
  CSgScopedRelease control(hosted::GetControlUnknown(m_hWnd), true);
  if (!control.Get()) throw new CSgObjectNotInUsableStateException("CSgInterface", TRUE);
  IDispatch* dispatch = nullptr;
  const HRESULT hr =
      control.Get()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr)) ThrowOleException(hr, "");
  return dispatch;
}

void CSgControl::PreSubclassWindow() {
  const LONG_PTR previous =
      ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookWindowProc));
  if (previous == 0) throw new CSgSystemException(::GetLastError(), TRUE);
  m_previous = reinterpret_cast<WNDPROC>(previous);
  g_controlWindowMap[m_hWnd] = this;
  Attach();
}

LRESULT CSgControl::HookWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto it = g_controlWindowMap.find(hWnd);
  if (it == g_controlWindowMap.end()) {
    auto orphan = OrphanedHooks().find(hWnd);
    if (orphan == OrphanedHooks().end()) return ::DefWindowProc(hWnd, message, wParam, lParam);
    const WNDPROC previous = orphan->second;
    if (message == WM_NCDESTROY) OrphanedHooks().erase(orphan);
    return ::CallWindowProc(previous, hWnd, message, wParam, lParam);
  }
  CSgControl* facade = it->second;
  const WNDPROC previous = facade->m_previous;
  // Nothing a facade raises may unwind into the window system: it is
  // reported, and the message still reaches the control.
  if (message == WM_CREATE) DispatchGuard::RunGuarded([&] { facade->Attach(); });
  if (message == WM_DESTROY) {
    // The window goes whatever the detach reports.
    DispatchGuard::RunGuarded([&] { facade->Detach(); });
    DispatchGuard::RunGuarded([&] {
      g_controlWindowMap.erase(hWnd);
      // Only the outermost procedure may be put back. Where the framework
      // subclassed the window after the hook, restoring would cut its
      // procedure out of the chain before WM_NCDESTROY, and its window
      // object would keep the dead handle; the hook stays and forwards.
      if (::GetWindowLongPtr(hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&HookWindowProc)) {
        OrphanedHooks()[hWnd] = previous;
      } else if (::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous)) ==
                 0) {
        throw new CSgSystemException(::GetLastError(), TRUE);
      }
    });
  }
  return previous ? ::CallWindowProc(previous, hWnd, message, wParam, lParam)
                  : ::DefWindowProc(hWnd, message, wParam, lParam);
}

BOOL CSgControl::CreateHosted(const char* clsid, LPCSTR windowName, DWORD style, const RECT& rect,
                              CWnd* parent, UINT id) {
  hosted::RegisterHostedControls();
  CWnd window;
  if (!window.Create(clsid, windowName, style | WS_CHILD, rect, parent, id)) return FALSE;
  window.UnsubclassWindow();
  if (!SubclassDlgItem(id, parent)) return FALSE;
  Attach();
  return TRUE;
}

}  // namespace SG
