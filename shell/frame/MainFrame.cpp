// The main frame's creation, its message map (made from the command table),
// its commands and its close.
#include "shell/frame/MainFrame.h"

#include "instrument/InstrumentLink.h"
#include "instrument/LinkState.h"
#include "platform/window/CmdUI.h"
#include "platform/window/WinApp.h"
#include "shell/base/WindowSkin.h"
#include "shell/frame/ColorSet.h"
#include "shell/frame/FrameCommands.h"
#include "shell/frame/Help.h"
#include "shell/frame/InstrumentCommands.h"
#include "shell/tableview/TableView.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

// The messages the frame passes on to the active view, with the parameters
// that go along (the others go as 0).
// clang-format off
#define PELMORAN_RELAYED_MESSAGES(X) \
  X(WM_SET_CURSOR_POS, true, true)   \
  X(WM_DRAW_POINTS, true, false)     \
  X(WM_APPLY_EQUATION, false, false) \
  X(WM_FILE_SAVE, false, false)      \
  X(WM_FILE_SAVEAS, false, false)    \
  X(WM_PRINT_PREVIEW, false, false)  \
  X(WM_PRINT_WAVE, false, false)     \
  X(WM_SET_COLORS, true, false)      \
  X(WM_WAVE_ACTIVATE, false, false)  \
  X(WM_SHOW_CURSORS, false, false)
// clang-format on

#define PELMORAN_VIEW_COMMAND(id, rule, message, wParam)                                    \
  AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AFX_TARGET->RelayToActiveView(message, wParam); \
            return TRUE;)                                                                   \
  ON_UPDATE_COMMAND_UI(id, OnUpdate##rule)
#define PELMORAN_FRAME_COMMAND(id, rule, handler) \
  ON_COMMAND(id, handler) ON_UPDATE_COMMAND_UI(id, OnUpdate##rule)
#define PELMORAN_APP_COMMAND(id, rule, handler) ON_UPDATE_COMMAND_UI(id, OnUpdate##rule)
#define PELMORAN_RELAY(message, keepW, keepL)                                     \
  AFX_ENTRY(message, 0, 0, 0,                                                     \
            AFX_TARGET->RelayToActiveView(message, keepW ? w : 0, keepL ? l : 0); \
            return 1;)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
PELMORAN_FRAME_COMMANDS(PELMORAN_VIEW_COMMAND, PELMORAN_FRAME_COMMAND, PELMORAN_APP_COMMAND)
PELMORAN_RELAYED_MESSAGES(PELMORAN_RELAY)
ON_MESSAGE(WM_WAVE_UPDATE, OnWaveUpdate)
ON_MESSAGE(WM_CURSOR_READOUT, OnCursorReadout)
ON_MESSAGE(WM_TRACK_READOUT, OnTrackReadout)
ON_MESSAGE(WM_FILE_OPEN, OnFileOpenMessage)
ON_MESSAGE(WM_DRAWMODE_STATE, OnDrawModeState)
ON_MESSAGE(WM_CURSOR_LINE, OnCursorLineMessage)
ON_MESSAGE(WM_STATUS_TEXT, OnStatusText)
ON_MESSAGE(WM_EDIT_ENABLE, OnEditEnable)
ON_MESSAGE(WM_LINK_STATE, OnLinkState)
ON_MESSAGE(WM_MENU_UPDATE, OnMenuUpdate)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

#undef PELMORAN_RELAY
#undef PELMORAN_APP_COMMAND
#undef PELMORAN_FRAME_COMMAND
#undef PELMORAN_VIEW_COMMAND

namespace {
constexpr UINT kToolbar = 256;
constexpr UINT kIcon = 128;
constexpr UINT kShapePanel = 130;
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
}  // namespace

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(CREATESTRUCT* cs) {
  if (CMDIFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                 CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
      !m_wndToolBar.LoadToolBar(kToolbar))
    return -1;
  // Without the sizing border while it is made, the status bar has no grip.
  ModifyStyle(WS_THICKFRAME, 0);
  if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 4)) return -1;
  ModifyStyle(0, WS_THICKFRAME);
  m_wndStatusBar.SetPaneInfo(0, 0, SBPS_NORMAL, 200);
  m_wndStatusBar.SetPaneInfo(1, 0, SBPS_NORMAL, 300);
  m_wndStatusBar.SetPaneInfo(2, 0, SBPS_NORMAL, 300);
  SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  UpdateStatusTexts();
  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  if (!m_wndCoordinateBar.Create(this, CBaseDLG::IDD, CBRS_ALIGN_BOTTOM, CBaseDLG::IDD)) return -1;
  m_wndCoordinateBar.EnableDocking(CBRS_ALIGN_BOTTOM);
  DockControlBar(&m_wndCoordinateBar);
  CString caption("FloatDlg");
  if (!m_wndFloatDlg.Create(this, &m_wndStandWave, caption, kShapePanel,
                            WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT))
    return -1;
  m_wndFloatDlg.SetBarStyle(m_wndFloatDlg.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                            CBRS_SIZE_DYNAMIC);
  m_wndFloatDlg.EnableDocking(CBRS_ALIGN_LEFT);
  DockControlBar(&m_wndFloatDlg, AFX_IDW_DOCKBAR_LEFT);
  if (CWinApp* app = AfxGetApp()) {
    HICON icon = app->LoadIcon(kIcon);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
  }
  TranslateMenus();
  m_wndCoordinateBar.ShowLinkState(g_InstrumentConnected ? 1 : 0);
  UpdateFrameTitle();
  return 0;
}

BOOL CMainFrame::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) {
  if (m_wndCoordinateBar.m_hWnd && m_wndCoordinateBar.OnCmdMsg(id, code, extra, handlerInfo))
    return TRUE;
  return CMDIFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

void CMainFrame::OnIdleUpdateCmdUI() {
  CMDIFrameWnd::OnIdleUpdateCmdUI();
  UpdateFrameTitle();
}

namespace {
// The active waveform window, else any left: a window just closed may still
// be the MDI client's current one until its widget is gone.
CMDIChildWnd* NextWaveWindow(CMDIFrameWnd& frame) {
  if (CMDIChildWnd* active = frame.MDIGetActive(); active && ::IsWindow(active->m_hWnd))
    return active;
  for (HWND w = ::GetWindow(frame.m_hWndMDIClient, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(w))) return child;
  return nullptr;
}
}  // namespace

void CMainFrame::OnClose() {
  g_nSaveAnswer = -1;  // an earlier cancelled save must not stop this close
  while (CMDIChildWnd* child = NextWaveWindow(*this)) {
    const HWND window = child->m_hWnd;
    ::SendMessage(window, WM_CLOSE, 0, 0);
    if (g_nSaveAnswer == 2) break;
    if (::IsWindow(window)) {  // it stayed without a cancel: stop rather than ask again
      g_nSaveAnswer = 2;
      break;
    }
  }
  if (g_nSaveAnswer == 2) return;
  if (g_InstrumentConnected) {
    CInstrumentLink link;
    link.UnloadUsbDevice(0);
  }
  SkinStop();
  CMDIFrameWnd::OnClose();
}

void CMainFrame::OnExit() { SendMessage(WM_CLOSE); }

void CMainFrame::OnUpdateAlways(CCmdUI* ui) { ui->Enable(TRUE); }
void CMainFrame::OnUpdateWaveform(CCmdUI* ui) { ui->Enable(g_bWaveOpen); }
void CMainFrame::OnUpdateEdit(CCmdUI* ui) { ui->Enable(g_bEditEnable && g_bWaveOpen); }
void CMainFrame::OnUpdatePanel(CCmdUI* ui) {
  ui->Enable(TRUE);
  ui->SetCheck(m_wndFloatDlg.m_hWnd && m_wndFloatDlg.IsVisible() ? 1 : 0);
}

void CMainFrame::OnToggleShapePanel() {
  ShowControlBar(&m_wndFloatDlg, !m_wndFloatDlg.IsVisible(), FALSE);
}

// The cursor lines: the drawing-mode marks go (the modes stay), then the
// view shows or hides its cursors.
void CMainFrame::OnCursorLine() {
  for (UINT id : {32850u, 32854u, 32851u, 32853u}) CheckItem(id, false);
  RelayToActiveView(WM_VIEW_OPTION, 0);
}

void CMainFrame::OnUndoZoom() {
  g_nZoomKind = 0;
  RelayToActiveView(WM_ZOOM, 5);
}

void CMainFrame::OnDrawFreehand() {
  CheckItem(32850, true);
  for (UINT id : {32854u, 32851u, 32853u}) CheckItem(id, false);
  g_bDrawFreehand = true;
  g_bDrawHLine = g_bDrawVLine = g_bDrawTwoPoint = g_bPointsMode = false;
  RelayToActiveView(WM_DRAW_FREEHAND, 0);
}

void CMainFrame::EnterLineMode(UINT id, int kind) {
  CheckItem(32850, false);
  RelayToActiveView(WM_DRAW_FREEHAND, 0);
  for (UINT other : {32851u, 32854u, 32853u}) CheckItem(other, other == id);
  g_bDrawFreehand = g_bPointsMode = false;
  g_bDrawHLine = kind == 1;
  g_bDrawVLine = kind == 2;
  g_bDrawTwoPoint = kind == 3;
  RelayToActiveView(WM_DRAW_LINE, static_cast<WPARAM>(kind));
}

void CMainFrame::OnDrawHorizontalLine() { EnterLineMode(32851, 1); }
void CMainFrame::OnDrawVerticalLine() { EnterLineMode(32854, 2); }
void CMainFrame::OnDrawTwoPointLine() { EnterLineMode(32853, 3); }

void CMainFrame::OnTableView() {
  CTable_view table(nullptr);
  table.DoModal();
}

void CMainFrame::OnSendWave() { StartSendToGenerator(); }
void CMainFrame::OnReadWave() { StartReadFromGenerator(); }
void CMainFrame::OnImportWave() { StartImportFromScope(); }
void CMainFrame::OnLanguageChinese() { SwitchLanguage("Chinese"); }
void CMainFrame::OnLanguageEnglish() { SwitchLanguage("English"); }
void CMainFrame::OnHelp() { OpenHelpFile(m_hWnd); }

void CMainFrame::RunColorDialog() {
  CColor_Set colors(nullptr);
  colors.DoModal();
}
