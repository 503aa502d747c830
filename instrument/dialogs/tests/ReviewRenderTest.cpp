// Each instrument dialog filled from simulated instruments, in the shipped
// English texts, drawn into build/review/instrument/ (or the folder
// PELMORAN_REVIEW_PNG_DIR names) for people to look at.
#include "DialogFixture.h"

#include "instrument/dialogs/ConnectSetDlg.h"
#include "instrument/dialogs/ConnectTypeDlg.h"
#include "instrument/dialogs/ReadWaveDlg.h"
#include "instrument/dialogs/StepTestDlg.h"
#include "platform/afx/tests/TempFolder.h"
#include "platform/win/ModulePath.h"
#include "platform/window/RenderPng.h"
#include "shell/base/Translator.h"
#include "waveform/WaveCollections.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace dialogtest {
namespace {

namespace fs = std::filesystem;

std::string ReviewFolder() {
  const char* dir = std::getenv("PELMORAN_REVIEW_PNG_DIR");
  return dir && *dir ? dir : REVIEW_DIR;
}

class ReviewRender : public DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    fs::copy(fs::path(PELMORAN_PROGRAM_FOLDER), folder_.path(), fs::copy_options::recursive);
    std::ofstream(folder_.path() / "Languages" / "Multilanuage.INI")
        << "[Config]\nLanguage=English\n";
    SetModuleFileNameOverride((folder_.path() / "pelmoran").string());
    g_Translator.Load();
    fs::create_directories(ReviewFolder());
  }
  void TearDown() override {
    g_Translator.ClearTables();
    SetModuleFileNameOverride("");
    DialogFixture::TearDown();
  }
  // Draws the dialog, then lets `end` close it.
  static std::function<void(HWND)> Draw(const char* name, std::function<void(HWND)> end) {
    return [name, end](HWND d) {
      ui_test::Pump();
      const std::string png = ReviewFolder() + "/" + name + ".png";
      EXPECT_TRUE(RenderWindowToPng(d, png)) << png;
      end(d);
    };
  }
  static void Close(HWND d) { SendMessage(d, WM_CLOSE, 0, 0); }

  TempFolder folder_;
};

TEST_F(ReviewRender, EveryInstrumentDialogFilledFromSimulatedInstruments) {
  sim::GeneratorIdentity v35;
  v35.version = "1.01.01.35";
  AttachUsbtmc(Generator("KRV5000", v35));
  auto krv1000 = AttachUsbtmc(Generator("KRV1000"));
  krv1000->Store("M51", {"RAMP"});
  usbDriver->Attach(Generator("KRV800"));
  g_WaveArray.Add(PatternWave("sine_1k", 16384, 1e3, 1.0));
  OpenWindow();
  g_WaveArray.Add(PatternWave("pulse_train", 16384, 1e3, 1.0));
  OpenWindow();

  RunConnection(1, 0, Draw("send-CWave_sendDLG", Close), [](HWND d) {
    ui_test::Pump();
    EXPECT_TRUE(RenderWindowToPng(d, ReviewFolder() + "/connect-CConnectTypeDLG.png"));
  });
  RunConnection(0, 0, [](HWND d) {
    Choose(GetDlgItem(d, CReadWaveDLG::IDC_DEVICES), 2);  // the KRV1000 with its stored RAMP
    Draw("read-CReadWaveDLG", Close)(d);
  });

  sim::ScopeSetup two;
  two.channels = 2;
  usbtmc->Attach(std::make_shared<sim::SimScope>(two), 0x1234, 0x0200, "SC1");
  usbtmc->Attach(std::make_shared<sim::SimScope>(), 0x1234, 0x0200, "SC2");
  RunConnection(0, 1, Draw("import-CInportFromSCOPE", Close));

  g_UsbGeneratorIndex = 0;
  dialogs.Expect(Draw("step-CTest_Read_Send_ByStep", Close));
  CTest_Read_Send_ByStep step(nullptr);
  step.DoModal();
  dialogs.Expect(Draw("connect-set-CConnect_setDLG", Close));
  CConnect_setDLG set(nullptr);
  set.DoModal();
  g_LinkType = 1;
  g_LinkIpAddress = "192.168.1.10";
  dialogs.Expect(Draw("connect-ip-CConnectTypeDLG", Close));
  CConnectTypeDLG connection(nullptr);
  connection.DoModal();
}

}  // namespace
}  // namespace dialogtest
