#include "ToolTestSupport.h"

#include "controls/HostedControl.h"
#include "platform/services/tests/FakeServices.h"
#include "platform/window/RenderPng.h"
#include "platform/window/Resources.h"
#include "platform/window/StandardControls.h"
#include "waveform/PrivateMessages.h"
#include "waveform/SampleReplacement.h"

#include <cmath>
#include <filesystem>

LRESULT TestMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_WAVE_UPDATE && message <= WM_MENU_UPDATE) {
    received.push_back({message, wParam, lParam});
    CMDIChildWnd* child = MDIGetActive();
    const int active = child ? FindWaveIndex(child->GetWindowTextString()) : -1;
    if (message == WM_WAVE_ACTIVATE) g_nActiveWave = active;
    if (message == WM_APPLY_EQUATION && active >= 0)
      waveform::ApplyEquationResult(g_WaveStore.GetEntry(active), g_EquationWave);
    if (message == WM_WAVE_UPDATE && wParam == kWaveUpdateOpenWindow)
      OpenWindow(g_WaveArray[g_WaveArray.GetSize() - 1].wavename);
    return 1;
  }
  return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}

void TestMainFrame::OpenWindow(const CString& name) {
  auto* child = new CMDIChildWnd;  // the frame owns its children
  ASSERT_TRUE(child->LoadFrame(0, WS_OVERLAPPEDWINDOW, this, nullptr));
  child->SetWindowText(name);
  child->ShowWindow(SW_SHOW);
  child->MDIActivate();
  ui_test::Pump();
}

int TestMainFrame::Count(UINT message) const {
  int n = 0;
  for (const FrameMessage& m : received) n += m.message == message;
  return n;
}

CWaveData MakeRecord(const char* name, unsigned int n, float value, double span) {
  CWaveData wave;
  wave.wavename = name;
  wave.pointcount = wave.samplecount = static_cast<int>(n);
  wave.span = span;
  wave.bits = 16;
  wave.freq = 1.0;
  wave.frequnit = 3;
  wave.period = 1000.0;
  wave.periodunit = 3;
  wave.shape = 8;
  wave.thedata = SG::CSgScalarVector<float>(n, value);
  DisplayDecimation(wave);
  return wave;
}

CWaveData SineRecord(const char* name, unsigned n, double span) {
  CWaveData r = MakeRecord(name, n, 0.0f, span);
  for (unsigned i = 0; i < n; ++i) r.thedata[i] = static_cast<float>(1.5 * std::sin(i * 0.05));
  DisplayDecimation(r);
  return r;
}

int AddWave(TestMainFrame& frame, CWaveData record) {
  const CString name = record.wavename;
  const int index = g_WaveArray.Add(std::move(record));
  g_bWaveOpen = true;
  frame.OpenWindow(name);
  return index;
}

std::vector<float> Samples(const SG::CSgVectorT<float>& v) {
  return std::vector<float>(v.GetData(), v.GetData() + v.GetSize());
}

void ToolTest::SetUpTestSuite() {
  std::string error;
  ASSERT_TRUE(resources::Load(PELMORAN_RESOURCES, &error)) << error;
  RegisterStandardControls();
  hosted::RegisterHostedControls();
}

void ToolTest::SetUp() {
  ResetWaveState();
  services::FakeServices::Active()->SetTextSource([](int id) { return "T" + std::to_string(id); });
  frame = new TestMainFrame;
  ASSERT_TRUE(frame->LoadFrame(0));
  app.m_pMainWnd = frame;
  frame->MoveWindow(0, 0, 800, 600);
  ui_test::ShowActive(frame->m_hWnd);
}

void ToolTest::TearDown() {
  if (frame && ::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
  app.m_pMainWnd = nullptr;
  ui_test::Pump();
  ResetWaveState();
  services::FakeServices::Active()->SetTextSource(nullptr);
}

std::string ToolTest::TextOf(HWND dialog, int id) const {
  return GetWindowTextString(Item(dialog, id));
}

void ToolTest::Choose(HWND dialog, int id, int index) {
  HWND combo = Item(dialog, id);
  SendMessage(combo, CB_SETCURSEL, index, 0);
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void ToolTest::Click(HWND dialog, int id) {
  RECT r{};
  GetClientRect(Item(dialog, id), &r);
  ui_test::Click(Item(dialog, id), POINT{6, (r.bottom - r.top) / 2});
}

int ToolTest::Selection(HWND dialog, int id) const {
  return static_cast<int>(SendMessage(Item(dialog, id), CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ToolTest::Boxes() const {
  std::vector<std::string> texts;
  for (const MessageBoxCall& call : boxes.Shown()) texts.push_back(call.text);
  return texts;
}

void ToolTest::Review(HWND window, const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(PELMORAN_REVIEW_DIR) / "tools";
  std::filesystem::create_directories(folder);
  RenderWindowToPng(window, (folder / (name + ".png")).string());
}

std::string ToolTest::ActiveTitle() const {
  CMDIChildWnd* child = frame->MDIGetActive();
  return child ? std::string(child->GetWindowTextString().GetString()) : std::string();
}
