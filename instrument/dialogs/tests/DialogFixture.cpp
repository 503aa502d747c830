#include "DialogFixture.h"

#include "instrument/dialogs/ConnectTypeDlg.h"
#include "instrument/dialogs/TableViewSeam.h"
#include "instrument/dialogs/WaveSendDlg.h"
#include "platform/usb/RawUsbDriver.h"
#include "platform/window/Document.h"
#include "platform/window/Resources.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <QString>

namespace dialogtest {

std::vector<Received>& FrameLog() {
  static std::vector<Received> log;
  return log;
}

std::vector<Received>& ViewLog() {
  static std::vector<Received> log;
  return log;
}

namespace {

class CTestDoc : public CDocument {
  DECLARE_DYNCREATE(CTestDoc)
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

// Stands in for the editor view: its window shows the newest waveform, whose
// name becomes the frame's title; it records what it is sent.
class CTestView : public CView {
  DECLARE_DYNCREATE(CTestView)
 public:
  void OnDraw(CDC*) override {}
  void OnInitialUpdate() override {
    if (g_WaveArray.GetSize() == 0) return;
    const CString& name = g_WaveArray[g_WaveArray.GetSize() - 1].wavename;
    GetDocument()->SetTitle(name);
    GetParentFrame()->SetWindowText(name);
  }
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message >= WM_WAVE_UPDATE && message <= WM_MENU_UPDATE) {
      ViewLog().push_back({message, wParam});
      if (message == WM_WAVE_ACTIVATE) {
        const int index = FindWaveIndex(GetParentFrame()->GetWindowTextString());
        if (index >= 0) g_nActiveWave = index;
      }
      *result = 1;
      return TRUE;
    }
    return CView::OnWndMsg(message, wParam, lParam, result);
  }
};
IMPLEMENT_DYNCREATE(CTestView, CView)

class CTestChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CTestChild)
};
IMPLEMENT_DYNCREATE(CTestChild, CMDIChildWnd)

// Records the private messages and relays WM_WAVE_ACTIVATE to the active
// view, as the main frame does; WM_WAVE_UPDATE 1500 opens a window.
class CTestMain : public CMDIFrameWnd {
 public:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message >= WM_WAVE_UPDATE && message <= WM_MENU_UPDATE) {
      FrameLog().push_back({message, wParam});
      if (message == WM_WAVE_ACTIVATE)
        if (CMDIChildWnd* child = MDIGetActive())
          if (CView* view = child->GetActiveView()) view->SendMessage(message, 0, 0);
      if (message == WM_WAVE_UPDATE && wParam == kWaveUpdateOpenAndReplot) AfxGetApp()->OnFileNew();
      *result = 1;
      return TRUE;
    }
    return CMDIFrameWnd::OnWndMsg(message, wParam, lParam, result);
  }
};

}  // namespace

CWaveData PatternWave(const char* name, int count, double hertz, double peak) {
  CWaveData wave;
  wave.wavename = name;
  wave.pointcount = wave.samplecount = count;
  wave.freq = hertz;
  wave.frequnit = 2;
  const float pattern[] = {static_cast<float>(peak), static_cast<float>(-peak), 0.0f,
                           static_cast<float>(peak / 2), static_cast<float>(-peak / 2)};
  wave.thedata.SetSize(static_cast<unsigned>(count), TRUE);
  for (int i = 0; i < count; ++i) wave.thedata.GetData()[i] = pattern[i % 5];
  DisplayDecimation(wave);
  return wave;
}

sim::Bytes PatternCodes(int count, bool sixteenBit) {
  // Full scale packs as 0x7FFE (32767 less one), minus full scale as 0x8000.
  const std::uint16_t codes[] = {0x7FFE, 0x8000, 0x0000, 0x3FFE, 0xC000};
  sim::Bytes bytes;
  for (int i = 0; i < count; ++i) {
    std::uint16_t c = codes[i % 5];
    if (!sixteenBit) c = static_cast<std::uint16_t>(c >> 2);
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return bytes;
}

void DialogFixture::SetUpTestSuite() {
  std::string error;
  ASSERT_TRUE(resources::Load(PELMORAN_RESOURCES_FILE, &error)) << error;
}

void DialogFixture::SetUp() {
  ResetLinkState();
  ResetWaveState();
  g_SelectedSlot = 0;
  SetTableViewOpener(nullptr);
  FrameLog().clear();
  ViewLog().clear();
  fake.AnswerUnscriptedBoxes();
  fake.SetTextSource([](int id) { return "text " + std::to_string(id); });
  fake.SetDialogNamer([](HWND dialog) { return GetWindowTextString(dialog); });
  rawusb::SetRawUsbDriver(usbDriver);
  visa::SetUsbtmcSystem(usbtmc);
  app.AddDocTemplate(new CMultiDocTemplate(129, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChild),
                                           RUNTIME_CLASS(CTestView)));
  main = new CTestMain;
  ASSERT_TRUE(main->LoadFrame(129));
  app.m_pMainWnd = main;
  main->MoveWindow(0, 0, 800, 600);
  ui_test::ShowActive(main->m_hWnd);
}

void DialogFixture::TearDown() {
  if (g_VisaDefaultRM) viClose(g_VisaDefaultRM);
  g_VisaDefaultRM = 0;
  vxi11.reset();
  visa::SetPortmapperPort(0);
  visa::SetOpenTimeoutMs(0);
  rawusb::SetRawUsbDriver(nullptr);
  visa::SetUsbtmcSystem(nullptr);
  if (app.m_pMainWnd) main->DestroyWindow();
  ui_test::Pump();
  ResetWaveState();
}

std::shared_ptr<sim::SimGenerator> DialogFixture::Generator(const char* model,
                                                            sim::GeneratorIdentity identity) {
  return std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily(model), std::move(identity));
}

std::shared_ptr<sim::SimGenerator> DialogFixture::AttachUsbtmc(
    std::shared_ptr<sim::SimGenerator> gen) {
  usbtmc->Attach(gen, 0x1234, 0x0100, "S" + std::to_string(++serials));
  return gen;
}

void DialogFixture::ServeOverVxi11(std::shared_ptr<sim::SimInstrument> instrument) {
  vxi11 = std::make_unique<sim::Vxi11Server>(std::move(instrument),
                                             sim::Vxi11ServerOptions{"127.0.0.1", 0, 1u << 20});
  std::string error;
  ASSERT_TRUE(vxi11->Start(&error)) << error;
  visa::SetPortmapperPort(vxi11->PortmapperPort());
}

void DialogFixture::RunConnection(int direction, int import, std::function<void(HWND)> next,
                                  std::function<void(HWND)> choose) {
  g_LinkDirection = direction;
  g_ImportFromScope = import;
  dialogs.Expect([choose](HWND d) {
    if (choose)
      choose(d);
    else
      ui_test::ClickCenter(GetDlgItem(d, CConnectTypeDLG::IDC_USBTMC));
    ui_test::ClickCenter(GetDlgItem(d, CConnectTypeDLG::IDC_CONNECT));
  });
  if (next) dialogs.Expect(std::move(next));
  CConnectTypeDLG connection(nullptr);
  connection.DoModal();
}

void DialogFixture::RunConnectionTo(const char* address, int direction, int import,
                                    std::function<void(HWND)> next) {
  RunConnection(direction, import, std::move(next), [address](HWND d) {
    ui_test::ClickCenter(GetDlgItem(d, CConnectTypeDLG::IDC_IP));
    SetWindowText(GetDlgItem(d, CConnectTypeDLG::IDC_ADDRESS), address);
  });
}

void DialogFixture::OpenWindow() {
  app.OnFileNew();
  ui_test::Pump();
}

std::vector<std::string> DialogFixture::Entries(HWND combo) {
  std::vector<std::string> out;
  const int n = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::string text(static_cast<std::size_t>(SendMessage(combo, CB_GETLBTEXTLEN, i, 0)), '\0');
    std::vector<char> buffer(text.size() + 1, '\0');
    SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
    out.emplace_back(buffer.data());
  }
  return out;
}

void DialogFixture::Choose(HWND combo, int index) {
  SendMessage(combo, CB_SETCURSEL, index, 0);
  SendMessage(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(combo));
}

}  // namespace dialogtest
