#include "app/tests/ProgramFixture.h"

#include "controls/GraphControl.h"
#include "controls/GraphRenderer.h"
#include "platform/window/Menu.h"
#include "platform/window/RenderPng.h"
#include "waveform/view/PelmoranView.h"
#include "waveform/view/tests/GraphMouse.h"
#include "waveform/WaveCollections.h"

#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace program_test {

std::string ReviewFile(const std::string& name) {
  const char* dir = std::getenv("PELMORAN_REVIEW_PNG_DIR");
  const std::string folder = dir && *dir ? dir : REVIEW_DIR;
  std::filesystem::create_directories(folder);
  return folder + "/" + name;
}

std::vector<float> Samples(const CWaveData& wave) {
  return {wave.thedata.GetData(), wave.thedata.GetData() + wave.thedata.GetSize()};
}

float AsWritten(float sample) {
  char text[64];
  std::snprintf(text, sizeof text, "%0.5f", static_cast<double>(sample));
  return static_cast<float>(std::strtod(text, nullptr));
}

std::vector<float> FileSamples(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  bool body = false;
  std::vector<float> out;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!body) {
      body = line == "xpos,value" || line == "Amplitude";
      continue;
    }
    out.push_back(
        static_cast<float>(std::strtod(line.substr(line.rfind(',') + 1).c_str(), nullptr)));
  }
  return out;
}

void Journey::SetUp() {
  ResetWaveState();
  g_WaveArray.RemoveAll();
}

void Journey::TearDown() {
  if (app.m_pMainWnd) {
    for (int i = 0; i < g_WaveArray.GetSize(); ++i) g_WaveArray[i].saved = true;
    app.m_pMainWnd->SendMessage(WM_CLOSE);
  }
  ui_test::Pump();
  g_WaveArray.RemoveAll();
}

std::string Journey::Write(const std::string& name, const std::string& text) {
  std::ofstream(files / name, std::ios::binary) << text;
  return files / name;
}

void Journey::Command(UINT id) {
  Frame().SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
  ui_test::Pump();
}

void Journey::OpenFromMenu(const std::string& path) {
  commonDialogs.ExpectPath(CommonDialogRequest::Kind::OpenFile, path);
  Command(32899);
}

int Journey::WaveWindows() {
  int n = 0;
  for (HWND w = GetWindow(Frame().m_hWndMDIClient, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) ++n;
  return n;
}

CString Journey::ActiveCaption() {
  CMDIChildWnd* child = Frame().MDIGetActive();
  return child ? child->GetWindowTextString() : CString();
}

CWaveData& Journey::ActiveWave() {
  const int at = g_WaveNameList.Find(ActiveCaption());
  EXPECT_GE(at, 0) << ActiveCaption().GetString();
  return g_WaveArray[std::max(at, 0)];
}

void Journey::CloseActiveWindow() {
  Frame().MDIGetActive()->SendMessage(WM_CLOSE);
  ui_test::Pump();
}

CString Journey::MenuCaption(int position) {
  char text[64] = {};
  GetMenuString(GetMenu(Frame().m_hWnd), static_cast<UINT>(position), text, sizeof text,
                MF_BYPOSITION);
  return text;
}

void Journey::Picture(const std::string& name) {
  Frame().ShowWindow(SW_SHOWNORMAL);
  Frame().MoveWindow(0, 0, 1200, 820);
  ui_test::Pump();
  EXPECT_TRUE(RenderWindowToPng(Frame().m_hWnd, ReviewFile(name)));
}

CPelmoranView* Journey::ActiveView() {
  CMDIChildWnd* child = Frame().MDIGetActive();
  return child ? dynamic_cast<CPelmoranView*>(child->GetActiveView()) : nullptr;
}

hosted::Graph& Journey::GraphModel() { return graph_mouse::Model(ActiveView()); }

QPoint Journey::GraphPoint(double x, double y) { return graph_mouse::At(ActiveView(), x, y); }

void Journey::GraphClick(QPoint at) { GraphStroke({at}); }

void Journey::GraphStroke(const std::vector<QPoint>& points) {
  graph_mouse::Stroke(ActiveView(), points);
  ui_test::Pump();
}

}  // namespace program_test
