#pragma once
// The bench of the instrument dialog tests: the program's resources, one
// fake of the services (boxes recorded and answered, texts "text <id>",
// pauses recorded instead of slept), the link and waveform state reset,
// simulated instruments behind the fake raw-USB driver, the fake usbtmc seam
// and VXI-11 on loopback, and a test main frame with a document template
// whose stand-in view takes the newest waveform as the real view does. The
// frame and the view record the private messages they get.

#include "instrument/InstrumentLink.h"
#include "platform/services/tests/FakeServices.h"
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "platform/window/Frame.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"
#include "platform/window/tests/UiTestKit.h"
#include "sim/FakeRawUsb.h"
#include "sim/FakeUsbtmc.h"
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"
#include "sim/Vxi11Server.h"
#include "waveform/WaveData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace dialogtest {

// One private message as the frame or a view received it.
struct Received {
  UINT message;
  WPARAM wParam;
  bool operator==(const Received&) const = default;
};

// Messages the test main frame and the stand-in views received, in order.
std::vector<Received>& FrameLog();
std::vector<Received>& ViewLog();

// Builds a record of `count` samples repeating the pattern (peak, -peak, 0,
// peak / 2, -peak / 2), at `hertz` (unit Hz) and offset 0: packed as a
// waveform of amplitude 2 x peak, its codes are full scale, minus full scale,
// zero and the two half scales.
CWaveData PatternWave(const char* name, int count, double hertz, double peak);
// The 16-bit codes of that pattern, as the generator stores them, for
// `count` samples (14-bit families: shifted right by 2).
sim::Bytes PatternCodes(int count, bool sixteenBit);

class DialogFixture : public testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  static std::shared_ptr<sim::SimGenerator> Generator(const char* model,
                                                      sim::GeneratorIdentity identity = {});
  // Behind the fake usbtmc seam, with the next serial number.
  std::shared_ptr<sim::SimGenerator> AttachUsbtmc(std::shared_ptr<sim::SimGenerator> gen);
  // Served over VXI-11 on loopback at a free port; "127.0.0.1" reaches it.
  void ServeOverVxi11(std::shared_ptr<sim::SimInstrument> instrument);

  // Runs the connection dialog as a menu command would, with the direction
  // and import flags set: `choose` runs in it before OK (null: USBTMC is
  // chosen), `next` in the dialog it opens (null: none is expected).
  void RunConnection(int direction, int import, std::function<void(HWND)> next,
                     std::function<void(HWND)> choose = {});
  // The same with the network address typed.
  void RunConnectionTo(const char* address, int direction, int import,
                       std::function<void(HWND)> next);
  // Opens a waveform window for a record already appended (as file open does).
  void OpenWindow();

  std::vector<std::string>& Boxes() { return fake.BoxTexts(); }
  static HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
  static std::string TextOf(HWND window) { return GetWindowTextString(window); }
  // The texts of a combo box's entries.
  static std::vector<std::string> Entries(HWND combo);
  static void Choose(HWND combo, int index);  // as the user does: notifies

  services::FakeServices fake;
  ScriptedDialogs dialogs;
  std::shared_ptr<sim::FakeRawUsbDriver> usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
  std::shared_ptr<sim::FakeUsbtmcSystem> usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
  std::unique_ptr<sim::Vxi11Server> vxi11;
  int serials = 0;
  CWinApp app{"Pelmoran"};
  CMDIFrameWnd* main = nullptr;
};

}  // namespace dialogtest
