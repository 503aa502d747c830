#include "platform/window/WinApp.h"

#include "platform/window/Cursors.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/Frame.h"
#include "platform/window/Menu.h"
#include "platform/window/WindowServices.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

#include <utility>

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

int CWinApp::ExitInstance() {
  if (m_pDocManager)
    for (auto& tmpl : m_pDocManager->m_templates) {
      ::DestroyMenu(tmpl->m_hMenuShared);
      tmpl->m_hMenuShared = nullptr;
    }
  return 0;
}

namespace {
// Whether something happened since the last idle work that may call for
// more: input, a timer, a posted message or call. Painting and the updates
// that idle work itself causes (layouts, enabling, texts) do not, as the
// platform's loop resumes idle processing only after a message that is not
// a paint: otherwise each idle pass would paint and the paint would bring
// the next pass.
class IdleWatch : public QObject {
 public:
  bool eventFilter(QObject* object, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Close:
      case QEvent::WindowActivate:
      case QEvent::WindowDeactivate:
      case QEvent::Timer:
      case QEvent::MetaCall: pending = true; break;
      default:
        if (event->type() >= QEvent::User) pending = true;  // posted window messages
        break;
    }
    return QObject::eventFilter(object, event);
  }
  bool pending = true;
};
}  // namespace

int CWinApp::Run() {
  IdleWatch watch;
  qApp->installEventFilter(&watch);
  auto idle = QObject::connect(QAbstractEventDispatcher::instance(),
                               &QAbstractEventDispatcher::aboutToBlock, [this, &watch] {
                                 if (!std::exchange(watch.pending, false)) return;
                                 DispatchGuard::RunGuarded([this] { OnIdle(0); });
                               });
  QApplication::exec();
  QObject::disconnect(idle);
  qApp->removeEventFilter(&watch);
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
