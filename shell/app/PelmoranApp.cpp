#include "shell/app/PelmoranApp.h"

#include "controls/HostedControl.h"
#include "platform/com/ComInit.h"
#include "platform/window/Document.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Resources.h"
#include "shell/base/Translator.h"
#include "shell/base/WindowSkin.h"
#include "shell/app/AppServices.h"
#include "shell/frame/AboutDlg.h"
#include "shell/frame/ChildFrame.h"
#include "shell/frame/EditorSeams.h"
#include "shell/frame/FrameCommands.h"
#include "shell/frame/MainFrame.h"
#include "tools/New_WAVE_SETING.h"
#include "waveform/PrivateMessages.h"

namespace {
constexpr UINT kMainResource = 129;
constexpr UINT kOleFailedText = 102;
constexpr const char* kAppName = "Pelmoran";
}  // namespace

#define PELMORAN_NO_APP_COMMAND(...)
#define PELMORAN_APP_COMMAND(id, rule, handler) ON_COMMAND(id, handler)
BEGIN_MESSAGE_MAP(CPelmoranApp, CWinApp)
PELMORAN_FRAME_COMMANDS(PELMORAN_NO_APP_COMMAND, PELMORAN_NO_APP_COMMAND, PELMORAN_APP_COMMAND)
END_MESSAGE_MAP()
#undef PELMORAN_APP_COMMAND
#undef PELMORAN_NO_APP_COMMAND

CPelmoranApp::CPelmoranApp(CRuntimeClass* documentClass, CRuntimeClass* viewClass)
    : CWinApp(kAppName), m_pDocumentClass(documentClass), m_pViewClass(viewClass) {}

CPelmoranApp::~CPelmoranApp() {
  if (m_bOleInitialized) OleUninitialize();
}

CMainFrame* CPelmoranApp::MainFrame() const { return dynamic_cast<CMainFrame*>(m_pMainWnd); }

BOOL CPelmoranApp::InitInstance() {
  SkinStart();  // first, so every window from here on is skinned
  hosted::RegisterHostedControls();
  if (FAILED(OleInitialize(nullptr))) {
    CString text;
    text.LoadString(kOleFailedText);
    MessageBox(nullptr, text, nullptr, MB_OK | MB_ICONERROR);
    return FALSE;
  }
  m_bOleInitialized = true;
  SetRegistryKey("应用程序向导生成的本地应用程序");
  LoadStdProfileSettings(4);
  SetWindowServices(std::make_unique<AppServices>());
  g_Translator.Load();
  InstallEditorSeams();

  auto* waveWindows = new CMultiDocTemplate(kMainResource, m_pDocumentClass,
                                            RUNTIME_CLASS(CChildFrame), m_pViewClass);
  AddDocTemplate(waveWindows);
  auto* frame = new CMainFrame;  // deletes itself with its window
  if (!frame->LoadFrame(kMainResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return FALSE;
  SetMenuBackground(nullptr, waveWindows->m_hMenuShared, kSkinColor);
  m_pMainWnd = frame;

  // An empty command line opens nothing; each file named opens through the
  // readers, as the Open command would (or is refused with its message).
  for (const std::string& path : m_arguments) frame->OpenWaveFile(path.c_str());

  frame->ShowWindow(SW_SHOWNORMAL);
  frame->UpdateWindow();
  frame->ShowWindow(SW_SHOWMAXIMIZED);
  return TRUE;
}

void CPelmoranApp::SendToMainFrame(UINT message) {
  if (m_pMainWnd) m_pMainWnd->SendMessage(message, 0, 0);
}

void CPelmoranApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}

// The framework's New, which no menu item carries: the new-waveform dialog,
// as the main frame's New.
void CPelmoranApp::OnNewWaveform() {
  CNew_WAVE_SETING dialog;
  dialog.DoModal();
}

void CPelmoranApp::OnFileOpen() { SendToMainFrame(WM_FILE_OPEN); }
void CPelmoranApp::OnFileSave() { SendToMainFrame(WM_FILE_SAVE); }
void CPelmoranApp::OnFileSaveAs() { SendToMainFrame(WM_FILE_SAVEAS); }
void CPelmoranApp::OnFilePrintPreview() { SendToMainFrame(WM_PRINT_PREVIEW); }
void CPelmoranApp::OnFilePrint() { SendToMainFrame(WM_PRINT_WAVE); }
