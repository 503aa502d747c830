#include "shell/frame/tests/FrameFixture.h"

#include "instrument/LinkState.h"
#include "platform/window/CmdUI.h"
#include "platform/window/Menu.h"
#include "waveform/PrivateMessages.h"

namespace shell_test {

void FrameTest::SetUp() {
  ResetWaveState();
  ResetLinkState();
  g_WaveArray.RemoveAll();
  ViewLog().clear();
  SaveAnswers().clear();
  app.AddDocTemplate(new CMultiDocTemplate(
      129, RUNTIME_CLASS(CStandInDoc), RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CStandInView)));
  frame = new CMainFrame;
  ASSERT_TRUE(frame->LoadFrame(129, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
  app.m_pMainWnd = frame;
  frame->MoveWindow(0, 0, 1100, 800);
  ui_test::ShowActive(frame->m_hWnd);
  ui_test::Pump();
}

void FrameTest::TearDown() {
  if (app.m_pMainWnd) {
    for (int i = 0; i < g_WaveArray.GetSize(); ++i) g_WaveArray[i].saved = true;
    frame->DestroyWindow();
  }
  app.m_pMainWnd = nullptr;
  ui_test::Pump();
  g_WaveArray.RemoveAll();
}

int FrameTest::OpenWave(const char* name, int n, bool cursorsOn, bool saved) {
  CWaveData wave;
  wave.wavename = name;
  wave.thedata.SetSize(static_cast<unsigned>(n), false);
  wave.pointcount = wave.samplecount = n;
  wave.freq = 1000.0;
  wave.frequnit = 2;
  wave.period = 1.0;
  wave.periodunit = 2;
  wave.cursorson = cursorsOn;
  wave.saved = saved;
  DisplayDecimation(wave);
  const int index = g_WaveArray.Add(std::move(wave));
  g_bEditEnable = false;  // as every creator of a waveform does
  frame->SendMessage(WM_WAVE_UPDATE, kWaveUpdateOpenWindow, 0);
  frame->RelayToActiveView(WM_WAVE_REPLOT);
  ui_test::Pump();
  return index;
}

CChildFrame* FrameTest::WindowOf(const char* name) {
  for (HWND w = GetWindow(frame->m_hWndMDIClient, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (GetWindowTextString(w) == name)
      return dynamic_cast<CChildFrame*>(CWnd::FromHandlePermanent(w));
  return nullptr;
}

void FrameTest::Command(UINT id) {
  frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
  ui_test::Pump();
}

namespace {
struct Probe : CCmdUI {
  BOOL enabled = TRUE;
  int checked = 0;
  void Enable(BOOL on) override { enabled = on; }
  void SetCheck(int check) override { checked = check; }
};
}  // namespace

bool FrameTest::Enabled(UINT id) {
  Probe probe;
  probe.m_nID = id;
  probe.DoUpdate(frame, TRUE);
  return probe.enabled;
}

bool FrameTest::Checked(UINT id) {
  return (GetMenuState(GetMenu(frame->m_hWnd), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::vector<ViewHeard> FrameTest::Heard(UINT message) const {
  std::vector<ViewHeard> heard;
  for (const ViewHeard& h : ViewLog())
    if (h.message == message) heard.push_back(h);
  return heard;
}

}  // namespace shell_test
