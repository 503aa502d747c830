// The coordinate bar: its controls, the read-outs the main frame feeds it,
// the link-state picture and its buttons.
#include "shell/frame/CoordinateBar.h"

#include "controls/HostedControl.h"
#include "platform/window/CmdUI.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Gdi.h"
#include "shell/base/ActiveChild.h"
#include "shell/base/Translator.h"
#include "shell/frame/InstrumentCommands.h"
#include "waveform/DisplayMath.h"
#include "waveform/WaveCollections.h"

IMPLEMENT_DYNAMIC(CBaseDLG, CDialogBar)

BEGIN_MESSAGE_MAP(CBaseDLG, CDialogBar)
ON_MESSAGE(WM_INITDIALOG, OnInitBar)
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_READ, OnReadButton)
ON_BN_CLICKED(IDC_SEND, OnSendButton)
ON_BN_CLICKED(IDC_STEP_TEST, OnStepTestButton)
ON_BN_CLICKED(IDC_BUTTON2, OnNothing)
ON_BN_CLICKED(IDC_LEFT_LABEL, OnNothing)
ON_UPDATE_COMMAND_UI(IDC_READ, OnUpdateAlwaysEnabled)
ON_UPDATE_COMMAND_UI(IDC_STEP_TEST, OnUpdateAlwaysEnabled)
ON_UPDATE_COMMAND_UI(IDC_SEND, OnUpdateSendButton)
END_MESSAGE_MAP()

namespace {
constexpr UINT kLinkOnBitmap = 202;
constexpr UINT kLinkOffBitmap = 201;

// A display position as a time: position / (d - 1) x the span as shown.
double TimeAt(double position, int displayLength, double timeSpan) {
  if (displayLength < 2) return 0.0;
  return position / (displayLength - 1) * DisplayTimeSpan(timeSpan);
}
}  // namespace

CBaseDLG::CBaseDLG() = default;

CBaseDLG::~CBaseDLG() {
  if (m_linkBitmap) DeleteObject(m_linkBitmap);
}

void CBaseDLG::DoDataExchange(CDataExchange* dx) {
  CDialogBar::DoDataExchange(dx);
  DDX_Control(dx, IDC_LEFT_TIME, m_LeftTime);
  DDX_Control(dx, IDC_RIGHT_TIME, m_RightTime);
  DDX_Control(dx, IDC_CURSOR_X, m_CursorX);
  DDX_Control(dx, IDC_CURSOR_Y, m_CursorY);
  DDX_Control(dx, IDC_LEFT_VALUE, m_LeftValue);
  DDX_Control(dx, IDC_RIGHT_VALUE, m_RightValue);
  DDX_Control(dx, IDC_LINK, m_LinkPicture);
}

// The bar's initialisation: its texts, its controls bound, and the step
// test's button made zero-sized (and out of the tab order), so only its
// command reaches it.
LRESULT CBaseDLG::OnInitBar(WPARAM, LPARAM) {
  Default();
  TranslateControls();
  UpdateData(FALSE);
  if (CWnd* step = GetDlgItem(IDC_STEP_TEST)) {
    step->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    step->ModifyStyle(WS_TABSTOP, 0);
  }
  ConnectEditEvents();
  return TRUE;
}

void CBaseDLG::ConnectEditEvents() {
  auto advise = [](CWnd& edit, auto mouseDown, auto valueChanged) -> DWORD {
    if (!edit.m_hWnd) return 0;
    IDispatch* sink = hosted::NewEventSink([=](DISPID event, DISPPARAMS&) {
      if (event == hosted::kStockMouseDown) mouseDown();
      if (event == hosted::kValueChanged) valueChanged();
    });
    const DWORD cookie = hosted::AdviseControlEvents(edit.m_hWnd, sink);
    sink->Release();
    return cookie;
  };
  m_leftCookie = advise(
      m_LeftTime, [this] { OnLeftEditMouseDown(); }, [this] { OnLeftEditValueChanged(); });
  m_rightCookie = advise(
      m_RightTime, [this] { OnRightEditMouseDown(); }, [this] { OnRightEditValueChanged(); });
}

void CBaseDLG::OnDestroy() {
  if (m_leftCookie && m_LeftTime.m_hWnd)
    hosted::UnadviseControlEvents(m_LeftTime.m_hWnd, m_leftCookie);
  if (m_rightCookie && m_RightTime.m_hWnd)
    hosted::UnadviseControlEvents(m_RightTime.m_hWnd, m_rightCookie);
  m_leftCookie = m_rightCookie = 0;
  CWnd::OnDestroy();
}

void CBaseDLG::TranslateControls() { g_Translator.TranslateControls(m_hWnd); }

void CBaseDLG::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
  UpdateDialogControls(target, disableIfNoHandler);
}

int CBaseDLG::ActiveDisplayLength() const {
  const int index = FindWaveIndex(ActiveChildTitle());
  return index >= 0 ? g_WaveArray[index].displaylen : g_nPointCount;
}

void CBaseDLG::ShowCursorReadout(int cursor, int sampleIndex, double value, double timeSpan) {
  const double time = TimeAt(sampleIndex, ActiveDisplayLength(), timeSpan);
  if (cursor == 0) {
    m_LeftTime.SetValue(time);
    m_LeftValue.SetValue(value);
    g_dCursor1X = sampleIndex;
  } else if (cursor == 1) {
    m_RightTime.SetValue(time);
    g_dCursor2X = sampleIndex;
    m_RightValue.SetValue(value);
  }
}

void CBaseDLG::ShowTrackReadout(double position, double value, int, double timeSpan) {
  m_CursorX.SetValue(TimeAt(position, ActiveDisplayLength(), timeSpan));
  m_CursorY.SetValue(value);
}

void CBaseDLG::ShowLinkState(int connected) {
  HBITMAP bitmap = LoadBitmap(nullptr, connected == 1 ? kLinkOnBitmap : kLinkOffBitmap);
  m_LinkPicture.ModifyStyle(0, SS_BITMAP | SS_CENTERIMAGE);
  m_LinkPicture.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  if (m_linkBitmap) DeleteObject(m_linkBitmap);
  m_linkBitmap = bitmap;
}

void CBaseDLG::OnReadButton() { StartReadFromGenerator(); }
void CBaseDLG::OnSendButton() { StartSendToGenerator(); }
void CBaseDLG::OnStepTestButton() { RunStepTest(); }
void CBaseDLG::OnUpdateAlwaysEnabled(CCmdUI* ui) { ui->Enable(TRUE); }
void CBaseDLG::OnUpdateSendButton(CCmdUI* ui) { ui->Enable(g_bWaveOpen); }
