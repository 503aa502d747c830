#include "platform/window/WinApp.h"

#include "platform/window/Cursors.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/Frame.h"
#include "platform/window/WindowServices.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {
CWinApp*& TheApp() {
  static CWinApp* app = nullptr;
  return app;
}
}  // namespace

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName), m_strAppName(appName ? appName : "") {
  TheApp() = this;
  if (services::DefaultInPlace()) {
    m_services = std::make_unique<WindowServices>();
    services::Install(m_services.get());
    m_servicesInstalled = true;
  }
}

void CWinApp::SetWindowServices(std::unique_ptr<WindowServices> services) {
  const bool ours = m_servicesInstalled && &services::Current() == m_services.get();
  if (ours) services::Install(services.get());
  m_services = std::move(services);
  m_servicesInstalled = ours;
}

CWinApp::~CWinApp() {
  if (TheApp() == this) TheApp() = nullptr;
  if (m_servicesInstalled && &services::Current() == m_services.get()) services::Install(nullptr);
}

void CWinApp::AddDocTemplate(CDocTemplate* tmpl) {
  if (!m_pDocManager) m_pDocManager = std::make_unique<CDocManager>();
  m_pDocManager->AddDocTemplate(tmpl);
}

void CWinApp::OnFileNew() {
  if (m_pDocManager) m_pDocManager->OnFileNew();
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR path) {
  return m_pDocManager ? m_pDocManager->OpenDocumentFile(path) : nullptr;
}

// Idle work: the update handlers of the frames' bars.
BOOL CWinApp::OnIdle(LONG) {
  if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd)) {
    frame->OnIdleUpdateCmdUI();
    if (CFrameWnd* active = frame->GetActiveFrame(); active && active != frame)
      active->OnIdleUpdateCmdUI();
  }
  return FALSE;
}

int CWinApp::Run() {
  // Idle work runs whenever the loop is about to wait.
  auto idle = QObject::connect(QAbstractEventDispatcher::instance(),
                               &QAbstractEventDispatcher::aboutToBlock,
                               [this] { DispatchGuard::RunGuarded([this] { OnIdle(0); }); });
  QApplication::exec();
  QObject::disconnect(idle);
  return ExitInstance();
}

HCURSOR CWinApp::LoadCursor(UINT id) const {
  return ::LoadCursor(reinterpret_cast<HINSTANCE>(1), id);
}
HCURSOR CWinApp::LoadStandardCursor(UINT_PTR id) const { return ::LoadCursor(nullptr, id); }
HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIcon(nullptr, id); }

CWinApp* AfxGetApp() { return TheApp(); }
CWnd* AfxGetMainWnd() { return TheApp() ? TheApp()->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle() { return nullptr; }
HINSTANCE AfxGetResourceHandle() { return nullptr; }
